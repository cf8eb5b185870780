#include "pcb/pad_via_records.h"

#include <gtest/gtest.h>

#include <string>

#include "base/exceptions.h"
#include "pcb/pcb_api_wrappers.h"
#include "pcb/pcb_object.h"
#include "tests/win/support/pcb_test_host.h"

namespace pcbtest {
namespace {

using TRecordTest = PcbTest;

// The layer id a pad holds, read without any mapping.
uint32_t RawPadLayer(uint32_t handle) {
  TPcbPad pad(handle);
  pad.Query(1);
  return pad.Layer;
}

TEST_F(TRecordTest, HoleSizeOfHandleZeroMakesNoHostCall) {
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(1, 1000)})));
  const uint32_t before = CallCount();
  EXPECT_EQ(GetObjectHoleSize(0), 0);
  EXPECT_EQ(CallCount(), before);
}

TEST_F(TRecordTest, HoleSizesComeFromTheRecordOfEachKind) {
  ASSERT_TRUE(
      OpenBoardText(BoardText({PadJson(1, 314961), ViaJson(2, 118110),
                                  "{\"kind\": \"track\", \"handle\": 3, \"x\": 0, \"y\": 0}"})));
  EXPECT_EQ(GetObjectHoleSize(1), 314961);
  EXPECT_EQ(GetObjectHoleSize(2), 118110);
  EXPECT_EQ(GetObjectHoleSize(3), 0);
  EXPECT_EQ(GetObjectHoleSize(77), 0);
  // The full legacy objects agree with the direct read.
  for (uint32_t h : {1u, 2u}) {
    auto object = CreatePcbObject(h);
    ASSERT_TRUE(object);
    EXPECT_EQ(object->GetHoleSize(), GetObjectHoleSize(h));
  }
  EXPECT_EQ(CreatePcbObject(3)->GetHoleSize(), 0);  // a track: a class of its own, no hole
  EXPECT_EQ(CreatePcbObject(77), nullptr);          // kind 0: no class
}

TEST_F(TRecordTest, ReadingAHoleSizeKnowingTheKindIsOneHostCall) {
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(1, 1000), ViaJson(2, 500)})));
  const uint32_t before = CallCount();
  EXPECT_EQ(ReadHoleSize(1, ePadObject), 1000);
  EXPECT_EQ(ReadHoleSize(2, eViaObject), 500);
  EXPECT_EQ(CallCount(), before + 2);
}

TEST_F(TRecordTest, AFullLegacyPadReadMakesItsPadStackQueries) {
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(1, 1000)})));
  Host().trace.clear();
  auto pad = CreatePcbObject(1);
  ASSERT_TRUE(pad);
  // kind, two bit fields, the record, the stack mode, and four queries for each of 83 layers
  EXPECT_EQ(CallNames().size(), 1u + 2 + 1 + 1 + 83 * 4);
}

TEST_F(TRecordTest, AFailedPadReadGivesHoleSizeZeroAndNoStackQueries) {
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(1, 1000)})));
  FailCall("PcbApi_QueryPad", 5);
  Host().trace.clear();
  auto pad = CreatePcbObject(1);
  ASSERT_TRUE(pad);
  EXPECT_EQ(pad->GetHoleSize(), 0);
  EXPECT_TRUE(LinesStarting("PcbApi_QueryPadStackMode").empty());
  EXPECT_TRUE(LinesStarting("PcbApi_QueryPadOrViaShapeOnLayer").empty());
  EXPECT_EQ(GetObjectHoleSize(1), 0);
}

TEST_F(TRecordTest, AFailedReadCausesNoWrite) {
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(1, 1000), ViaJson(2, 500)})));
  const std::string before = SavedBoard();
  FailCall("PcbApi_QueryPad", 5);
  FailCall("PcbApi_QueryVia", 5);
  Host().trace.clear();
  EXPECT_FALSE(RewriteHoleSize(1, ePadObject, 9999));
  EXPECT_FALSE(RewriteHoleSize(2, eViaObject, 9999));
  EXPECT_EQ(LinesStarting("PcbApi_QueryPad(0").size(), 0u);
  EXPECT_EQ(LinesStarting("PcbApi_QueryVia(0").size(), 0u);
  Host().faults.clear();
  EXPECT_EQ(SavedBoard(), before);
}

// A write the host refuses (status 3: the stand-in had no memory for it) is not taken for done,
// and leaves the board as it was.
TEST_F(TRecordTest, ARefusedWriteIsNotReportedAsWritten) {
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(1, 1000), ViaJson(2, 500)})));
  const std::string before = SavedBoard();
  FailCall("PcbApi_QueryPad", 3, 2);  // the read passes, the write is refused
  FailCall("PcbApi_QueryVia", 3, 2);
  EXPECT_FALSE(RewriteHoleSize(1, ePadObject, 9999));
  EXPECT_FALSE(RewriteHoleSize(2, eViaObject, 9999));
  Host().faults.clear();
  EXPECT_EQ(SavedBoard(), before);
}

// A size of 0 is a size: a read that failed, or a module without the record's export (whose default
// reads as a success), must be told apart from it.
TEST_F(TRecordTest, TryReadTellsARecordThatWasNotReadFromAHoleOfZero) {
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(1, 0), ViaJson(2, 500)})));
  TCoord size = -1;
  EXPECT_TRUE(TryReadHoleSize(1, ePadObject, size));
  EXPECT_EQ(size, 0);
  EXPECT_TRUE(TryReadHoleSize(2, eViaObject, size));
  EXPECT_EQ(size, 500);
  EXPECT_FALSE(TryReadHoleSize(2, ePadObject, size));
  EXPECT_FALSE(TryReadHoleSize(2, static_cast<TObjectId>(0), size));
  FailCall("PcbApi_QueryVia", 5);
  EXPECT_FALSE(TryReadHoleSize(2, eViaObject, size));
  Host().faults.clear();
  ASSERT_TRUE(RemoveExport("PcbApi_QueryPad"));
  ResetPcbApiBinding();
  EXPECT_FALSE(TryReadHoleSize(1, ePadObject, size));
}

TEST_F(TRecordTest, RewritingAHoleSizeChangesThatFieldOnly) {
  const std::string rich_pad = PadJson(
      1, 1000,
      ", \"flags\": 513, \"value16\": 7, \"value32a\": 4000000000, \"value8\": 9, \"f11\": -5, "
      "\"f21\": \"abcdefghijklmnopqrst\", \"rotation\": 22.5, \"f32\": -9000000000, \"f37\": 255, "
      "\"stackMode\": 2, \"flags2\": 3, \"flags3\": 4, \"stack\": [[1, 2, 500, 400, 10, 20]]");
  const std::string rich_via = ViaJson(2, 500, ", \"flags\": 65535, \"f16\": 200");
  ASSERT_TRUE(OpenBoardText(BoardText({rich_pad, rich_via})));
  const std::string before = SavedBoard();
  Host().trace.clear();
  EXPECT_TRUE(RewriteHoleSize(1, ePadObject, 2000));
  EXPECT_TRUE(RewriteHoleSize(2, eViaObject, 700));
  ASSERT_EQ(LinesStarting("PcbApi_QueryPad(0, 1) = 0").size(), 1u);
  EXPECT_EQ(LinesStarting("PcbApi_QueryPad(0, 1) = 0")[0], "PcbApi_QueryPad(0, 1) = 0 [holeSize]");
  EXPECT_EQ(LinesStarting("PcbApi_QueryVia(0, 2) = 0")[0], "PcbApi_QueryVia(0, 2) = 0 [holeSize]");
  std::string expected = before;
  expected.replace(expected.find("\"holeSize\": 1000"), 16, "\"holeSize\": 2000");
  expected.replace(expected.find("\"holeSize\": 500"), 15, "\"holeSize\": 700");
  EXPECT_EQ(SavedBoard(), expected);
}

struct TLayerCase {
  uint32_t stored;
  uint32_t written_back;
};

TEST_F(TRecordTest, APadLayerMakesTheRoundTripThroughItsLegacyNumber) {
  const TLayerCase cases[] = {
      {74, 74},          // multi-layer, legacy-encoded
      {1, 1},            // top
      {32, 32},          // bottom
      {43, 43},          // internal plane 5
      {0x01010028, 31},  // signal layer 40 of the kind encoding collapses onto 31
      {0x01040014, 54},  // internal plane 20 onto plane 16
  };
  for (const TLayerCase& c : cases) {
    SCOPED_TRACE(c.stored);
    ASSERT_TRUE(OpenBoardText(
        BoardText({"{\"kind\": \"pad\", \"handle\": 1, \"layer\": " + std::to_string(c.stored) +
                    ", \"x\": 0, \"y\": 0, \"holeSize\": 1000}"})));
    EXPECT_TRUE(RewriteHoleSize(1, ePadObject, 1000));
    EXPECT_EQ(RawPadLayer(1), c.written_back);
  }
}

TEST_F(TRecordTest, AMissingPadExportStillMapsTheLayer) {
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(1, 1000)})));
  ASSERT_TRUE(RemoveExport("PcbApi_QueryPad"));
  TPcbPad pad(1);
  pad.Layer = 74;
  EXPECT_EQ(pad.LegacyQueryRecord(1), 0);
  EXPECT_EQ(pad.Layer, 74u);
  pad.Layer = 200;  // no legacy layer: maps to id 0 and back to 0
  EXPECT_EQ(pad.LegacyQueryRecord(1), 0);
  EXPECT_EQ(pad.Layer, 0u);
}

TEST_F(TRecordTest, AViaReadConvertsItsLayerBothWays) {
  ASSERT_TRUE(OpenBoardText(BoardText({ViaJson(2, 500, ", \"f13\": 32")})));
  TPcbVia via(2);
  ASSERT_EQ(via.Query(1), 0);
  EXPECT_EQ(via.Layer, 1u);
  EXPECT_EQ(via.Size, 1000);
  EXPECT_EQ(via.F13, 32);
}

}  // namespace
}  // namespace pcbtest
