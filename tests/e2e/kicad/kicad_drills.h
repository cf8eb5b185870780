#pragma once
// The test's own count of a KiCad board's drills, straight from the file's text and independent
// of the host kit's reader: every "(pad …)" with its type and "(drill …)", every "(via …)".

#include <cstdint>
#include <map>
#include <string>

struct TDrillCount {
  int pads = 0;
  int vias = 0;
};

// Hole size in internal units (10000/0.0254 per mm, rounded) → pads and vias of that size. Surface
// pads and pads without a drill count at 0; an oval drill counts at its shorter side.
std::map<int32_t, TDrillCount> CountDrills(const std::string& text);

// The editor's label of a size in millimetres ("0.8000 mm").
std::string MetricLabel(int32_t size);

// The file's text ("" when it cannot be read).
std::string ReadWholeFile(const std::string& path);
