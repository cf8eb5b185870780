// ParseCoordWithUnit on arbitrary text: it never fails, names only a real unit, leaves the unit
// alone for text it cannot read, and what it reads survives the 4-decimal mil text unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/ascii.h"
#include "pcb/coord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const TUnit incoming = data[0] & 1 ? eImperial : eMetric;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  TUnit unit = incoming;
  const TCoord c = ParseCoordWithUnit(text, unit);
  if (unit != eMetric && unit != eImperial) std::abort();

  std::string compact;
  for (char ch : text) {
    if (ch != ' ') compact += ch;
  }
  if ((compact.empty() || AsciiIsLetter(compact[0])) && (c != 0 || unit != incoming)) std::abort();

  SetFractionalDigits(eImperial, 4);
  const std::string shown = FormatCoordWithUnit(c, eImperial);
  SetFractionalDigits(eImperial, 3);
  TUnit again = eMetric;
  if (ParseCoordWithUnit(shown, again) != c || again != eImperial) std::abort();
  // Hole grouping compares these texts; they must agree with themselves.
  if (!SameCoordText(c, c, false) || FormatCoordForMatch(c, false) != FormatCoordForMatch(c, false)) std::abort();
  return 0;
}
