// The Hole Size Editor in the host kit on boards it should not meet but may: hole sizes at the ends
// of the 32-bit coordinate range and beyond the edit box's bound, negative sizes, near sizes that
// share a label, every primitive a size of its own. The editor opens, its labels read right, an OK
// without edits saves the board byte for byte as it was, and nothing the user did not type is cut.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "editor_case.h"

namespace {

constexpr int32_t kMax = INT32_MAX;
constexpr int32_t kMin = INT32_MIN;
constexpr int32_t kBoxBound = 999990000;  // ±99999 mil, what the edit box takes

// BoardText with a fixed land: a land of twice an extreme hole would not fit a coordinate.
std::string HostileBoard(bool metric, const std::vector<TBoardHole>& holes) {
  std::string out = "{\n  \"format\": \"dralith-board\",\n  \"version\": 1,\n";
  out += std::string("  \"board\": {\"unit\": ") + (metric ? "0" : "1") + ", \"layer\": 1},\n";
  out += "  \"layers\": [\n    {\"layer\": 1, \"nextLayer\": 32},\n    {\"layer\": 32, \"prevLayer\": 1}\n  ],\n";
  out += "  \"layerPairs\": [\n    {\"layerA\": 1, \"layerB\": 32}\n  ],\n  \"primitives\": [\n";
  for (size_t i = 0; i < holes.size(); ++i) {
    const std::string handle = std::to_string(i + 1);
    const std::string x = std::to_string(static_cast<int>(i % 20) * 1000000);
    const std::string y = std::to_string(static_cast<int>(i / 20) * 1000000);
    const std::string hole = std::to_string(holes[i].Size);
    if (holes[i].Via) {
      out += "    {\"kind\": \"via\", \"handle\": " + handle + ", \"layer\": 1, \"x\": " + x + ", \"y\": " + y +
             ", \"size\": 600000, \"holeSize\": " + hole + ", \"f13\": 32}";
    } else {
      out += "    {\"kind\": \"pad\", \"handle\": " + handle + ", \"layer\": 74, \"x\": " + x + ", \"y\": " + y +
             ", \"holeSize\": " + hole +
             ", \"stack\": [[1, 1, 600000, 600000, 0, 0], [32, 1, 600000, 600000, 0, 0], [74, 1, 600000, 600000, 0, 0]]}";
    }
    out += i + 1 < holes.size() ? ",\n" : "\n  ]";
  }
  out += "\n}\n";
  return out;
}

// Pads at both ends of the range, at the edit box's bound, negative and just below zero, with vias
// of the same sizes; labels are ordered by the number they start with, so the negative ones (whose
// minus sign is not part of it) stand first in the order they were met.
const std::vector<TBoardHole> kExtremes = Pads(1, kMax) + Pads(2, kMin) + Pads(1, kBoxBound) + Pads(1, -50000) +
                                          Pads(1, -1) + Vias(2, kMax) + Vias(1, -kBoxBound) + Vias(1, 80000);

TEST(HostileBoards, ExtremeAndNegativeSizesOpenWithExactLabelsAndOkSavesTheBoardAsItWas) {
  THostCase host(CaseName());
  const std::string board = HostileBoard(false, kExtremes);
  THostResult result = host.RunEditor(
      board,
      "wait-window \"Hole Size Editor\"\n"
      "expect-items @ListBox \"-214748.365 mil\" \"-5.000 mil\" \"0.000 mil\" \"-99999.000 mil\" "
      "\"8.000 mil\" \"99999.000 mil\" \"214748.365 mil\"\n"
      "select @ListBox \"214748.365 mil\"\n"
      "expect-text @Static \"Pads : 1  Vias : 2\"\n"
      "select @ListBox \"-214748.365 mil\"\n"
      "expect-text @Static \"Pads : 2  Vias : 0\"\n"
      "click Metric\n"
      "expect-items @ListBox \"-5454.6085 mm\" \"-0.1270 mm\" \"0.0000 mm\" \"-2539.9746 mm\" \"0.2032 mm\" "
      "\"2539.9746 mm\" \"5454.6085 mm\"\n"
      "check Pads off\n"
      "expect-items @ListBox \"-2539.9746 mm\" \"0.2032 mm\" \"5454.6085 mm\"\n"
      "click OK\n"
      "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
  EXPECT_EQ(result.Saved, board);
}

struct TUntouchedCase {
  const char* Name;
  const char* Unit;  // the unit button to choose
  const char* Label;
};

class UntouchedLabel : public testing::TestWithParam<TUntouchedCase> {};

// OK in the Edit Hole Size dialog on a label beyond the edit box's bound, untyped, names the size
// the label shows: the groups keep it instead of being cut down to ±99999 mil.
TEST_P(UntouchedLabel, BeyondTheEditBoxBoundKeepsItsSize) {
  THostCase host(CaseName());
  const std::string board = HostileBoard(false, Pads(2, kMax) + Pads(1, 1500000000) + Vias(1, kMax) + Pads(1, 80000));
  THostResult result = host.RunEditor(
      board, std::string("wait-window \"Hole Size Editor\"\n"
                         "click ") + GetParam().Unit + "\n"
                         "select @ListBox \"" + GetParam().Label + "\"\n"
                         "click \"Edit...\"\n"
                         "wait-window \"Edit Hole Size\"\n"
                         "expect-text @Edit \"" + GetParam().Label + "\"\n"
                         "key enter\n"
                         "wait-no-window \"Edit Hole Size\"\n"
                         "wait-window \"Hole Size Editor\"\n"
                         "expect-selected @ListBox \"" + GetParam().Label + "\"\n"
                         "click OK\n"
                         "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
  EXPECT_EQ(result.Saved, board);
}

INSTANTIATE_TEST_SUITE_P(Labels, UntouchedLabel,
                         testing::Values(TUntouchedCase{"RangeEndImperial", "Imperial", "214748.365 mil"},
                                         TUntouchedCase{"RangeEndMetric", "Metric", "5454.6085 mm"},
                                         TUntouchedCase{"BeyondTheBoundImperial", "Imperial", "150000.000 mil"}),
                         [](const auto& info) { return std::string(info.param.Name); });

// A negative size cannot be drilled: typed, or left as a negative label was, it is refused with a
// warning and the sizes stay as they were.
TEST(HostileBoards, ANegativeNewSizeIsRefusedWithAWarningAndChangesNothing) {
  THostCase host(CaseName());
  const std::string board = HostileBoard(false, Pads(2, 80000) + Pads(1, -50000) + Vias(1, 120000));
  const std::string refuse =
      "wait-window \"Warning\"\n"
      "expect-text \"A hole size cannot be negative.\" \"A hole size cannot be negative.\"\n"
      "click OK\n"
      "wait-no-window \"Warning\"\n"
      "wait-window \"Hole Size Editor\"\n"
      "expect-items @ListBox \"-5.000 mil\" \"8.000 mil\" \"12.000 mil\"\n";
  THostResult result = host.RunEditor(
      board, "wait-window \"Hole Size Editor\"\n"
             "select @ListBox \"8.000 mil\"\n"
             "click \"Edit...\"\n"
             "wait-window \"Edit Hole Size\"\n"
             "set-text @Edit \"-3mil\"\n"
             "key enter\n" + refuse +
             "select @ListBox \"-5.000 mil\"\n"
             "click \"Edit...\"\n"
             "wait-window \"Edit Hole Size\"\n"
             "key enter\n" + refuse +
             "expect-text @Static \"Pads : 1  Vias : 0\"\n"
             "click OK\n"
             "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
  EXPECT_EQ(result.Saved, board);
}

// A negative size on the board is the user's to repair: typed over with a valid size it is written.
TEST(HostileBoards, ANegativeSizeOnTheBoardCanBeRepaired) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(
      HostileBoard(false, Pads(2, -50000) + Pads(1, 80000)),
      "wait-window \"Hole Size Editor\"\n"
      "select @ListBox \"-5.000 mil\"\n"
      "click \"Edit...\"\n"
      "wait-window \"Edit Hole Size\"\n"
      "set-text @Edit \"5mil\"\n"
      "key enter\n"
      "wait-no-window \"Edit Hole Size\"\n"
      "wait-window \"Hole Size Editor\"\n"
      "expect-items @ListBox \"5.000 mil\" \"8.000 mil\"\n"
      "click OK\n"
      "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
  const std::map<int, TSavedHole> saved = SavedHoles(result.Saved);
  ASSERT_EQ(saved.size(), 3u);
  EXPECT_EQ(saved.at(1).Size, 50000);
  EXPECT_EQ(saved.at(2).Size, 50000);
  EXPECT_EQ(saved.at(3).Size, 80000);
}

// Every primitive a size of its own, a few units apart, so that most of them share a label with
// their neighbours: the labels are the groups', and an OK without edits gives every primitive back
// its own size, not the size of the first one met with its label.
TEST(HostileBoards, NearDistinctSizesSharingLabelsAreSavedExactlyAsTheyWere) {
  THostCase host(CaseName());
  std::vector<TBoardHole> holes;
  for (int i = 0; i < 120; ++i) holes.push_back({i % 3 == 0, 118100 + 7 * i});
  const std::string board = HostileBoard(true, holes);
  THostResult result = host.RunEditor(board,
                                      "wait-window \"Hole Size Editor\"\n"
                                      "select @ListBox #0\n"
                                      "select @ListBox #last shift\n"
                                      "expect-text @Static \"Pads : 80  Vias : 40\"\n"
                                      "click OK\n"
                                      "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
  EXPECT_EQ(result.Saved, board);
}

// Every primitive a size of its own, each with a label of its own: one item per primitive in numeric
// order, and an OK without edits saves the board as it was.
TEST(HostileBoards, EveryPrimitiveADistinctSizeGivesOneLabelEach) {
  THostCase host(CaseName());
  std::vector<TBoardHole> holes;
  std::string items;
  for (int i = 0; i < 400; ++i) {
    // Sizes 0.1 mil apart, met from the largest down, pads and vias alternating.
    const int tenths = 2000 - i;
    holes.push_back({i % 2 == 1, tenths * 1000});
  }
  for (int i = 399; i >= 0; --i) {
    const int tenths = 2000 - i;
    items += " \"" + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "00 mil\"";
  }
  const std::string board = HostileBoard(false, holes);
  THostResult result = host.RunEditor(board,
                                      "wait-window \"Hole Size Editor\"\n"
                                      "expect-items @ListBox" + items + "\n"
                                      "select @ListBox \"200.000 mil\"\n"
                                      "expect-text @Static \"Pads : 1  Vias : 0\"\n"
                                      "select @ListBox \"199.900 mil\"\n"
                                      "expect-text @Static \"Pads : 0  Vias : 1\"\n"
                                      "click OK\n"
                                      "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
  EXPECT_EQ(result.Saved, board);
}

// A board that fills the host's memory makes the PCB module refuse a write (status 3). The write-back
// stops there and the host gets the failure, as for any failing host call: the editor stays open
// with the edit, the process is closed, and no later primitive is written as if all were well.
TEST(HostileBoards, AWriteTheHostRefusesStopsTheWriteBackAndTellsTheUser) {
  THostCase host(CaseName());
  const std::string board = HostileBoard(false, Pads(3, 10 * kMil));
  // Opening reads the three pads; then each pad is read and written: call 7 is the second write.
  THostResult result = host.RunEditor(board,
                                      "wait-window \"Hole Size Editor\"\n"
                                      "click \"Edit...\"\n"
                                      "wait-window \"Edit Hole Size\"\n"
                                      "set-text @Edit \"11mil\"\n"
                                      "key enter\n"
                                      "wait-window \"Hole Size Editor\"\n"
                                      "click OK\n"
                                      "dismiss-message\n"
                                      "wait-window \"Hole Size Editor\"\n"
                                      "expect-items @ListBox \"11.000 mil\"\n"
                                      "click Cancel\n"
                                      "wait-no-window \"Hole Size Editor\"\n",
                                      {L"--fail", L"PcbApi_QueryPad,7,3"});
  ExpectScriptPassed(result);
  EXPECT_TRUE(result.Printed("script: message \"Error\": \"The hole size of pad 2 could not be written to the board.\""))
      << result.Output;
  EXPECT_EQ(result.TraceStarting("IPCB_ServerInterface.ProcessEnd(").size(), 1u);
  EXPECT_TRUE(result.TraceStarting("PcbApi_QueryPad(0, 3)").empty()) << "nothing after the refused write";
  const std::map<int, TSavedHole> saved = SavedHoles(result.Saved);
  ASSERT_EQ(saved.size(), 3u);
  EXPECT_EQ(saved.at(1).Size, 11 * kMil);
  EXPECT_EQ(saved.at(2).Size, 10 * kMil);
  EXPECT_EQ(saved.at(3).Size, 10 * kMil);
}

}  // namespace
