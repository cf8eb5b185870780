#include "kicad_board.h"

#include <string_view>

bool TKicadPad::OnLayer(const std::string& layer) const {
  const size_t dot = layer.find('.');
  const std::string_view suffix =
      dot == std::string::npos ? std::string_view() : std::string_view(layer).substr(dot);
  std::string_view rest = layers;
  while (!rest.empty()) {
    const size_t end = rest.find(' ');
    const std::string_view name = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (name == layer) return true;
    if (!suffix.empty() && name.size() == suffix.size() + 1 && name[0] == '*' &&
        name.substr(1) == suffix) {
      return true;
    }
    // "F&B.Cu" covers the two outer copper layers.
    if (name == "F&B.Cu" && (layer == "F.Cu" || layer == "B.Cu")) return true;
  }
  return false;
}
