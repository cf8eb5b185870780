#include "kicad_drills.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "pcb/coord.h"

namespace {

// The end of the list that opens at `open`, skipping quoted strings (net names hold parentheses).
size_t ListEnd(const std::string& text, size_t open) {
  int depth = 0;
  bool quoted = false;
  for (size_t i = open; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '\\')
        ++i;
      else if (c == '"')
        quoted = false;
    } else if (c == '"') {
      quoted = true;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth == 0) {
      return i;
    }
  }
  return text.size();
}

int32_t Units(double mm) { return static_cast<int32_t>(std::llround(mm * 10000 / 0.0254)); }

// The numbers directly after "(drill" (and "oval"), up to the first parenthesis.
std::vector<double> DrillNumbers(const std::string& item) {
  const size_t at = item.find("(drill ");
  std::vector<double> out;
  if (at == std::string::npos) return out;
  std::istringstream words(item.substr(at + 7, item.find_first_of("()", at + 7) - at - 7));
  std::string word;
  while (words >> word) {
    if (word != "oval") out.push_back(std::strtod(word.c_str(), nullptr));
  }
  return out;
}

}  // namespace

std::map<int32_t, TDrillCount> CountDrills(const std::string& text) {
  std::map<int32_t, TDrillCount> counts;
  for (size_t at = text.find("(pad "); at != std::string::npos; at = text.find("(pad ", at + 1)) {
    const std::string pad = text.substr(at, ListEnd(text, at) - at);
    std::istringstream words(pad);
    std::string keyword, number, type;
    words >> keyword >> number >> type;
    const std::vector<double> drill = DrillNumbers(pad);
    int32_t size = 0;
    if ((type == "thru_hole" || type == "np_thru_hole") && !drill.empty()) {
      size = Units(drill.size() > 1 ? std::min(drill[0], drill[1]) : drill[0]);
    }
    ++counts[size].pads;
  }
  for (size_t at = text.find("(via "); at != std::string::npos; at = text.find("(via ", at + 1)) {
    const std::vector<double> drill = DrillNumbers(text.substr(at, ListEnd(text, at) - at));
    ++counts[drill.empty() ? 0 : Units(drill[0])].vias;
  }
  return counts;
}

std::string MetricLabel(int32_t size) {
  return FormatFixed(MillimetresFromCoord(size, 5), 4) + " mm";
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}
