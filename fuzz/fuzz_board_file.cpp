// Arbitrary bytes as a host kit board file: the reader gives a board or refuses naming the file and
// a line inside the text, never faults, and a board it accepts saves to a text that loads back and
// saves to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "board_file.h"

namespace {

// The line of an error "fuzz.json:<line>: …", or -1 when the error does not have that form.
int ErrorLine(const std::string& error) {
  const std::string prefix = "fuzz.json:";
  if (error.rfind(prefix, 0) != 0) return -1;
  size_t pos = prefix.size();
  int line = 0;
  while (pos < error.size() && error[pos] >= '0' && error[pos] <= '9' && line < 100000000)
    line = line * 10 + (error[pos++] - '0');
  if (pos == prefix.size() || error.compare(pos, 2, ": ") != 0) return -1;
  return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A copy of exactly the input's size, so that AddressSanitizer sees any read past its end.
  const std::string text(reinterpret_cast<const char*>(data), size);
  int lines = 1;
  for (char c : text) lines += c == '\n';
  std::string error;
  std::unique_ptr<TBoard> board = ParseBoard(text, "fuzz.json", &error);
  if (!board) {
    const int line = ErrorLine(error);
    if (line < 1 || line > lines) std::abort();
    return 0;
  }
  const std::string saved = WriteBoard(*board);
  std::string again_error;
  std::unique_ptr<TBoard> again = ParseBoard(saved, "saved.json", &again_error);
  if (!again || WriteBoard(*again) != saved) std::abort();
  return 0;
}
