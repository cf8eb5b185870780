// The layout parser on arbitrary text: it either gives a tree or refuses with a layout error that
// names a line of the text; it never faults, and every line it records lies inside the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "forms/errors.h"
#include "forms/layout/layout_parser.h"

namespace {

int g_lines = 0;

void CheckValue(const TLayoutValue& value) {
  if (value.Line < 1 || value.Line > g_lines) std::abort();
  for (const TLayoutValue& item : value.List) CheckValue(item);
}

void CheckNode(const TLayoutNode& node, int depth) {
  if (node.Line < 1 || node.Line > g_lines || depth > 10000) std::abort();
  if (node.Name.empty() && node.ClassName.empty()) std::abort();
  for (const TLayoutProperty& property : node.Properties) {
    if (property.Name.empty() || property.Line < node.Line) std::abort();
    CheckValue(property.Value);
  }
  for (const TLayoutNode& child : node.Children) CheckNode(child, depth + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  g_lines = 1;
  for (char c : text) g_lines += c == '\n';
  try {
    CheckNode(ParseLayout(text, "FUZZ"), 0);
  } catch (const ELayoutError& e) {
    if (e.Line() < 0 || e.Line() > g_lines) std::abort();
  }
  return 0;
}
