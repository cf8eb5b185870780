#include "s_expression.h"

#include <cstdio>

void TSExprTree::Clear() {
  nodes_.clear();
  owned_.clear();
}

uint32_t TSExprTree::Add(const TSExprNode& node) {
  nodes_.push_back(node);
  return static_cast<uint32_t>(nodes_.size() - 1);
}

std::string_view TSExprTree::Keep(std::string text) {
  owned_.push_back(std::move(text));
  return owned_.back();
}

std::vector<uint32_t> TSExprTree::Children(uint32_t list) const {
  std::vector<uint32_t> out;
  out.reserve(nodes_[list].count);
  for (uint32_t c = nodes_[list].first; c != kNoNode; c = nodes_[c].next) out.push_back(c);
  return out;
}

std::string_view TSExprTree::Keyword(uint32_t list) const {
  const TSExprNode& node = nodes_[list];
  if (node.kind != TSExprKind::eList || node.first == kNoNode) return {};
  const TSExprNode& first = nodes_[node.first];
  return first.kind == TSExprKind::eSymbol ? first.text : std::string_view();
}

std::string QuoteToken(std::string_view text) {
  constexpr size_t shown = 40;
  std::string out = "\"";
  for (size_t i = 0; i < text.size() && i < shown; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7F || c == '"' || c == '\\') {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  if (text.size() > shown) out += "...";
  return out + "\"";
}

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool IsSymbolByte(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u > 0x20 && u != 0x7F && c != '(' && c != ')' && c != '"';
}

std::string ByteText(char c) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(c));
  return hex;
}

}  // namespace

void TSExprReader::Fail(const std::string& what) const { throw EKicadFormat(line_, what); }

void TSExprReader::SkipBlanks() {
  while (pos_ < text_.size() && IsBlank(text_[pos_])) {
    if (text_[pos_] == '\n') ++line_;
    ++pos_;
  }
}

void TSExprReader::EnterList(std::string_view keyword) {
  SkipBlanks();
  if (pos_ >= text_.size()) Fail("the file is empty");
  if (text_[pos_] != '(') Fail("expected \"(" + std::string(keyword) + "\"");
  ++pos_;
  SkipBlanks();
  const size_t start = pos_;
  while (pos_ < text_.size() && IsSymbolByte(text_[pos_]) && pos_ - start <= keyword.size()) ++pos_;
  if (text_.substr(start, pos_ - start) != keyword ||
      (pos_ < text_.size() && IsSymbolByte(text_[pos_]))) {
    Fail("expected \"(" + std::string(keyword) + "\"");
  }
  ++open_lists_;
}

bool TSExprReader::AtListEnd() {
  SkipBlanks();
  if (pos_ >= text_.size())
    Fail("the file ends inside a list: " + std::to_string(open_lists_) + " \")\" missing");
  return text_[pos_] == ')';
}

void TSExprReader::LeaveList() {
  if (!AtListEnd()) Fail("expected \")\"");
  ++pos_;
  --open_lists_;
}

void TSExprReader::ExpectEnd() {
  SkipBlanks();
  if (pos_ < text_.size()) {
    Fail(text_[pos_] == ')' ? "a \")\" closes no list" : "text after the end of the board");
  }
}

uint32_t TSExprReader::ReadItem(TSExprTree& tree) {
  tree.Clear();
  SkipBlanks();
  return ReadNode(tree, 0);
}

uint32_t TSExprReader::ReadNode(TSExprTree& tree, int depth) {
  SkipBlanks();
  if (pos_ >= text_.size()) {
    Fail("the file ends inside a list: " + std::to_string(open_lists_ + depth) + " \")\" missing");
  }
  TSExprNode node;
  node.line = line_;
  node.first = node.next = kNoNode;
  const char c = text_[pos_];
  if (c == ')') Fail("a \")\" closes no list");
  if (c == '(') {
    if (depth >= kMaxSExprDepth)
      Fail("lists nested deeper than " + std::to_string(kMaxSExprDepth) + " levels");
    ++pos_;
    const uint32_t self = tree.Add(node);
    uint32_t last = kNoNode;
    uint32_t count = 0;
    for (;;) {
      SkipBlanks();
      if (pos_ >= text_.size()) {
        Fail("the file ends inside a list: " + std::to_string(open_lists_ + depth + 1) +
             " \")\" missing");
      }
      if (text_[pos_] == ')') {
        ++pos_;
        break;
      }
      const uint32_t child = ReadNode(tree, depth + 1);
      if (last == kNoNode) {
        tree.At(self).first = child;
      } else {
        tree.At(last).next = child;
      }
      last = child;
      ++count;
    }
    tree.At(self).count = count;
    return self;
  }
  if (c == '"') {
    ReadString(tree, node);
  } else {
    ReadSymbol(node);
  }
  return tree.Add(node);
}

void TSExprReader::ReadSymbol(TSExprNode& node) {
  const size_t start = pos_;
  while (pos_ < text_.size() && IsSymbolByte(text_[pos_])) {
    if (pos_ - start >= kMaxSExprToken)
      Fail("a word longer than " + std::to_string(kMaxSExprToken) + " bytes");
    ++pos_;
  }
  if (pos_ == start) Fail("unexpected byte " + ByteText(text_[pos_]) + ": this is no KiCad text");
  node.kind = TSExprKind::eSymbol;
  node.text = text_.substr(start, pos_ - start);
}

void TSExprReader::ReadString(TSExprTree& tree, TSExprNode& node) {
  node.kind = TSExprKind::eString;
  const int first_line = line_;
  ++pos_;
  const size_t start = pos_;
  bool escaped = false;
  // Most strings have no escape and are used in place.
  for (;;) {
    if (pos_ >= text_.size()) throw EKicadFormat(first_line, "a string is not closed");
    const char c = text_[pos_];
    if (c == '"') break;
    if (c == '\0') Fail("unexpected byte 0x00 in a string: this is no KiCad text");
    if (c == '\n') ++line_;
    if (c == '\\') {
      escaped = true;
      ++pos_;
      if (pos_ >= text_.size()) throw EKicadFormat(first_line, "a string is not closed");
      if (text_[pos_] == '\n') ++line_;
    }
    ++pos_;
    if (pos_ - start > kMaxSExprToken)
      Fail("a string longer than " + std::to_string(kMaxSExprToken) + " bytes");
  }
  const std::string_view raw = text_.substr(start, pos_ - start);
  ++pos_;
  if (!escaped) {
    node.text = raw;
    return;
  }
  std::string out;
  out.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\\') {
      out += raw[i];
      continue;
    }
    const char e = raw[++i];
    switch (e) {
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      default:
        out += e;  // \" \\ and anything else stand for themselves
    }
  }
  node.text = tree.Keep(std::move(out));
}
