#pragma once
// Parameter strings: the one line of 8-bit text ("Name=Value|Name=Value") in which the host and its
// plug-ins pass arguments to commands and processes. The text lives in a caller-owned buffer of
// fixed size because the host may write results back into it, so every writer here takes that size
// and refuses a text that would not fit rather than cut it or run past the end.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/object.h"

class TParameter : public TObject {
  TAVRIN_CLASS(TParameter, TObject)
 public:
  TParameter(std::string name, std::string value) : Name(std::move(name)), Value(std::move(value)) {}

  // Never empty; neither field has leading or trailing bytes 0 to 32.
  std::string Name;
  std::string Value;
};

// An ordered list of parameters that it owns. Names may repeat; Find returns the first.
class TParameterList : public TObject {
  TAVRIN_CLASS(TParameterList, TObject)
 public:
  TParameterList() = default;
  TParameterList(const TParameterList&) = delete;
  TParameterList& operator=(const TParameterList&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  // nullptr for an index outside the list.
  TParameter* Items(int index) const;

  void Clear();
  // Replaces the content by the items read from the text, which ends at its first NUL (or at the
  // end of the view). Items without "=" and items whose name trims to empty are dropped.
  void SetText(std::string_view text);
  void SetText(const char* text);
  // Appends name and value, both trimmed of bytes 0 to 32; nothing when the name trims to empty.
  void Add(std::string_view name, std::string_view value);
  // First parameter whose name equals the given one, control bytes (0 to 31) at either end ignored
  // and ASCII letters compared without regard to case; nullptr when there is none.
  TParameter* Find(std::string_view name) const;
  // The list as text, an empty value written as a single blank so that it survives a round trip.
  std::string Text() const;
  // Writes Text() and its NUL into a buffer of `size` bytes. A text that does not fit is refused:
  // the buffer keeps what it held and the result is false.
  bool GetText(char* buffer, int32_t size) const;

 private:
  std::vector<std::unique_ptr<TParameter>> items_;
};

// Sets one parameter in the text held by a buffer of `size` bytes: the first parameter of that name
// gets the (trimmed) value in its place, or the parameter is appended. The buffer is read no further
// than its size. False, with the buffer left as it was, when the new text does not fit or when the
// name holds "=", "|" or NUL or the value "|" or NUL, which the text cannot carry.
bool SetParameter(char* buffer, int32_t size, std::string_view name, std::string_view value);

// A buffer of `size` bytes whose first byte is NUL; nullptr when the size is 0 or negative.
char* AllocParameterBuffer(int32_t size);
// Frees a buffer from AllocParameterBuffer; does nothing for nullptr or a size of 0 or less.
void FreeParameterBuffer(char* buffer, int32_t size);
