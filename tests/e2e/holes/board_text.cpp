#include "board_text.h"

#include <cmath>
#include <cstdlib>

int32_t MmUnits(double millimetres) {
  return static_cast<int32_t>(std::lround(millimetres * 10000.0 / 0.0254));
}

std::vector<TBoardHole> Pads(int n, int32_t size) { return std::vector<TBoardHole>(n, {false, size}); }
std::vector<TBoardHole> Vias(int n, int32_t size) { return std::vector<TBoardHole>(n, {true, size}); }

std::vector<TBoardHole> operator+(std::vector<TBoardHole> a, const std::vector<TBoardHole>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::string BoardText(bool metric, const std::vector<TBoardHole>& holes) {
  std::string out = "{\n  \"format\": \"dralith-board\",\n  \"version\": 1,\n";
  out += std::string("  \"board\": {\"unit\": ") + (metric ? "0" : "1") + ", \"layer\": 1},\n";
  out += "  \"layers\": [\n    {\"layer\": 1, \"nextLayer\": 32},\n    {\"layer\": 32, \"prevLayer\": 1}\n  ],\n";
  out += "  \"layerPairs\": [\n    {\"layerA\": 1, \"layerB\": 32}\n  ]";
  if (!holes.empty()) out += ",\n  \"primitives\": [\n";
  for (size_t i = 0; i < holes.size(); ++i) {
    const int handle = static_cast<int>(i) + 1;
    const std::string x = std::to_string(static_cast<int>(i % 8) * 1000000);
    const std::string y = std::to_string(static_cast<int>(i / 8) * 1000000);
    const std::string hole = std::to_string(holes[i].Size);
    const std::string land = std::to_string(static_cast<int64_t>(holes[i].Size) * 2);
    if (holes[i].Via) {
      out += "    {\"kind\": \"via\", \"handle\": " + std::to_string(handle) +
             ", \"layer\": 1, \"x\": " + x + ", \"y\": " + y + ", \"size\": " + land +
             ", \"holeSize\": " + hole + ", \"f13\": 32}";
    } else {
      out += "    {\"kind\": \"pad\", \"handle\": " + std::to_string(handle) +
             ", \"layer\": 74, \"x\": " + x + ", \"y\": " + y + ", \"holeSize\": " + hole +
             ", \"stack\": [[1, 1, " + land + ", " + land + ", 0, 0], [32, 1, " + land + ", " + land +
             ", 0, 0], [74, 1, " + land + ", " + land + ", 0, 0]]}";
    }
    out += i + 1 < holes.size() ? ",\n" : "\n  ]";
  }
  out += "\n}\n";
  return out;
}

namespace {

std::vector<std::string> PrimitiveLines(const std::string& board) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < board.size()) {
    size_t end = board.find('\n', start);
    if (end == std::string::npos) end = board.size();
    std::string line = board.substr(start, end - start);
    if (line.find("{\"kind\": ") != std::string::npos) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

long long NumberAfter(const std::string& line, const std::string& key) {
  size_t at = line.find("\"" + key + "\": ");
  if (at == std::string::npos) return -1;
  return std::atoll(line.c_str() + at + key.size() + 4);
}

}  // namespace

std::map<int, TSavedHole> SavedHoles(const std::string& board) {
  std::map<int, TSavedHole> out;
  for (const std::string& line : PrimitiveLines(board)) {
    size_t kind = line.find("\"kind\": \"") + 9;
    TSavedHole hole;
    hole.Kind = line.substr(kind, line.find('"', kind) - kind);
    hole.Size = static_cast<int32_t>(NumberAfter(line, "holeSize"));
    out[static_cast<int>(NumberAfter(line, "handle"))] = hole;
  }
  return out;
}

std::vector<std::string> LinesWithoutHoleSizes(const std::string& board) {
  std::vector<std::string> lines = PrimitiveLines(board);
  for (std::string& line : lines) {
    size_t at = line.find("\"holeSize\": ");
    if (at == std::string::npos) continue;
    size_t end = line.find_first_of(",}", at);
    line.replace(at, end - at, "\"holeSize\": _");
  }
  return lines;
}
