#include "forms/layout_parser.h"

#include "base/ascii.h"
#include "forms/errors.h"

namespace {

struct Token {
  enum Kind : uint8_t { tkEnd, tkIdent, tkInteger, tkString, tkSymbol };
  Kind kind = tkEnd;
  int line = 0;
  std::string text;      // identifier or symbol
  std::wstring string;   // string literal
  int64_t integer = 0;
};

// Appends the UTF-8 bytes of [p, end) as code units.
void append_utf8(std::wstring& out, std::string_view bytes, int line, std::string_view resource) {
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

class Lexer {
 public:
  Lexer(std::string_view text, std::string_view resource) : s_(text), resource_(resource) {}

  Token Next() {
    skip_space();
    Token t;
    t.line = line_;
    if (pos_ >= s_.size()) return t;
    char c = s_[pos_];
    if (ascii_is_letter(c) || c == '_') {
      size_t start = pos_;
      while (pos_ < s_.size() && (ascii_is_letter(s_[pos_]) || ascii_is_digit(s_[pos_]) ||
                                  s_[pos_] == '_' || s_[pos_] == '.'))
        ++pos_;
      t.kind = Token::tkIdent;
      t.text = std::string(s_.substr(start, pos_ - start));
      if (t.text.back() == '.') fail("a name cannot end with \".\"");
      return t;
    }
    if (ascii_is_digit(c) || c == '$' || (c == '-' && pos_ + 1 < s_.size() &&
                                          (ascii_is_digit(s_[pos_ + 1]) || s_[pos_ + 1] == '$'))) {
      t.kind = Token::tkInteger;
      t.integer = read_integer();
      return t;
    }
    if (c == '\'' || c == '#') {
      t.kind = Token::tkString;
      t.string = read_string();
      return t;
    }
    if (c == '=' || c == ':' || c == '[' || c == ']' || c == '(' || c == ')' || c == ',' || c == '+') {
      ++pos_;
      t.kind = Token::tkSymbol;
      t.text = std::string(1, c);
      return t;
    }
    fail(std::string("unexpected character '") + c + "'");
  }

  [[noreturn]] void fail(const std::string& what) const {
    throw ELayoutError(what, std::string(resource_), line_, "", "");
  }

 private:
  void skip_space() {
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

  int64_t read_integer() {
    bool negative = s_[pos_] == '-';
    if (negative) ++pos_;
    bool hex = pos_ < s_.size() && s_[pos_] == '$';
    if (hex) ++pos_;
    uint64_t value = 0;
    int digits = 0;
    while (pos_ < s_.size()) {
      char c = ascii_lower(s_[pos_]);
      int d;
      if (ascii_is_digit(c)) d = c - '0';
      else if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
      else break;
      value = value * (hex ? 16 : 10) + static_cast<uint64_t>(d);
      if (value > 0xFFFFFFFFull) fail("number out of range");
      ++digits;
      ++pos_;
    }
    if (digits == 0) fail("a number has no digits");
    if (pos_ < s_.size() && (ascii_is_letter(s_[pos_]) || s_[pos_] == '.'))
      fail("not a whole number");
    return negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
  }

  // 'quoted' segments ('' for a quote) and #nnn codes, without blanks between them.
  std::wstring read_string() {
    std::wstring out;
    while (pos_ < s_.size() && (s_[pos_] == '\'' || s_[pos_] == '#')) {
      if (s_[pos_] == '#') {
        ++pos_;
        size_t start = pos_;
        uint32_t code = 0;
        while (pos_ < s_.size() && ascii_is_digit(s_[pos_]) && pos_ - start < 6)
          code = code * 10 + uint32_t(s_[pos_++] - '0');
        if (pos_ == start || code > 0xFFFF) fail("a character code must be a number up to 65535");
        out += static_cast<wchar_t>(code);
        continue;
      }
      ++pos_;
      std::string bytes;
      for (;;) {
        if (pos_ >= s_.size() || s_[pos_] == '\n') fail("a text is not closed with '");
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
      append_utf8(out, bytes, line_, resource_);
    }
    return out;
  }

  std::string_view s_;
  std::string_view resource_;
  size_t pos_ = 0;
  int line_ = 1;
};

class Parser {
 public:
  Parser(std::string_view text, std::string_view resource) : lex_(text, resource), resource_(resource) {
    advance();
  }

  TLayoutNode Root() {
    if (!is_word("object")) fail("a layout starts with \"object\"", "", "");
    TLayoutNode root = object();
    if (tok_.kind != Token::tkEnd) fail("text after the final \"end\"", root.Name, "");
    return root;
  }

 private:
  void advance() { tok_ = lex_.Next(); }
  bool is_word(const char* w) const { return tok_.kind == Token::tkIdent && ascii_iequals(tok_.text, w); }
  bool is_symbol(char c) const { return tok_.kind == Token::tkSymbol && tok_.text[0] == c; }
  [[noreturn]] void fail(const std::string& what, const std::string& component,
                         const std::string& property) const {
    throw ELayoutError(what, std::string(resource_), tok_.line, component, property);
  }

  std::string plain_name(const char* what, const std::string& component) {
    if (tok_.kind != Token::tkIdent || tok_.text.find('.') != std::string::npos)
      fail(std::string("expected ") + what, component, "");
    std::string n = tok_.text;
    advance();
    return n;
  }

  TLayoutNode object() {
    TLayoutNode node;
    node.Line = tok_.line;
    advance();  // "object"
    node.Name = plain_name("a component name after \"object\"", "");
    if (!is_symbol(':')) fail("expected \":\" and a class name after the component name", node.Name, "");
    advance();
    node.ClassName = plain_name("a class name", node.Name);
    for (;;) {
      if (tok_.kind == Token::tkEnd)
        throw ELayoutError("\"end\" missing for the object that starts on line " +
                               std::to_string(node.Line),
                           std::string(resource_), tok_.line, node.Name, "");
      if (is_word("end")) {
        advance();
        return node;
      }
      if (is_word("object")) {
        node.Children.push_back(object());
        continue;
      }
      if (tok_.kind != Token::tkIdent) fail("expected a property, \"object\" or \"end\"", node.Name, "");
      TLayoutProperty prop;
      prop.Name = tok_.text;
      prop.Line = tok_.line;
      if (!node.Children.empty())
        fail("properties come before the nested objects", node.Name, prop.Name);
      advance();
      if (!is_symbol('=')) fail("expected \"=\" after the property name", node.Name, prop.Name);
      advance();
      prop.Value = value(node.Name, prop.Name);
      node.Properties.push_back(std::move(prop));
    }
  }

  TLayoutValue value(const std::string& component, const std::string& property) {
    TLayoutValue v;
    v.Line = tok_.line;
    if (tok_.kind == Token::tkInteger) {
      v.ValueKind = TLayoutValue::vkInteger;
      v.Integer = tok_.integer;
      advance();
    } else if (tok_.kind == Token::tkString) {
      v.ValueKind = TLayoutValue::vkString;
      v.String = tok_.string;
      advance();
      while (is_symbol('+')) {  // a long text continued on the next line
        advance();
        if (tok_.kind != Token::tkString) fail("expected a text after \"+\"", component, property);
        v.String += tok_.string;
        advance();
      }
    } else if (tok_.kind == Token::tkIdent) {
      if (is_word("object") || is_word("end")) fail("a value is missing", component, property);
      v.ValueKind = TLayoutValue::vkIdent;
      v.Ident = tok_.text;
      advance();
    } else if (is_symbol('[')) {
      v.ValueKind = TLayoutValue::vkSet;
      advance();
      while (!is_symbol(']')) {
        if (tok_.kind != Token::tkIdent) fail("expected a set member or \"]\"", component, property);
        v.Set.push_back(tok_.text);
        advance();
        if (is_symbol(',')) {
          advance();
          if (is_symbol(']')) fail("expected a set member after \",\"", component, property);
        } else if (!is_symbol(']')) {
          fail("expected \",\" or \"]\"", component, property);
        }
      }
      advance();
    } else if (is_symbol('(')) {
      v.ValueKind = TLayoutValue::vkList;
      advance();
      while (!is_symbol(')')) {
        if (tok_.kind == Token::tkEnd || is_symbol('(') || is_symbol('['))
          fail("a list is not closed with \")\"", component, property);
        v.List.push_back(value(component, property));
      }
      advance();
    } else {
      fail("a value is missing", component, property);
    }
    return v;
  }

  Lexer lex_;
  std::string_view resource_;
  Token tok_;
};

}  // namespace

TLayoutNode parse_layout(std::string_view text, std::string_view resource) {
  return Parser(text, resource).Root();
}
