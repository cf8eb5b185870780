#pragma once
// A small JSON reader for board files that remembers the line of every value, so that an error can
// name the line it is about. It reads one value at a time, which lets the board loader take a large
// array of primitives element by element instead of holding the whole file as a tree.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct JsonValue {
  enum class Type { Null, Bool, Number, String, Array, Object };
  Type type = Type::Null;
  int line = 0;
  bool boolean = false;
  std::string text;  // a number's own text, or a string's bytes
  std::vector<JsonValue> items;
  std::vector<std::pair<std::string, JsonValue>> members;

  const JsonValue* member(std::string_view name) const;
};

// A syntax error at a line.
struct JsonSyntaxError {
  int line;
  std::string message;
};

class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}

  JsonValue value();
  // Structural steps for reading a value piece by piece.
  void expect(char c);
  bool consume(char c);  // skips blanks first
  std::string string_value();
  void expect_end();
  int line() const { return line_; }
  // The line where the next value starts.
  int next_line() {
    skip_blanks();
    return line_;
  }

 private:
  [[noreturn]] void fail(const std::string& message) const;
  void skip_blanks();
  char peek();
  void number(JsonValue& v);
  void append_code_point(std::string& out, unsigned code);

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
  int depth_ = 0;
};
