#include "forms/layout/layout_parser.h"

#include "base/ascii.h"
#include "forms/errors.h"

namespace {

struct TToken {
  enum TKind : uint8_t { tkEnd, tkIdent, tkInteger, tkString, tkSymbol };
  TKind kind = tkEnd;
  int line = 0;
  std::string text;      // identifier or symbol
  std::wstring string;   // string literal
  int64_t integer = 0;
};

// Appends the UTF-8 bytes of [p, end) as code units.
void AppendUtf8(std::wstring& out, std::string_view bytes, int line, std::string_view resource) {
  for (size_t i = 0; i < bytes.size();) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    uint32_t cp;
    int extra;
    if (c < 0x80) cp = c, extra = 0;
    else if ((c & 0xE0) == 0xC0) cp = c & 0x1F, extra = 1;
    else if ((c & 0xF0) == 0xE0) cp = c & 0x0F, extra = 2;
    else throw ELayoutError("the text is not UTF-8", std::string(resource), line, "", "");
    if (extra > 0 && i + extra >= bytes.size())
      throw ELayoutError("the text is not UTF-8", std::string(resource), line, "", "");
    for (int k = 1; k <= extra; ++k) {
      unsigned char d = static_cast<unsigned char>(bytes[i + k]);
      if ((d & 0xC0) != 0x80) throw ELayoutError("the text is not UTF-8", std::string(resource), line, "", "");
      cp = (cp << 6) | (d & 0x3F);
    }
    out += static_cast<wchar_t>(cp);
    i += 1 + extra;
  }
}

class TLexer {
 public:
  TLexer(std::string_view text, std::string_view resource) : s_(text), resource_(resource) {}

  TToken Next() {
    SkipSpace();
    TToken t;
    t.line = line_;
    if (pos_ >= s_.size()) return t;
    char c = s_[pos_];
    if (AsciiIsLetter(c) || c == '_') {
      size_t start = pos_;
      while (pos_ < s_.size() && (AsciiIsLetter(s_[pos_]) || AsciiIsDigit(s_[pos_]) ||
                                  s_[pos_] == '_' || s_[pos_] == '.'))
        ++pos_;
      t.kind = TToken::tkIdent;
      t.text = std::string(s_.substr(start, pos_ - start));
      if (t.text.back() == '.') Fail("a name cannot end with \".\"");
      return t;
    }
    if (AsciiIsDigit(c) || c == '$' || (c == '-' && pos_ + 1 < s_.size() &&
                                          (AsciiIsDigit(s_[pos_ + 1]) || s_[pos_ + 1] == '$'))) {
      t.kind = TToken::tkInteger;
      t.integer = ReadInteger();
      return t;
    }
    if (c == '\'' || c == '#') {
      t.kind = TToken::tkString;
      t.string = ReadString();
      return t;
    }
    if (c == '=' || c == ':' || c == '[' || c == ']' || c == '(' || c == ')' || c == ',' || c == '+') {
      ++pos_;
      t.kind = TToken::tkSymbol;
      t.text = std::string(1, c);
      return t;
    }
    Fail(std::string("unexpected character '") + c + "'");
  }

  [[noreturn]] void Fail(const std::string& what) const {
    throw ELayoutError(what, std::string(resource_), line_, "", "");
  }

 private:
  void SkipSpace() {
    while (pos_ < s_.size()) {
      char c = s_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/') {
        while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  int64_t ReadInteger() {
    bool negative = s_[pos_] == '-';
    if (negative) ++pos_;
    bool hex = pos_ < s_.size() && s_[pos_] == '$';
    if (hex) ++pos_;
    uint64_t value = 0;
    int digits = 0;
    while (pos_ < s_.size()) {
      char c = AsciiLower(s_[pos_]);
      int d;
      if (AsciiIsDigit(c)) d = c - '0';
      else if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
      else break;
      value = value * (hex ? 16 : 10) + static_cast<uint64_t>(d);
      if (value > 0xFFFFFFFFull) Fail("number out of range");
      ++digits;
      ++pos_;
    }
    if (digits == 0) Fail("a number has no digits");
    if (pos_ < s_.size() && (AsciiIsLetter(s_[pos_]) || s_[pos_] == '.'))
      Fail("not a whole number");
    return negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
  }

  // 'quoted' segments ('' for a quote) and #nnn codes, without blanks between them.
  std::wstring ReadString() {
    std::wstring out;
    while (pos_ < s_.size() && (s_[pos_] == '\'' || s_[pos_] == '#')) {
      if (s_[pos_] == '#') {
        ++pos_;
        size_t start = pos_;
        uint32_t code = 0;
        while (pos_ < s_.size() && AsciiIsDigit(s_[pos_]) && pos_ - start < 6)
          code = code * 10 + uint32_t(s_[pos_++] - '0');
        if (pos_ == start || code > 0xFFFF) Fail("a character code must be a number up to 65535");
        out += static_cast<wchar_t>(code);
        continue;
      }
      ++pos_;
      std::string bytes;
      for (;;) {
        if (pos_ >= s_.size() || s_[pos_] == '\n') Fail("a text is not closed with '");
        if (s_[pos_] == '\'') {
          if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'') {
            bytes += '\'';
            pos_ += 2;
            continue;
          }
          ++pos_;
          break;
        }
        bytes += s_[pos_++];
      }
      AppendUtf8(out, bytes, line_, resource_);
    }
    return out;
  }

  std::string_view s_;
  std::string_view resource_;
  size_t pos_ = 0;
  int line_ = 1;
};

class TParser {
 public:
  TParser(std::string_view text, std::string_view resource) : lex_(text, resource), resource_(resource) {
    Advance();
  }

  TLayoutNode Root() {
    if (!IsWord("object")) Fail("a layout starts with \"object\"", "", "");
    TLayoutNode root = Object();
    if (tok_.kind != TToken::tkEnd) Fail("text after the final \"end\"", root.Name, "");
    return root;
  }

 private:
  void Advance() { tok_ = lex_.Next(); }
  bool IsWord(const char* w) const { return tok_.kind == TToken::tkIdent && AsciiIequals(tok_.text, w); }
  bool IsSymbol(char c) const { return tok_.kind == TToken::tkSymbol && tok_.text[0] == c; }
  [[noreturn]] void Fail(const std::string& what, const std::string& component,
                         const std::string& property) const {
    throw ELayoutError(what, std::string(resource_), tok_.line, component, property);
  }

  std::string PlainName(const char* what, const std::string& component) {
    if (tok_.kind != TToken::tkIdent || tok_.text.find('.') != std::string::npos)
      Fail(std::string("expected ") + what, component, "");
    std::string n = tok_.text;
    Advance();
    return n;
  }

  TLayoutNode Object() {
    TLayoutNode node;
    node.Line = tok_.line;
    Advance();  // "object"
    node.Name = PlainName("a component name after \"object\"", "");
    if (!IsSymbol(':')) Fail("expected \":\" and a class name after the component name", node.Name, "");
    Advance();
    node.ClassName = PlainName("a class name", node.Name);
    for (;;) {
      if (tok_.kind == TToken::tkEnd)
        throw ELayoutError("\"end\" missing for the object that starts on line " +
                               std::to_string(node.Line),
                           std::string(resource_), tok_.line, node.Name, "");
      if (IsWord("end")) {
        Advance();
        return node;
      }
      if (IsWord("object")) {
        node.Children.push_back(Object());
        continue;
      }
      if (tok_.kind != TToken::tkIdent) Fail("expected a property, \"object\" or \"end\"", node.Name, "");
      TLayoutProperty prop;
      prop.Name = tok_.text;
      prop.Line = tok_.line;
      if (!node.Children.empty())
        Fail("properties come before the nested objects", node.Name, prop.Name);
      Advance();
      if (!IsSymbol('=')) Fail("expected \"=\" after the property name", node.Name, prop.Name);
      Advance();
      prop.Value = Value(node.Name, prop.Name);
      node.Properties.push_back(std::move(prop));
    }
  }

  TLayoutValue Value(const std::string& component, const std::string& property) {
    TLayoutValue v;
    v.Line = tok_.line;
    if (tok_.kind == TToken::tkInteger) {
      v.ValueKind = TLayoutValue::vkInteger;
      v.Integer = tok_.integer;
      Advance();
    } else if (tok_.kind == TToken::tkString) {
      v.ValueKind = TLayoutValue::vkString;
      v.String = tok_.string;
      Advance();
      while (IsSymbol('+')) {  // a long text continued on the next line
        Advance();
        if (tok_.kind != TToken::tkString) Fail("expected a text after \"+\"", component, property);
        v.String += tok_.string;
        Advance();
      }
    } else if (tok_.kind == TToken::tkIdent) {
      if (IsWord("object") || IsWord("end")) Fail("a value is missing", component, property);
      v.ValueKind = TLayoutValue::vkIdent;
      v.Ident = tok_.text;
      Advance();
    } else if (IsSymbol('[')) {
      v.ValueKind = TLayoutValue::vkSet;
      Advance();
      while (!IsSymbol(']')) {
        if (tok_.kind != TToken::tkIdent) Fail("expected a set member or \"]\"", component, property);
        v.Set.push_back(tok_.text);
        Advance();
        if (IsSymbol(',')) {
          Advance();
          if (IsSymbol(']')) Fail("expected a set member after \",\"", component, property);
        } else if (!IsSymbol(']')) {
          Fail("expected \",\" or \"]\"", component, property);
        }
      }
      Advance();
    } else if (IsSymbol('(')) {
      v.ValueKind = TLayoutValue::vkList;
      Advance();
      while (!IsSymbol(')')) {
        if (tok_.kind == TToken::tkEnd || IsSymbol('(') || IsSymbol('['))
          Fail("a list is not closed with \")\"", component, property);
        v.List.push_back(Value(component, property));
      }
      Advance();
    } else {
      Fail("a value is missing", component, property);
    }
    return v;
  }

  TLexer lex_;
  std::string_view resource_;
  TToken tok_;
};

}  // namespace

TLayoutNode ParseLayout(std::string_view text, std::string_view resource) {
  return TParser(text, resource).Root();
}
