#pragma once
// A small JSON reader for board files that remembers the line of every value, so that an error can
// name the line it is about. It reads one value at a time, which lets the board loader take a large
// array of primitives element by element instead of holding the whole file as a tree.

#include <string>
#include <string_view>
#include <vector>

struct TJsonMember;

struct TJsonValue {
  enum class TType { Null, Bool, Number, String, Array, Object };
  TType type = TType::Null;
  int line = 0;
  bool boolean = false;
  std::string text;  // a number's own text, or a string's bytes
  std::vector<TJsonValue> items;
  std::vector<TJsonMember> members;

  const TJsonValue* Member(std::string_view name) const;
};

// One member of an object, in the order of the text. A struct of its own rather than a pair, since
// a pair of a type still being declared is not portable.
struct TJsonMember {
  std::string name;
  TJsonValue value;
};

// A syntax error at a line.
struct TJsonSyntaxError {
  int line;
  std::string message;
};

class TJsonReader {
 public:
  explicit TJsonReader(std::string_view text) : text_(text) {}

  TJsonValue Value();
  // Structural steps for reading a value piece by piece.
  void Expect(char c);
  bool Consume(char c);  // skips blanks first
  std::string StringValue();
  void ExpectEnd();
  int Line() const { return line_; }
  // The line where the next value starts.
  int NextLine() {
    SkipBlanks();
    return line_;
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const;
  void SkipBlanks();
  char Peek();
  void Number(TJsonValue& v);
  void AppendCodePoint(std::string& out, unsigned code);

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
  int depth_ = 0;
};
