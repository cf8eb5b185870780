// Arbitrary bytes as a KiCad board file: the reader either gives a board or refuses with a line
// inside the text, and never faults, hangs or reads past the text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "kicad_board_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A copy of exactly the input's size, so that AddressSanitizer sees any read past its end.
  const std::string text(reinterpret_cast<const char*>(data), size);
  int lines = 1;
  for (char c : text) lines += c == '\n';
  try {
    const TKicadBoard board = ReadKicadBoard(text);
    if (board.version < kFirstKicadVersion || board.version > kLastKicadVersion) std::abort();
    for (const TKicadPad& pad : board.pads) {
      if (pad.line < 1 || pad.line > lines) std::abort();
      if (pad.footprint < 0 || static_cast<size_t>(pad.footprint) >= board.footprints.size())
        std::abort();
    }
  } catch (const EKicadFormat& e) {
    if (e.Line() < 1 || e.Line() > lines) std::abort();
  }
  return 0;
}
