#pragma once
// Board files for the end-to-end cases, in the stand-in PCB editor's canonical form (so that a
// board saved without changes is byte for byte the file the case wrote), and the hole sizes read
// back from a saved board.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

constexpr int32_t kMil = 10000;  // internal units per mil
int32_t MmUnits(double millimetres);  // rounded to the nearest unit

struct TBoardHole {
  bool Via = false;
  int32_t Size = 0;
};

// A board of the given unit with one pad or via per entry, handles 1, 2, … in that order.
std::string BoardText(bool metric, const std::vector<TBoardHole>& holes);

// n pads (or vias) of one size.
std::vector<TBoardHole> Pads(int n, int32_t size);
std::vector<TBoardHole> Vias(int n, int32_t size);
std::vector<TBoardHole> operator+(std::vector<TBoardHole> a, const std::vector<TBoardHole>& b);

struct TSavedHole {
  std::string Kind;  // "pad" or "via"
  int32_t Size = 0;
  bool operator==(const TSavedHole&) const = default;
};

// handle → kind and hole size, for every primitive line of a saved board.
std::map<int, TSavedHole> SavedHoles(const std::string& board);

// The board's primitive lines with the hole size blanked out: equal for two boards that differ in
// hole sizes only.
std::vector<std::string> LinesWithoutHoleSizes(const std::string& board);
