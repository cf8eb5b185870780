#pragma once
// A board made up in memory for the hole lists: primitives with handles, kinds and hole sizes, and a
// record of every hole-size write. Deterministic generators make boards whose sizes cluster around
// the places where the size texts change, where grouping mistakes show.

#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>
#include <vector>

#include "holes/hole_board.h"

namespace holes_test {

struct TPrimitive {
  uint32_t handle;
  uint8_t kind;
  TCoord size;
};

struct TWrite {
  uint32_t handle;
  TCoord size;
  bool operator==(const TWrite&) const = default;
};

class TGeneratedBoard : public THoleBoard {
 public:
  TGeneratedBoard() = default;
  explicit TGeneratedBoard(std::vector<TPrimitive> primitives) : primitives(std::move(primitives)) {}

  void VisitPrimitives(uint8_t kind, const std::function<void(uint32_t)>& visit) override {
    for (const auto& p : primitives)
      if (p.kind == kind) visit(p.handle);
  }
  TCoord HoleSize(uint32_t handle, uint8_t) override {
    ++size_reads;
    // Generated handles are numbered from 1 in order; others are searched for.
    if (handle >= 1 && handle <= primitives.size() && primitives[handle - 1].handle == handle)
      return primitives[handle - 1].size;
    for (const auto& p : primitives)
      if (p.handle == handle) return p.size;
    return 0;
  }
  void WriteHoleSize(uint32_t handle, TCoord size) override {
    if (fail_at_write >= 0 && static_cast<int>(writes.size()) == fail_at_write)
      throw std::runtime_error("write failed");
    writes.push_back({handle, size});
  }
  bool StartProcess() override {
    if (!has_server) return false;
    if (fail_process_start) throw std::runtime_error("process start failed");
    ++process_starts;
    return true;
  }
  void EndProcess() override { ++process_ends; }

  // Pads and vias numbered from 1, kind chosen at random.
  void Add(uint8_t kind, TCoord size) {
    primitives.push_back({static_cast<uint32_t>(primitives.size() + 1), kind, size});
  }

  std::vector<TPrimitive> primitives;
  std::vector<TWrite> writes;
  int size_reads = 0;
  int fail_at_write = -1;  // index of the write that throws, -1 for none
  bool has_server = true;
  bool fail_process_start = false;
  int process_starts = 0;
  int process_ends = 0;
};

// count primitives over `sizes` distinct base sizes. With a jitter each primitive lies up to that many
// units off its base, so that neighbouring texts (39 units per metric text, 10 per imperial one) are
// met; without one the board has exactly `sizes` distinct hole sizes.
inline std::vector<TPrimitive> GeneratePrimitives(std::mt19937& random, int count, int sizes,
                                                  int jitter_units = 25) {
  std::uniform_int_distribution<int> base_pick(0, sizes - 1);
  std::uniform_int_distribution<int> jitter(-jitter_units, jitter_units);
  std::uniform_int_distribution<int> kind_pick(2, 3);
  std::vector<TCoord> bases;
  for (int i = 0; i < sizes; ++i) bases.push_back(80000 + 19685 * i);  // 0.5 mil steps near 0.05 mm
  std::vector<TPrimitive> result;
  result.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const TCoord size = bases[static_cast<size_t>(base_pick(random))] + jitter(random);
    result.push_back({static_cast<uint32_t>(i + 1), static_cast<uint8_t>(kind_pick(random)), size});
  }
  return result;
}

}  // namespace holes_test
