#include "pcb/pcb_board.h"

#include <gtest/gtest.h>

#include "pcb/pcb_api_wrappers.h"
#include "pcb/pcb_text.h"
#include "tests/win/support/pcb_test_host.h"

namespace pcbtest {
namespace {

using TBoardTest = PcbTest;

// A board file with its own layers and pairs (the default BoardText has a fixed stack).
std::string BoardWith(const std::string& layers, const std::string& pairs, int unit = 0) {
  return "{\"format\": \"dralith-board\", \"version\": 1, \"board\": {\"unit\": " +
         std::to_string(unit) + "}, \"layers\": [" + layers + "], \"layerPairs\": [" + pairs + "]}";
}

TEST_F(TBoardTest, AFreshBoardHasItsDefaults) {
  TPcbBoard board(42);
  int in_stack = 0;
  for (int l = 1; l <= 82; ++l) in_stack += InStackSet(l);
  EXPECT_EQ(in_stack, 48);
  EXPECT_EQ(board.SplitPlaneMode, 1);
  for (const TExternalDielectric& d : board.ExternalDielectrics) {
    EXPECT_EQ(TextOf(d.Material), "FR-4");
    EXPECT_EQ(d.Kind, 1);
    EXPECT_EQ(d.Constant, 4.8);
    EXPECT_EQ(d.Height, 126000);
  }
  auto* plane = class_cast<TInternalPlane>(&board.LayerAt(43));
  ASSERT_NE(plane, nullptr);
  EXPECT_EQ(TextOf(plane->Name), "InternalPlane5");
  EXPECT_EQ(TextOf(plane->NetName), "(No Net)");
  EXPECT_EQ(class_cast<TInternalPlane>(&board.LayerAt(38)), nullptr);
  EXPECT_EQ(TextOf(board.LayerAt(1).Name), "TopLayer");
  EXPECT_EQ(board.LayerAt(1).Thickness, 14000);
  EXPECT_EQ(board.Unit(), eMetric);
  EXPECT_TRUE(board.LayerPairs.empty());
}

TEST_F(TBoardTest, AReadMakes564HostCallsPlusOnePerPair) {
  ASSERT_TRUE(OpenBoardText(BoardWith("", "")));
  TPcbBoard board(PcbApi_GetCurrentBoardHandle());
  Host().trace.clear();
  board.Query(1);
  EXPECT_EQ(CallNames().size(), 564u);

  ASSERT_TRUE(OpenBoardText(
      BoardWith("", "{\"layerA\": 1, \"layerB\": 32}, {\"layerA\": 57, \"layerB\": 58}")));
  TPcbBoard with_pairs(PcbApi_GetCurrentBoardHandle());
  Host().trace.clear();
  EXPECT_EQ(with_pairs.Query(1), 0);
  EXPECT_EQ(CallNames().size(), 566u);
  EXPECT_EQ(with_pairs.LayerPairs.size(), 2u);
}

TEST_F(TBoardTest, TheBoardRecordGivesTheUnit) {
  ASSERT_TRUE(OpenBoardText(BoardWith("", "", 1)));
  TPcbBoard board(PcbApi_GetCurrentBoardHandle());
  EXPECT_EQ(board.Query(1), 0);
  EXPECT_EQ(board.Unit(), eImperial);
}

TEST_F(TBoardTest, AnUnreadableBoardRecordKeepsMetric) {
  ASSERT_TRUE(OpenBoardText(BoardWith("", "", 1)));
  FailCall("PcbApi_QueryBoard", 3);
  TPcbBoard board(PcbApi_GetCurrentBoardHandle());
  EXPECT_EQ(board.Query(1), 3);
  EXPECT_EQ(board.Unit(), eMetric);
  EXPECT_EQ(board.SplitPlaneMode, 1);  // the remaining steps ran
}

TEST_F(TBoardTest, AMissingPairCountReadsNoPairs) {
  ASSERT_TRUE(OpenBoardText(BoardWith("", "{\"layerA\": 1, \"layerB\": 32}")));
  ASSERT_TRUE(RemoveExport("PcbApi_QueryBoardLayerPairsCount"));
  TPcbBoard board(PcbApi_GetCurrentBoardHandle());
  board.Query(1);
  EXPECT_TRUE(board.LayerPairs.empty());
  EXPECT_TRUE(LinesStarting("PcbApi_QueryBoardLayerPairAt").empty());
}

struct TPairCase {
  const char* what;
  std::string layers;
  std::string pairs;
  std::vector<std::string> names;
};

TEST_F(TBoardTest, PairsAreNamedByTheirPlaceInTheStack) {
  const std::string stack =
      "{\"layer\": 1, \"nextLayer\": 2}, {\"layer\": 2, \"prevLayer\": 1, \"nextLayer\": 32}, "
      "{\"layer\": 32, \"prevLayer\": 2}";
  const TPairCase cases[] = {
      {"top and bottom, either way round",
       stack,
       "{\"layerA\": 32, \"layerB\": 1}, {\"layerA\": 1, \"layerB\": 32}",
       {"TopLayer - BottomLayer", "TopLayer - BottomLayer"}},
      {"a mid layer below the top",
       stack,
       "{\"layerA\": 2, \"layerB\": 1}, {\"layerA\": 32, \"layerB\": 2}",
       {"TopLayer - MidLayer1", "MidLayer1 - BottomLayer"}},
      {"two mechanical layers: LayerB first",
       stack,
       "{\"layerA\": 57, \"layerB\": 58}",
       {"Mechanical2 - Mechanical1"}},
      {"named layers",
       "{\"layer\": 1, \"name\": \"Copper A\", \"nextLayer\": 32}, "
       "{\"layer\": 32, \"name\": \"Copper B\", \"prevLayer\": 1}",
       "{\"layerA\": 32, \"layerB\": 1}",
       {"Copper A - Copper B"}},
      {"a layer with no legacy number",
       stack,
       "{\"layerA\": 0, \"layerB\": 1}",
       {"NoLayer - TopLayer"}},
      {"a signal layer of the kind encoding",
       stack,
       "{\"layerA\": 16842792, \"layerB\": 1}",
       {"TopLayer - MidLayer30"}},
      {"a stack that loops",
       "{\"layer\": 1, \"nextLayer\": 2}, {\"layer\": 2, \"prevLayer\": 1, \"nextLayer\": 1}",
       "{\"layerA\": 32, \"layerB\": 1}",
       {"TopLayer - BottomLayer"}},
  };
  for (const TPairCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::string error;
    ASSERT_TRUE(OpenBoardText(BoardWith(c.layers, c.pairs), &error)) << error;
    TPcbBoard board(PcbApi_GetCurrentBoardHandle());
    board.Query(1);
    ASSERT_EQ(board.LayerPairs.size(), c.names.size());
    for (size_t i = 0; i < c.names.size(); ++i) EXPECT_EQ(board.LayerPairs[i]->Name, c.names[i]);
  }
}

TEST_F(TBoardTest, StackPositionsCountOnlyTheStackSet) {
  ASSERT_TRUE(OpenBoardText(BoardWith(
      "{\"layer\": 1, \"nextLayer\": 57}, {\"layer\": 57, \"prevLayer\": 1, \"nextLayer\": 39}, "
      "{\"layer\": 39, \"prevLayer\": 57, \"nextLayer\": 32}, {\"layer\": 32, \"prevLayer\": 39}",
      "")));
  TPcbBoard board(PcbApi_GetCurrentBoardHandle());
  board.Query(1);
  EXPECT_EQ(board.StackPosition(1), 1);
  EXPECT_EQ(board.StackPosition(39), 2);
  EXPECT_EQ(board.StackPosition(32), 3);
  EXPECT_EQ(board.StackPosition(57), 0);
  EXPECT_EQ(board.StackPosition(5), 3);  // not on the walk: every stack layer on it
  EXPECT_EQ(board.StackPosition(0), 0);
}

TEST_F(TBoardTest, AReadFollowedByAWriteHandsTheHostBackWhatItDelivered) {
  const std::string rich =
      "{\"format\": \"dralith-board\", \"version\": 1, "
      "\"board\": {\"f3\": 7, \"f4\": \"Main board\", \"f5\": 2, \"f6\": -100, \"f9\": 5, "
      "\"unit\": 1, "
      "\"layer\": 32, \"f12\": 99, \"splitPlaneMode\": 0, \"material2\": \"Rogers\", "
      "\"constant2\": 3.55}, "
      "\"grids\": {\"f3\": 0.5, \"f7\": 10000, \"f16\": 1}, \"outputOptions\": {\"f4\": 3, "
      "\"f26\": 4}, "
      "\"gerberOptions\": {\"f9\": 1}, \"printerOptions\": {\"f3\": 1.25, \"f28\": 6}, "
      "\"placerOptions\": {\"f8\": 2}, \"ecoOptions\": {\"f4\": 1}, "
      "\"plotLayers\": [" +
      [] {
        std::string s;
        for (int i = 0; i < 109; ++i) s += (i ? ", " : "") + std::to_string(i % 2);
        return s;
      }() +
      "], "
      "\"pens\": [{\"pen\": 3, \"f4\": 11, \"f5\": 12}], "
      "\"compositeLayers\": [{\"layer\": 5, \"f4\": 1, \"f6\": 2, \"f7\": 3}], "
      "\"layers\": [{\"layer\": 1, \"name\": \"Top\", \"thickness\": 7000, \"nextLayer\": 39, "
      "\"info\": 17}, "
      "{\"layer\": 39, \"prevLayer\": 1, \"nextLayer\": 32, \"netName\": \"GND\", \"material\": "
      "\"Core\"}, "
      "{\"layer\": 32, \"prevLayer\": 39, \"f10\": 4}], "
      "\"layerPairs\": [{\"layerA\": 1, \"layerB\": 32, \"first\": 1, \"second\": 2}]}";
  std::string error;
  ASSERT_TRUE(OpenBoardText(rich, &error)) << error;
  const std::string before = SavedBoard();
  TPcbBoard board(PcbApi_GetCurrentBoardHandle());
  ASSERT_EQ(board.Query(1), 0);
  EXPECT_EQ(board.CurrentLayer, 32);
  EXPECT_EQ(TextOf(board.Record4), "Main board");
  EXPECT_EQ(board.GridOptions.Copies[0], 0.5);
  EXPECT_EQ(TextOf(static_cast<TInternalPlane&>(board.LayerAt(39)).NetName), "GND");
  EXPECT_EQ(board.LayerPairs[0]->Value1, 1);
  EXPECT_EQ(board.LayerPairs[0]->Value2, 2);
  Host().trace.clear();
  ASSERT_EQ(board.Query(0), 0);
  EXPECT_EQ(SavedBoard(), before);
}

}  // namespace
}  // namespace pcbtest
