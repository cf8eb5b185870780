#include "pcb/pcb_iteration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "pcb/pcb_api_wrappers.h"
#include "pcb_test_host.h"

namespace pcbtest {
namespace {

using IterationTest = PcbTest;

std::vector<uint32_t> collect(uint32_t board, TObjectId kind) {
  std::vector<uint32_t> handles;
  ForEachPrimitive(board, kind, [&](uint32_t h) { handles.push_back(h); });
  return handles;
}

TEST_F(IterationTest, AnEmptyIterationIsExactlyCreateFirstDestroy) {
  ASSERT_TRUE(open_board_text(board_text({pad_json(1, 1000)})));
  const uint32_t board = PcbApi_GetCurrentBoardHandle();
  host().trace.clear();
  EXPECT_TRUE(collect(board, eViaObject).empty());
  EXPECT_EQ(call_names(),
            (std::vector<std::string>{"PcbApi_CreateIterator", "PcbApi_GetFirstObject",
                                      "PcbApi_DestroyIterator"}));
  EXPECT_EQ(
      lines_starting("PcbApi_CreateIterator")[0].find("(" + std::to_string(board) + ", 3, 0, 0)"),
      std::string("PcbApi_CreateIterator").size());
}

TEST_F(IterationTest, EveryPrimitiveOfTheKindComesOnceAndNoOther) {
  ASSERT_TRUE(open_board_text(board_text(
      {pad_json(10, 1000), via_json(11, 500), pad_json(12, 1000), pad_json(13, 2000),
       via_json(14, 500),
       "{\"kind\": \"track\", \"handle\": 15, \"x\": 0, \"y\": 0, \"x2\": 100, \"y2\": 0}"})));
  const uint32_t board = PcbApi_GetCurrentBoardHandle();
  std::vector<uint32_t> pads = collect(board, ePadObject);
  std::sort(pads.begin(), pads.end());
  EXPECT_EQ(pads, (std::vector<uint32_t>{10, 12, 13}));
  std::vector<uint32_t> vias = collect(board, eViaObject);
  std::sort(vias.begin(), vias.end());
  EXPECT_EQ(vias, (std::vector<uint32_t>{11, 14}));
  EXPECT_EQ(PcbApi_GetObjectIdFromObjectHandle(15), eTrackObject);
  EXPECT_EQ(PcbApi_GetObjectIdFromObjectHandle(11), eViaObject);
  EXPECT_EQ(PcbApi_GetObjectIdFromObjectHandle(999), 0);
}

TEST_F(IterationTest, TheIteratorIsDestroyedWhenTheVisitorThrows) {
  ASSERT_TRUE(open_board_text(board_text({pad_json(1, 1000), pad_json(2, 1000)})));
  const uint32_t board = PcbApi_GetCurrentBoardHandle();
  host().trace.clear();
  EXPECT_THROW(ForEachPrimitive(board, ePadObject, [](uint32_t) { throw std::runtime_error("x"); }),
               std::runtime_error);
  EXPECT_EQ(lines_starting("PcbApi_DestroyIterator").size(), 1u);
  EXPECT_EQ(lines_starting("PcbApi_DestroyIterator")[0].find("= 0"),
            lines_starting("PcbApi_DestroyIterator")[0].size() - 3);
}

TEST_F(IterationTest, AMissingFirstObjectMakesEveryIterationEmpty) {
  ASSERT_TRUE(open_board_text(board_text({pad_json(1, 1000)})));
  ASSERT_TRUE(remove_export("PcbApi_GetFirstObject"));
  EXPECT_TRUE(collect(PcbApi_GetCurrentBoardHandle(), ePadObject).empty());
}

TEST_F(IterationTest, TheLegacyLayerFilterBecomesALayerId) {
  ASSERT_TRUE(open_board_text(board_text({pad_json(1, 1000)})));
  host().trace.clear();
  const uint32_t it = LegacyCreateIterator(PcbApi_GetCurrentBoardHandle(), ePadObject, 0, 43);
  PcbApi_DestroyIterator(it);
  ASSERT_EQ(lines_starting("PcbApi_CreateIterator").size(), 1u);
  EXPECT_NE(lines_starting("PcbApi_CreateIterator")[0].find(", 2, 0, 43)"), std::string::npos);
}

TEST(ObjectIdTable, KindsWithoutALegacyClassHaveNone) {
  EXPECT_STREQ(LegacyClassName(ePadObject), "TPcbPad");
  EXPECT_STREQ(LegacyClassName(eRegionObject), "TPCBRegion");
  EXPECT_STREQ(LegacyClassName(eBoardOutlineObject), "TPcbBoardOutline");
  for (TObjectId kind : {0, 23, 24, 25, 27, 255})
    EXPECT_EQ(LegacyClassName(kind), nullptr) << int(kind);
}

}  // namespace
}  // namespace pcbtest
