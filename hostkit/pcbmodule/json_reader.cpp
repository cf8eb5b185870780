#include "json_reader.h"

#include <utility>

const TJsonValue* TJsonValue::Member(std::string_view name) const {
  for (const TJsonMember& member : members) {
    if (member.name == name) return &member.value;
  }
  return nullptr;
}

void TJsonReader::Fail(const std::string& message) const { throw TJsonSyntaxError{line_, message}; }

void TJsonReader::SkipBlanks() {
  while (pos_ < text_.size()) {
    const char c = text_[pos_];
    if (c == '\n') {
      ++line_;
    } else if (c != ' ' && c != '\t' && c != '\r') {
      return;
    }
    ++pos_;
  }
}

char TJsonReader::Peek() {
  SkipBlanks();
  return pos_ < text_.size() ? text_[pos_] : '\0';
}

void TJsonReader::Expect(char c) {
  if (Peek() != c) {
    Fail(pos_ < text_.size() ? std::string("expected '") + c + "'"
                             : std::string("unexpected end of file, expected '") + c + "'");
  }
  ++pos_;
}

bool TJsonReader::Consume(char c) {
  if (Peek() != c) return false;
  ++pos_;
  return true;
}

void TJsonReader::ExpectEnd() {
  if (Peek() != '\0' || pos_ < text_.size()) Fail("text after the end of the board");
}

void TJsonReader::AppendCodePoint(std::string& out, unsigned code) {
  // Board texts are 8-bit; a file may spell the upper half in UTF-8 or as \u00XX escapes.
  if (code > 0xFF) Fail("character U+" + std::to_string(code) + " does not fit an 8-bit text");
  out.push_back(static_cast<char>(code));
}

std::string TJsonReader::StringValue() {
  Expect('"');
  std::string out;
  while (true) {
    if (pos_ >= text_.size()) Fail("unterminated text");
    const auto c = static_cast<unsigned char>(text_[pos_++]);
    if (c == '"') return out;
    if (c < 0x20) Fail("control character in a text");
    if (c == '\\') {
      if (pos_ >= text_.size()) Fail("unterminated text");
      const char e = text_[pos_++];
      switch (e) {
        case '"':
          out.push_back('"');
          break;
        case '\\':
          out.push_back('\\');
          break;
        case '/':
          out.push_back('/');
          break;
        case 'b':
          out.push_back('\b');
          break;
        case 'f':
          out.push_back('\f');
          break;
        case 'n':
          out.push_back('\n');
          break;
        case 'r':
          out.push_back('\r');
          break;
        case 't':
          out.push_back('\t');
          break;
        case 'u': {
          if (pos_ + 4 > text_.size()) Fail("bad \\u escape");
          unsigned code = 0;
          for (int i = 0; i < 4; ++i) {
            const char h = text_[pos_++];
            code <<= 4;
            if (h >= '0' && h <= '9')
              code |= h - '0';
            else if (h >= 'a' && h <= 'f')
              code |= h - 'a' + 10;
            else if (h >= 'A' && h <= 'F')
              code |= h - 'A' + 10;
            else
              Fail("bad \\u escape");
          }
          AppendCodePoint(out, code);
          break;
        }
        default:
          Fail(std::string("bad escape \\") + e);
      }
    } else if (c >= 0x80) {
      // Two-byte UTF-8 covers U+0080 to U+07FF; anything longer is beyond 8 bits anyway.
      if ((c & 0xE0) != 0xC0 || pos_ >= text_.size() ||
          (static_cast<unsigned char>(text_[pos_]) & 0xC0) != 0x80) {
        Fail("text is not UTF-8 of 8-bit characters");
      }
      const unsigned code = ((c & 0x1F) << 6) | (static_cast<unsigned char>(text_[pos_++]) & 0x3F);
      AppendCodePoint(out, code);
    } else {
      out.push_back(static_cast<char>(c));
    }
  }
}

void TJsonReader::Number(TJsonValue& v) {
  const size_t start = pos_;
  auto digits = [&] {
    const size_t from = pos_;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
    return pos_ > from;
  };
  if (text_[pos_] == '-') ++pos_;
  if (!digits()) Fail("bad number");
  if (pos_ < text_.size() && text_[pos_] == '.') {
    ++pos_;
    if (!digits()) Fail("bad number");
  }
  if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
    ++pos_;
    if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
    if (!digits()) Fail("bad number");
  }
  v.type = TJsonValue::TType::Number;
  v.text.assign(text_.substr(start, pos_ - start));
}

TJsonValue TJsonReader::Value() {
  TJsonValue v;
  const char c = Peek();
  v.line = line_;
  if (c == '{') {
    if (++depth_ > 64) Fail("nested too deeply");
    ++pos_;
    v.type = TJsonValue::TType::Object;
    if (!Consume('}')) {
      do {
        if (Peek() != '"') Fail("expected a field name");
        std::string key = StringValue();
        Expect(':');
        v.members.push_back(TJsonMember{std::move(key), Value()});
      } while (Consume(','));
      Expect('}');
    }
    --depth_;
  } else if (c == '[') {
    if (++depth_ > 64) Fail("nested too deeply");
    ++pos_;
    v.type = TJsonValue::TType::Array;
    if (!Consume(']')) {
      do {
        v.items.push_back(Value());
      } while (Consume(','));
      Expect(']');
    }
    --depth_;
  } else if (c == '"') {
    v.type = TJsonValue::TType::String;
    v.text = StringValue();
  } else if (c == '-' || (c >= '0' && c <= '9')) {
    Number(v);
  } else if (text_.substr(pos_, 4) == "true" || text_.substr(pos_, 5) == "false") {
    v.type = TJsonValue::TType::Bool;
    v.boolean = text_[pos_] == 't';
    pos_ += v.boolean ? 4 : 5;
  } else if (text_.substr(pos_, 4) == "null") {
    pos_ += 4;
  } else if (c == '\0') {
    Fail("unexpected end of file");
  } else {
    Fail(std::string("unexpected character '") + c + "'");
  }
  return v;
}
