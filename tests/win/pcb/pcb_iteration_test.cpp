#include "pcb/pcb_iteration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "pcb/pcb_api_wrappers.h"
#include "tests/win/support/pcb_test_host.h"

namespace pcbtest {
namespace {

using TIterationTest = PcbTest;

std::vector<uint32_t> Collect(uint32_t board, TObjectId kind) {
  std::vector<uint32_t> handles;
  ForEachPrimitive(board, kind, [&](uint32_t h) { handles.push_back(h); });
  return handles;
}

TEST_F(TIterationTest, AnEmptyIterationIsExactlyCreateFirstDestroy) {
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(1, 1000)})));
  const uint32_t board = PcbApi_GetCurrentBoardHandle();
  Host().trace.clear();
  EXPECT_TRUE(Collect(board, eViaObject).empty());
  EXPECT_EQ(CallNames(),
            (std::vector<std::string>{"PcbApi_CreateIterator", "PcbApi_GetFirstObject",
                                      "PcbApi_DestroyIterator"}));
  EXPECT_EQ(
      LinesStarting("PcbApi_CreateIterator")[0].find("(" + std::to_string(board) + ", 3, 0, 0)"),
      std::string("PcbApi_CreateIterator").size());
}

TEST_F(TIterationTest, EveryPrimitiveOfTheKindComesOnceAndNoOther) {
  ASSERT_TRUE(OpenBoardText(BoardText(
      {PadJson(10, 1000), ViaJson(11, 500), PadJson(12, 1000), PadJson(13, 2000),
       ViaJson(14, 500),
       "{\"kind\": \"track\", \"handle\": 15, \"x\": 0, \"y\": 0, \"x2\": 100, \"y2\": 0}"})));
  const uint32_t board = PcbApi_GetCurrentBoardHandle();
  std::vector<uint32_t> pads = Collect(board, ePadObject);
  std::sort(pads.begin(), pads.end());
  EXPECT_EQ(pads, (std::vector<uint32_t>{10, 12, 13}));
  std::vector<uint32_t> vias = Collect(board, eViaObject);
  std::sort(vias.begin(), vias.end());
  EXPECT_EQ(vias, (std::vector<uint32_t>{11, 14}));
  EXPECT_EQ(PcbApi_GetObjectIdFromObjectHandle(15), eTrackObject);
  EXPECT_EQ(PcbApi_GetObjectIdFromObjectHandle(11), eViaObject);
  EXPECT_EQ(PcbApi_GetObjectIdFromObjectHandle(999), 0);
}

TEST_F(TIterationTest, TheIteratorIsDestroyedWhenTheVisitorThrows) {
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(1, 1000), PadJson(2, 1000)})));
  const uint32_t board = PcbApi_GetCurrentBoardHandle();
  Host().trace.clear();
  EXPECT_THROW(ForEachPrimitive(board, ePadObject, [](uint32_t) { throw std::runtime_error("x"); }),
               std::runtime_error);
  EXPECT_EQ(LinesStarting("PcbApi_DestroyIterator").size(), 1u);
  EXPECT_EQ(LinesStarting("PcbApi_DestroyIterator")[0].find("= 0"),
            LinesStarting("PcbApi_DestroyIterator")[0].size() - 3);
}

TEST_F(TIterationTest, AMissingFirstObjectMakesEveryIterationEmpty) {
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(1, 1000)})));
  ASSERT_TRUE(RemoveExport("PcbApi_GetFirstObject"));
  EXPECT_TRUE(Collect(PcbApi_GetCurrentBoardHandle(), ePadObject).empty());
}

TEST_F(TIterationTest, TheLegacyLayerFilterBecomesALayerId) {
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(1, 1000)})));
  Host().trace.clear();
  const uint32_t it = LegacyCreateIterator(PcbApi_GetCurrentBoardHandle(), ePadObject, 0, 43);
  PcbApi_DestroyIterator(it);
  ASSERT_EQ(LinesStarting("PcbApi_CreateIterator").size(), 1u);
  EXPECT_NE(LinesStarting("PcbApi_CreateIterator")[0].find(", 2, 0, 43)"), std::string::npos);
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
