// Hole sizes a board should not have but may: negative, at the ends of the 32-bit range, beyond the
// edit box's bound, thousands of distinct ones and near ones that share a label. Labels must read
// right, an OK without edits must give every primitive back its own size, and an edit must never
// cut a size the user did not type.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "base/string_list.h"
#include "holes/coord_object.h"
#include "holes/hole_labels.h"
#include "holes/hole_list.h"
#include "holes/new_hole_size.h"
#include "tests/native/holes/generated_board.h"

namespace {

using holes_test::TGeneratedBoard;
using holes_test::TWrite;

constexpr uint8_t kPad = 2;
constexpr TCoord kBoxBound = 999990000;  // what the edit box takes: ±99999 mil

struct TLabelCase {
  TCoord size;
  const char* imperial;
  const char* metric;
};

TEST(HostileSizes, LabelsOfExtremeAndNegativeSizesHaveTheirSignAndNoNegativeZero) {
  const TLabelCase cases[] = {
      {kMinCoord, "-214748.365 mil", "-5454.6085 mm"},
      {kMinCoord + 1, "-214748.365 mil", "-5454.6085 mm"},
      {kMaxCoord, "214748.365 mil", "5454.6085 mm"},
      {kMaxCoord - 5000, "214747.865 mil", "5454.5958 mm"},
      {kBoxBound, "99999.000 mil", "2539.9746 mm"},
      {-kBoxBound, "-99999.000 mil", "-2539.9746 mm"},
      {-1, "0.000 mil", "0.0000 mm"},
      {-5, "0.000 mil", "0.0000 mm"},
      {-6, "-0.001 mil", "0.0000 mm"},
      {-20, "-0.002 mil", "-0.0001 mm"},
      {-50000, "-5.000 mil", "-0.1270 mm"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatHoleLabel(c.size, true), c.imperial) << c.size;
    EXPECT_EQ(FormatHoleLabel(c.size, false), c.metric) << c.size;
  }
}

TEST(HostileSizes, ANegativeSizeThatShowsAsZeroGroupsWithZero) {
  TGeneratedBoard board({{1, kPad, 0}, {2, kPad, -1}, {3, kPad, -9}});
  THoleList pads(board, kPad);
  ASSERT_EQ(pads.Count(), 1);
  EXPECT_EQ(pads.CountHoles(0), 3);
  TStringList items;
  pads.AddLabels(items, false);
  ASSERT_EQ(items.Count(), 1);
  EXPECT_EQ(items.Get(0), "0.0000 mm");
  delete items.GetObject(0);
  // Grouped, yet each keeps its own size when nothing was edited.
  pads.Apply();
  EXPECT_EQ(board.writes, (std::vector<TWrite>{{1, 0}, {2, -1}, {3, -9}}));
}

// Near sizes share a label (39 units per metric text); an OK without edits must not round the later
// ones to the first.
TEST(HostileSizes, AnUneditedGroupWritesEveryPrimitiveBackWithItsOwnSize) {
  TGeneratedBoard board({{1, kPad, 118110}, {2, kPad, 118126}, {3, kPad, 118110}, {4, kPad, 118100}});
  THoleList pads(board, kPad);
  ASSERT_EQ(pads.Count(), 1);
  pads.Apply();
  EXPECT_EQ(board.writes, (std::vector<TWrite>{{1, 118110}, {2, 118126}, {3, 118110}, {4, 118100}}));

  // Once the group is edited every primitive gets the new size, the near ones included.
  board.writes.clear();
  pads.Imperial = true;
  pads.ChangeSize(118110, 120000);
  pads.Apply();
  EXPECT_EQ(board.writes, (std::vector<TWrite>{{1, 120000}, {2, 120000}, {3, 120000}, {4, 120000}}));

  // Edited back to the size it was formed with, the group is unchanged again.
  board.writes.clear();
  pads.ChangeSize(120000, 118110);
  pads.Apply();
  EXPECT_EQ(board.writes, (std::vector<TWrite>{{1, 118110}, {2, 118126}, {3, 118110}, {4, 118100}}));
}

// Every primitive its own size, spread over the whole 32-bit range and far enough apart that no two
// share a metric text: one group and one label each, labels in numeric order (negatives, whose key
// is 0, first), and an OK without edits gives every primitive back exactly its size.
TEST(HostileSizes, EveryPrimitiveADistinctSizeOverTheWholeRange) {
  std::mt19937 random(18u);
  std::uniform_int_distribution<int64_t> slot(INT32_MIN / 100, INT32_MAX / 100);
  std::set<int64_t> slots = {INT32_MIN / 100, INT32_MAX / 100, 0, -1, 1};
  while (slots.size() < 3000) slots.insert(slot(random));
  std::vector<holes_test::TPrimitive> primitives;
  for (int64_t s : slots) {
    const auto size = static_cast<TCoord>(s * 100 + (s < 0 ? -(s & 7) : (s & 7)));
    primitives.push_back({static_cast<uint32_t>(primitives.size() + 1), kPad, size});
  }
  std::shuffle(primitives.begin(), primitives.end(), random);
  for (size_t i = 0; i < primitives.size(); ++i) primitives[i].handle = static_cast<uint32_t>(i + 1);
  TGeneratedBoard board(primitives);
  THoleList pads(board, kPad);
  ASSERT_EQ(pads.Count(), static_cast<int>(primitives.size()));

  for (bool imperial : {false, true}) {
    pads.Imperial = imperial;
    TStringList items;
    pads.AddLabels(items, imperial);
    SortHoleLabels(items);
    ASSERT_EQ(items.Count(), pads.Count()) << imperial;
    double previous_key = -1;
    bool in_positives = false;
    for (int i = 0; i < items.Count(); ++i) {
      const std::string label = items.Get(i);
      const TCoord value = static_cast<TCoordObject*>(items.GetObject(i))->Value;
      EXPECT_EQ(label, FormatHoleLabel(value, imperial));
      EXPECT_EQ(label.find("-0.000 "), std::string::npos) << label;
      EXPECT_EQ(pads.CountHoles(value), 1) << label;
      const double key = HoleLabelKey(label);
      EXPECT_GE(key, previous_key) << label;
      previous_key = key;
      if (key > 0) in_positives = true;
      if (in_positives) {
        EXPECT_NE(label.front(), '-') << "a negative size after the positive ones: " << label;
      }
    }
    for (int i = 0; i < items.Count(); ++i) delete items.GetObject(i);
  }

  pads.Apply();
  ASSERT_EQ(board.writes.size(), primitives.size());
  for (const TWrite& w : board.writes) EXPECT_EQ(w.size, board.primitives[w.handle - 1].size);
}

TEST(HostileSizes, ReadingTheNewSize) {
  struct TCase {
    const char* text;
    const char* label;
    TUnit unit;
    TCoord box_value;
    TNewHoleSizeVerdict verdict;
    TCoord size;
  };
  const TCase cases[] = {
      // Typed text: what the box reads, bounded to its range.
      {"12mil", "8.000 mil", eImperial, 120000, eSizeGiven, 120000},
      {"300000mil", "8.000 mil", eImperial, kBoxBound, eSizeGiven, kBoxBound},
      {"0", "", eMetric, 0, eSizeGiven, 0},
      // Nothing that names a size.
      {"", "", eImperial, 0, eNoSizeGiven, 0},
      {"   ", "", eImperial, 0, eNoSizeGiven, 0},
      {"mil", "", eImperial, 0, eNoSizeGiven, 0},
      {"-.mm", "", eMetric, 0, eNoSizeGiven, 0},
      // A negative size is refused, typed or left as the label was.
      {"-5mil", "8.000 mil", eImperial, -50000, eNegativeSize, 0},
      {"-5.000 mil", "-5.000 mil", eImperial, -50000, eNegativeSize, 0},
      {"-0.001", "", eImperial, -10, eNegativeSize, 0},
      // A label left as it was: its own value, not the box's bound.
      {"214748.365 mil", "214748.365 mil", eImperial, kBoxBound, eSizeGiven, kMaxCoord},
      {"5454.6085 mm", "5454.6085 mm", eMetric, kBoxBound, eSizeGiven, kMaxCoord},
      {"150000.000 mil", "150000.000 mil", eImperial, kBoxBound, eSizeGiven, 1500000000},
      {"0.3000 mm", "0.3000 mm", eMetric, 118110, eSizeGiven, 118110},
      // The same label typed over with another text is the box's reading again.
      {"150000.000mil", "150000.000 mil", eImperial, kBoxBound, eSizeGiven, kBoxBound},
  };
  for (const auto& c : cases) {
    const TNewHoleSize given = ReadNewHoleSize(c.text, c.label, c.unit, c.box_value);
    EXPECT_EQ(given.Verdict, c.verdict) << c.text;
    if (c.verdict == eSizeGiven) {
      EXPECT_EQ(given.Size, c.size) << c.text;
    }
  }
}

// OK on an untouched label names a size with that very label, wherever the size lies.
TEST(HostileSizes, AnUntouchedLabelReadsBackToASizeWithTheSameLabel) {
  std::mt19937 random(1918u);
  std::uniform_int_distribution<TCoord> any(0, INT32_MAX);
  std::vector<TCoord> sizes = {0, 1, 5, kBoxBound, kBoxBound + 1, kMaxCoord - 1, kMaxCoord};
  for (int i = 0; i < 20000; ++i) sizes.push_back(any(random));
  for (TCoord size : sizes) {
    for (bool imperial : {false, true}) {
      const std::string label = FormatHoleLabel(size, imperial);
      const TNewHoleSize given = ReadNewHoleSize(label, label, imperial ? eImperial : eMetric, kBoxBound);
      ASSERT_EQ(given.Verdict, eSizeGiven) << label;
      EXPECT_EQ(FormatHoleLabel(given.Size, imperial), label) << size;
    }
  }
}

}  // namespace
