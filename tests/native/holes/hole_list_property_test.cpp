// THoleList finds groups through its text index; the literal algorithms compare against every group.
// On generated boards and random sequences of edits in both units the two must agree on every group,
// count and label.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "holes/coord_object.h"
#include "holes/hole_list.h"
#include "tests/native/holes/generated_board.h"
#include "tests/native/holes/literal_hole_list.h"

namespace {

using holes_test::TGeneratedBoard;
using holes_test::TLiteralHoleList;

// Sizes drawn mostly right next to a place where a metric or an imperial text changes.
class TSizeSource {
 public:
  explicit TSizeSource(uint32_t seed) : random_(seed) {}

  TCoord Next() {
    switch (Pick(0, 5)) {
      case 0: {  // a metric boundary: half a ten-thousandth of a millimetre
        const int step = Pick(1500, 3500);
        return CoordFromMillimetres(step * 0.0001 + 0.00005) + Pick(-3, 3);
      }
      case 1:  // the pre-rounding boundary of the metric text at 5 decimals
        return CoordFromMillimetres(Pick(15000, 35000) * 0.00001 + 0.000005) + Pick(-2, 2);
      case 2:  // an imperial boundary: half a thousandth of a mil
        return Pick(5000, 30000) * 10 + 5 + Pick(-2, 2);
      case 3:  // a few common sizes met many times
        return kCommon[static_cast<size_t>(Pick(0, 5))] + Pick(-20, 20);
      case 4:
        return Pick(-100, 100);
      default:
        return Pick(-2000000000, 2000000000);
    }
  }
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

 private:
  static constexpr TCoord kCommon[] = {80000, 118110, 118126, 120000, 157480, 393701};
  std::mt19937 random_;
};

// Both lists' items, each with the value of its object.
std::vector<std::pair<std::string, TCoord>> LabelsOf(const THoleList& list, bool imperial) {
  TStringList items;
  list.AddLabels(items, imperial);
  std::vector<std::pair<std::string, TCoord>> result;
  for (int i = 0; i < items.Count(); ++i) {
    auto* object = static_cast<TCoordObject*>(items.GetObject(i));
    result.push_back({items.Get(i), object->Value});
    delete object;
  }
  return result;
}

void ExpectSame(const THoleList& ours, const TLiteralHoleList& literal, const std::string& where) {
  ASSERT_EQ(ours.Count(), static_cast<int>(literal.groups.size())) << where;
  for (int i = 0; i < ours.Count(); ++i) {
    const THole& group = ours.Items(i);
    const auto& expected = literal.groups[static_cast<size_t>(i)];
    ASSERT_EQ(group.InitialSize, expected.initial) << where << " group " << i;
    ASSERT_EQ(group.NewSize, expected.new_size) << where << " group " << i;
    ASSERT_EQ(group.Kind, expected.kind) << where << " group " << i;
    ASSERT_EQ(group.Handles(), expected.handles) << where << " group " << i;
  }
  for (bool imperial : {false, true}) {
    std::vector<std::pair<std::string, TCoord>> expected;
    literal.AddLabels(expected, imperial);
    ASSERT_EQ(LabelsOf(ours, imperial), expected) << where << (imperial ? " imperial" : " metric");
  }
}

TEST(HoleListProperty, BuildingAndEditingMatchTheLiteralAlgorithms) {
  for (uint32_t seed = 1; seed <= 60; ++seed) {
    TSizeSource sizes(seed);
    TGeneratedBoard board;
    const int count = sizes.Pick(0, 400);
    for (int i = 0; i < count; ++i) board.Add(static_cast<uint8_t>(sizes.Pick(2, 3)), sizes.Next());

    for (uint8_t kind : {uint8_t{2}, uint8_t{3}}) {
      THoleList ours(board, kind);
      TLiteralHoleList literal;
      for (const auto& p : board.primitives)
        if (p.kind == kind) literal.AddHole(kind, p.size, p.handle);
      const std::string where = "seed " + std::to_string(seed) + " kind " + std::to_string(kind);
      ExpectSame(ours, literal, where + " built");

      uint32_t next_handle = 100000;
      for (int step = 0; step < 120; ++step) {
        const std::string at = where + " step " + std::to_string(step);
        switch (sizes.Pick(0, 4)) {
          case 0:
            ours.Imperial = literal.imperial = sizes.Pick(0, 1) == 1;
            break;
          case 1: {  // later additions, in whichever unit is in force
            const TCoord size = sizes.Next();
            ours.AddHole(kind, size, next_handle);
            literal.AddHole(kind, size, next_handle);
            ++next_handle;
            break;
          }
          case 2: {  // an edit of a size that is present, or near one, or anywhere
            TCoord old_size = sizes.Next();
            if (!literal.groups.empty() && sizes.Pick(0, 2) > 0)
              old_size = literal.groups[static_cast<size_t>(sizes.Pick(0, static_cast<int>(literal.groups.size()) - 1))]
                             .new_size + sizes.Pick(-6, 6);
            const TCoord new_size = sizes.Pick(0, 3) == 0 && !literal.groups.empty()
                                        ? literal.groups.front().new_size
                                        : sizes.Next();
            ours.ChangeSize(old_size, new_size);
            literal.ChangeSize(old_size, new_size);
            break;
          }
          default: {
            TCoord size = sizes.Next();
            if (!literal.groups.empty() && sizes.Pick(0, 1) == 0)
              size = literal.groups[static_cast<size_t>(sizes.Pick(0, static_cast<int>(literal.groups.size()) - 1))]
                         .new_size + sizes.Pick(-6, 6);
            ASSERT_EQ(ours.CountHoles(size), literal.CountHoles(size)) << at << " size " << size;
          }
        }
        if (step % 20 == 19) ExpectSame(ours, literal, at);
      }
      ExpectSame(ours, literal, where + " end");
    }
  }
}

TEST(HoleListProperty, ClusteredBoardsGroupLikeTheLiteralAlgorithms) {
  std::mt19937 random(11);
  for (int sizes : {1, 5, 50}) {
    TGeneratedBoard board(holes_test::GeneratePrimitives(random, 5000, sizes));
    THoleList ours(board, 2);
    TLiteralHoleList literal;
    for (const auto& p : board.primitives)
      if (p.kind == 2) literal.AddHole(2, p.size, p.handle);
    ExpectSame(ours, literal, "sizes " + std::to_string(sizes));
  }
}

}  // namespace
