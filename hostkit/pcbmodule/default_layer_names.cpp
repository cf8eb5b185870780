#include "default_layer_names.h"

#include <array>
#include <string>

namespace {

std::array<std::string, 83> BuildNames() {
  std::array<std::string, 83> names;
  names[0] = "NoLayer";
  names[1] = "TopLayer";
  for (int i = 2; i <= 31; ++i) names[i] = "MidLayer" + std::to_string(i - 1);
  names[32] = "BottomLayer";
  const char* special1[] = {"TopOverlay",  "BottomOverlay", "TopPaste",
                            "BottomPaste", "TopSolder",     "BottomSolder"};
  for (int i = 0; i < 6; ++i) names[33 + i] = special1[i];
  for (int i = 39; i <= 54; ++i) names[i] = "InternalPlane" + std::to_string(i - 38);
  names[55] = "DrillGuide";
  names[56] = "KeepOutLayer";
  for (int i = 57; i <= 72; ++i) names[i] = "Mechanical" + std::to_string(i - 56);
  const char* special2[] = {"DrillDrawing",  "MultiLayer",     "ConnectLayer", "BackGroundLayer",
                            "DRCErrorLayer", "HighlightLayer", "GridColor1",   "GridColor10",
                            "PadHoleLayer",  "ViaHoleLayer"};
  for (int i = 0; i < 10; ++i) names[73 + i] = special2[i];
  return names;
}

}  // namespace

const char* DefaultLayerName(int legacy_layer) {
  static const std::array<std::string, 83> names = BuildNames();
  if (legacy_layer < 0 || legacy_layer > 82) return "";
  return names[legacy_layer].c_str();
}
