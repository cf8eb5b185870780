#include "holes/hole_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/string_list.h"
#include "holes/coord_object.h"
#include "tests/native/holes/generated_board.h"

namespace {

using holes_test::TGeneratedBoard;
using holes_test::TWrite;

constexpr uint8_t kPad = 2;
constexpr uint8_t kVia = 3;

// Items with their TCoordObjects, freed with the list as the editor frees them.
class TOwnedItems : public TStringList {
 public:
  ~TOwnedItems() override {
    for (int i = 0; i < Count(); ++i) delete GetObject(i);
  }
  TCoord Value(int i) const { return static_cast<TCoordObject*>(GetObject(i))->Value; }
};

TGeneratedBoard BoardOf(std::initializer_list<std::pair<uint8_t, TCoord>> primitives) {
  TGeneratedBoard board;
  for (auto [kind, size] : primitives) board.Add(kind, size);
  return board;
}

TEST(HoleList, BuildingReadsOnlyItsKindAndGroupsByMetricText) {
  TGeneratedBoard board = BoardOf({{kPad, 118110}, {kVia, 120000}, {kPad, 118126}, {kPad, 120000}});
  THoleList pads(board, kPad);
  EXPECT_FALSE(pads.Imperial);
  ASSERT_EQ(pads.Count(), 2);
  EXPECT_EQ(pads.Items(0).InitialSize, 118110);
  EXPECT_EQ(pads.Items(0).NewSize, 118110);
  EXPECT_EQ(pads.Items(0).Kind, kPad);
  EXPECT_EQ(pads.Items(0).Handles(), (std::vector<uint32_t>{1, 3}));
  EXPECT_EQ(pads.Items(1).Handles(), (std::vector<uint32_t>{4}));
  EXPECT_EQ(board.size_reads, 3);
}

TEST(HoleList, TheFirstSizeMetNamesTheGroup) {
  struct TCase {
    TCoord first, second;
    const char* metric_label;
    const char* imperial_label;
  };
  for (const TCase& c : {TCase{118110, 118126, "0.3000 mm", "11.811 mil"},
                        TCase{118126, 118110, "0.3000 mm", "11.813 mil"}}) {
    TGeneratedBoard board = BoardOf({{kPad, c.first}, {kPad, c.second}});
    THoleList pads(board, kPad);
    ASSERT_EQ(pads.Count(), 1) << c.first;
    EXPECT_EQ(pads.Items(0).InitialSize, c.first);
    EXPECT_EQ(pads.Items(0).Count(), 2);
    TOwnedItems metric, imperial;
    pads.AddLabels(metric, false);
    pads.AddLabels(imperial, true);
    EXPECT_EQ(metric.Text(), std::string(c.metric_label) + "\r\n");
    EXPECT_EQ(imperial.Text(), std::string(c.imperial_label) + "\r\n");
    EXPECT_EQ(metric.Value(0), c.first);
  }
}

TEST(HoleList, AnEmptyListDoesNothing) {
  TGeneratedBoard board = BoardOf({{kVia, 100000}});
  THoleList pads(board, kPad);
  EXPECT_EQ(pads.Count(), 0);
  EXPECT_EQ(pads.CountHoles(100000), 0);
  pads.ChangeSize(100000, 5);
  TOwnedItems items;
  pads.AddLabels(items, false);
  EXPECT_EQ(items.Count(), 0);
  pads.Apply();
  EXPECT_TRUE(board.writes.empty());
}

TEST(HoleList, SwitchingTheUnitNeitherSplitsNorMergesGroups) {
  // 118126 and 118110 share a metric text but not an imperial one; 120000 and 120004 share both.
  TGeneratedBoard board = BoardOf({{kPad, 118110}, {kPad, 118126}, {kPad, 120000}, {kPad, 120004}});
  THoleList pads(board, kPad);
  ASSERT_EQ(pads.Count(), 2);
  pads.Imperial = true;
  EXPECT_EQ(pads.Count(), 2);
  EXPECT_EQ(pads.CountHoles(118110), 2);  // the group's NewSize is 118110
  EXPECT_EQ(pads.CountHoles(118126), 0);
  EXPECT_EQ(pads.CountHoles(120003), 2);
}

TEST(HoleList, AddHoleAppendsToEveryMatchingGroup) {
  // Formed in metric, 0.3001 mm and 0.3002 mm are two groups; both read 11.817 mil.
  TGeneratedBoard board;
  THoleList list(board);
  list.AddHole(kPad, 118166, 1);
  list.AddHole(kPad, 118172, 2);
  ASSERT_EQ(list.Count(), 2);
  list.Imperial = true;
  list.AddHole(kPad, 118168, 3);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Items(0).Handles(), (std::vector<uint32_t>{1, 3}));
  EXPECT_EQ(list.Items(1).Handles(), (std::vector<uint32_t>{2, 3}));
  // A size with a new imperial text forms a group that metric look-ups find afterwards.
  list.AddHole(kPad, 200000, 4);
  list.Imperial = false;
  list.AddHole(kPad, 200001, 5);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Items(2).Handles(), (std::vector<uint32_t>{4, 5}));
}

TEST(HoleList, ChangeSizeMatchesTheCurrentNewSize) {
  TGeneratedBoard board = BoardOf({{kPad, 80000}, {kPad, 120000}, {kPad, 200000}});
  THoleList pads(board, kPad);
  pads.Imperial = true;
  pads.ChangeSize(123450, 1);  // matches nothing
  for (int i = 0; i < pads.Count(); ++i) EXPECT_EQ(pads.Items(i).NewSize, pads.Items(i).InitialSize);

  pads.ChangeSize(80000, 120000);
  EXPECT_EQ(pads.Items(0).NewSize, 120000);
  EXPECT_EQ(pads.Items(0).InitialSize, 80000);
  pads.ChangeSize(80000, 150000);  // the group now carries 120000: found no more
  EXPECT_EQ(pads.Items(0).NewSize, 120000);
  pads.ChangeSize(120004, 150000);  // both groups that now read 12.000 mil
  EXPECT_EQ(pads.Items(0).NewSize, 150000);
  EXPECT_EQ(pads.Items(1).NewSize, 150000);
  EXPECT_EQ(pads.Items(2).NewSize, 200000);
}

TEST(HoleList, CountHolesAddsUpEveryGroupOfTheSize) {
  TGeneratedBoard board;
  for (int i = 0; i < 3; ++i) board.Add(kPad, 80000);
  for (int i = 0; i < 5; ++i) board.Add(kPad, 120000);
  THoleList pads(board, kPad);
  EXPECT_EQ(pads.CountHoles(80000), 3);
  EXPECT_EQ(pads.CountHoles(120000), 5);
  pads.Imperial = true;
  pads.ChangeSize(80000, 120000);
  EXPECT_EQ(pads.CountHoles(120000), 8);
  EXPECT_EQ(pads.CountHoles(80000), 0);
  pads.Imperial = false;
  EXPECT_EQ(pads.CountHoles(120010), 8);  // 0.3048 mm either way
}

TEST(HoleList, LabelsAlreadyPresentAreSkipped) {
  TGeneratedBoard board = BoardOf({{kPad, 120000}, {kPad, 80000}, {kVia, 120002}, {kVia, 200000}});
  THoleList pads(board, kPad), vias(board, kVia);
  TOwnedItems items;
  pads.AddLabels(items, true);
  vias.AddLabels(items, true);
  ASSERT_EQ(items.Count(), 3);
  EXPECT_EQ(items.Get(0), "12.000 mil");
  EXPECT_EQ(items.Value(0), 120000);  // the pad group's size, not the via's 120002
  EXPECT_EQ(items.Get(1), "8.000 mil");
  EXPECT_EQ(items.Get(2), "20.000 mil");
  EXPECT_EQ(items.Value(2), 200000);
}

TEST(HoleList, LabelsFollowNewSizeInTheRequestedUnit) {
  TGeneratedBoard board = BoardOf({{kPad, 80000}, {kPad, 120000}});
  THoleList pads(board, kPad);
  pads.ChangeSize(80000, 120000);  // metric: merges the labels, groups stay apart
  TOwnedItems items;
  pads.AddLabels(items, false);
  ASSERT_EQ(items.Count(), 1);
  EXPECT_EQ(items.Get(0), "0.3048 mm");
  EXPECT_EQ(pads.Count(), 2);
}

TEST(HoleList, ApplyRewritesEveryPrimitiveInGroupOrderAndSkipsNullHandles) {
  TGeneratedBoard board;
  THoleList list(board);
  list.AddHole(kPad, 80000, 7);
  list.AddHole(kPad, 120000, 0);
  list.AddHole(kPad, 80000, 9);
  list.AddHole(kPad, 120000, 8);
  list.Imperial = true;
  list.ChangeSize(120000, 150000);
  list.Apply();
  EXPECT_EQ(board.writes, (std::vector<TWrite>{{7, 80000}, {9, 80000}, {8, 150000}}));
}

TEST(HoleList, AFailedWriteLeavesTheRestUnwritten) {
  TGeneratedBoard board = BoardOf({{kPad, 80000}, {kPad, 80000}, {kPad, 120000}});
  THoleList pads(board, kPad);
  board.fail_at_write = 1;
  EXPECT_THROW(pads.Apply(), std::runtime_error);
  EXPECT_EQ(board.writes, (std::vector<TWrite>{{1, 80000}}));
  // A second attempt writes everything again.
  board.writes.clear();
  board.fail_at_write = -1;
  pads.Apply();
  EXPECT_EQ(board.writes.size(), 3u);
}

TEST(HoleList, NewTextFollowsDirectAssignment) {
  THole group(kVia, 80000);
  EXPECT_EQ(group.NewText(true), "8mil");
  EXPECT_EQ(group.InitialText(false), "0.2032mm");
  group.NewSize = 120000;
  EXPECT_EQ(group.NewText(true), "12mil");
  EXPECT_EQ(group.InitialText(true), "8mil");
}

}  // namespace
