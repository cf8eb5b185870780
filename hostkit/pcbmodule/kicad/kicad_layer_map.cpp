#include "kicad_layer_map.h"

#include <charconv>

uint8_t HostLayerOfKicadLayer(std::string_view name) {
  static constexpr std::pair<std::string_view, uint8_t> named[] = {
      {"F.Cu", 1},       {"B.Cu", 32},      {"F.SilkS", 33},   {"B.SilkS", 34},   {"F.Paste", 35},
      {"B.Paste", 36},   {"F.Mask", 37},    {"B.Mask", 38},    {"Edge.Cuts", 57}, {"Margin", 58},
      {"F.Fab", 59},     {"B.Fab", 60},     {"F.CrtYd", 61},   {"B.CrtYd", 62},   {"Dwgs.User", 63},
      {"Cmts.User", 64}, {"Eco1.User", 65}, {"Eco2.User", 66}, {"F.Adhes", 67},   {"B.Adhes", 68},
      {"User.1", 69},    {"User.2", 70},    {"User.3", 71},    {"User.4", 72}};
  for (const auto& [kicad, host] : named) {
    if (name == kicad) return host;
  }
  // In1.Cu … In30.Cu: the mid layers 2 to 31.
  if (name.size() > 5 && name.substr(0, 2) == "In" && name.substr(name.size() - 3) == ".Cu") {
    const std::string_view digits = name.substr(2, name.size() - 5);
    int number = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (ec == std::errc() && end == digits.data() + digits.size() && digits[0] != '0' &&
        number >= 1 && number <= 30) {
      return static_cast<uint8_t>(1 + number);
    }
  }
  return 0;
}
