// What the user sees and does in the Hole Size Editor: labels, their order and unit, the
// description, and edits through the Edit Hole Size dialog, checked on the live dialogs and on the
// board that OK saves.

#include <gtest/gtest.h>

#include "editor_case.h"

namespace {

constexpr int32_t k03mm = 118110;      // 0.3 mm
constexpr int32_t k030004mm = 118126;  // 0.30004 mm: the same metric label, another imperial one

struct TGroupingCase {
  const char* Name;
  int32_t First, Second;
  const char* ImperialLabel;
};

class Grouping : public testing::TestWithParam<TGroupingCase> {};

// Sizes are grouped by their metric text when the editor opens, so the group keeps the size met
// first; switching to imperial neither splits nor merges it.
TEST_P(Grouping, SizesWithOneMetricTextFormOneGroupOfTheFirstSize) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(
      BoardText(true, Pads(1, GetParam().First) + Pads(2, GetParam().Second)),
      std::string("wait-window \"Hole Size Editor\"\n"
                  "expect-checked Metric on\n"
                  "expect-items @ListBox \"0.3000 mm\"\n"
                  "expect-text @Static \"Pads : 3  Vias : 0\"\n"
                  "click Imperial\n"
                  "expect-items @ListBox \"") + GetParam().ImperialLabel + "\"\n"
                  "expect-selected @ListBox \"" + GetParam().ImperialLabel + "\"\n"
                  "expect-text @Static \"Pads : 3  Vias : 0\"\n"
                  "click Cancel\n"
                  "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
}

INSTANTIATE_TEST_SUITE_P(Orders, Grouping,
                         testing::Values(TGroupingCase{"ExactFirst", k03mm, k030004mm, "11.811 mil"},
                                         TGroupingCase{"OffFirst", k030004mm, k03mm, "11.813 mil"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(HoleSizeEditor, AnImperialBoardOpensInImperialWithLabelsInNumericOrder) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(
      BoardText(false, Pads(1, 20 * kMil) + Pads(2, 8 * kMil) + Vias(4, 12 * kMil) + Pads(1, 12 * kMil)),
      "wait-window \"Hole Size Editor\"\n"
      "expect-checked Imperial on\n"
      "expect-checked Metric off\n"
      "expect-items @ListBox \"8.000 mil\" \"12.000 mil\" \"20.000 mil\"\n"
      "expect-selected @ListBox \"8.000 mil\"\n"
      "expect-current @ListBox \"8.000 mil\"\n"
      "expect-text @Static \"Pads : 2  Vias : 0\"\n"
      "select @ListBox \"12.000 mil\"\n"
      "expect-text @Static \"Pads : 1  Vias : 4\"\n"
      "select @ListBox \"20.000 mil\" shift\n"
      "expect-selected @ListBox \"12.000 mil\" \"20.000 mil\"\n"
      "expect-text @Static \"Pads : 2  Vias : 4\"\n"
      "click Metric\n"
      "expect-items @ListBox \"0.2032 mm\" \"0.3048 mm\" \"0.5080 mm\"\n"
      "expect-selected @ListBox \"0.2032 mm\"\n"
      "click Cancel\n"
      "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
}

TEST(HoleSizeEditor, APadAndAViaGroupWithOneLabelShowOneItemCountingBoth) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(
      BoardText(false, Pads(3, 12 * kMil) + Vias(5, 120004)),
      "wait-window \"Hole Size Editor\"\n"
      "expect-items @ListBox \"12.000 mil\"\n"
      "expect-text @Static \"Pads : 3  Vias : 5\"\n"
      "click \"Edit...\"\n"
      "wait-window \"Edit Hole Size\"\n"
      "expect-focus @Edit\n"
      "expect-text @Edit \"12.000 mil\"\n"
      "set-text @Edit \"16mil\"\n"
      "key enter\n"
      "wait-no-window \"Edit Hole Size\"\n"
      "wait-window \"Hole Size Editor\"\n"
      "expect-items @ListBox \"16.000 mil\"\n"
      "expect-text @Static \"Pads : 3  Vias : 5\"\n"
      "click OK\n"
      "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
  std::map<int, TSavedHole> saved = SavedHoles(result.Saved);
  ASSERT_EQ(saved.size(), 8u);
  for (const auto& [handle, hole] : saved) EXPECT_EQ(hole.Size, 16 * kMil) << "handle " << handle;
}

TEST(HoleSizeEditor, AcceleratorsReachTheirControls) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(BoardText(false, Pads(3, 10 * kMil) + Vias(7, 10 * kMil)),
                                       "wait-window \"Hole Size Editor\"\n"
                                       "key alt+p\n"
                                       "expect-checked Pads off\n"
                                       "expect-text @Static \"  Vias : 7\"\n"
                                       "key alt+v\n"
                                       "expect-checked Vias off\n"
                                       "expect-text @Static \"\"\n"
                                       "key alt+p\n"
                                       "expect-text @Static \"Pads : 3\"\n"
                                       "key alt+e\n"
                                       "wait-window \"Edit Hole Size\"\n"
                                       "expect-text @Edit \"10.000 mil\"\n"
                                       "key escape\n"
                                       "wait-no-window \"Edit Hole Size\"\n"
                                       "wait-window \"Hole Size Editor\"\n"
                                       "key escape\n"
                                       "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
}

TEST(HoleSizeEditor, ABoardWithoutPadsAndViasShowsAnEmptyListAndEditDoesNothing) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(BoardText(true, {}),
                                       "wait-window \"Hole Size Editor\"\n"
                                       "expect-items @ListBox\n"
                                       "expect-text @Static \"Pads : 0  Vias : 0\"\n"
                                       "click \"Edit...\"\n"
                                       "expect-enabled \"Edit...\" on\n"
                                       "click OK\n"
                                       "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
  EXPECT_FALSE(result.Printed("Edit Hole Size"));
}

TEST(HoleSizeEditor, TwoLabelsSelectedGiveAnEmptyBoxAndOkOnItWarnsAndChangesNothing) {
  THostCase host(CaseName());
  const std::string board = BoardText(false, Pads(2, 8 * kMil) + Pads(3, 12 * kMil));
  THostResult result = host.RunEditor(
      board,
      "wait-window \"Hole Size Editor\"\n"
      "select @ListBox \"12.000 mil\" ctrl\n"
      "expect-selected @ListBox \"8.000 mil\" \"12.000 mil\"\n"
      "click \"Edit...\"\n"
      "wait-window \"Edit Hole Size\"\n"
      "expect-text @Edit \"\"\n"
      "key enter\n"
      "wait-window \"Warning\"\n"
      "expect-text \"No hole size given.\" \"No hole size given.\"\n"
      "click OK\n"
      "wait-no-window \"Warning\"\n"
      "wait-window \"Hole Size Editor\"\n"
      "expect-items @ListBox \"8.000 mil\" \"12.000 mil\"\n"
      "expect-text @Static \"Pads : 5  Vias : 0\"\n"
      "click OK\n"
      "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
  EXPECT_EQ(result.Saved, board);
}

// 3 pads of 8 mil typed over to 12 mil join the 5 of 12 mil: one label, selected, counting 8.
TEST(HoleSizeEditor, ChangingASizeIntoAnotherMergesTheirLabels) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(
      BoardText(false, Pads(3, 8 * kMil) + Pads(5, 12 * kMil) + Vias(2, 8 * kMil)),
      "wait-window \"Hole Size Editor\"\n"
      "expect-text @Static \"Pads : 3  Vias : 2\"\n"
      "double-click @ListBox \"8.000 mil\"\n"
      "wait-window \"Edit Hole Size\"\n"
      "set-text @Edit \"12mil\"\n"
      "click OK\n"
      "wait-no-window \"Edit Hole Size\"\n"
      "wait-window \"Hole Size Editor\"\n"
      "expect-items @ListBox \"12.000 mil\"\n"
      "expect-selected @ListBox \"12.000 mil\"\n"
      "expect-text @Static \"Pads : 8  Vias : 2\"\n"
      // The groups now carry 12 mil: a second change of "8 mil" has nothing left to find.
      "select @ListBox \"12.000 mil\"\n"
      "click \"Edit...\"\n"
      "wait-window \"Edit Hole Size\"\n"
      "set-text @Edit \"0.5mm\"\n"
      "key enter\n"
      "wait-window \"Hole Size Editor\"\n"
      "expect-items @ListBox \"19.685 mil\"\n"
      "expect-text @Static \"Pads : 8  Vias : 2\"\n"
      "click OK\n"
      "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
  std::map<int, TSavedHole> saved = SavedHoles(result.Saved);
  ASSERT_EQ(saved.size(), 10u);
  for (const auto& [handle, hole] : saved) EXPECT_EQ(hole.Size, MmUnits(0.5)) << "handle " << handle;
}

// Typed key by key into the focused box, as a user types; the board gets exactly that size.
TEST(HoleSizeEditor, WhatTheUserTypesIsTheSizeTheBoardGets) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(
      BoardText(true, Pads(2, 118110) + Vias(3, 157480)),
      "wait-window \"Hole Size Editor\"\n"
      "select @ListBox \"0.4000 mm\"\n"
      "click \"Edit...\"\n"
      "wait-window \"Edit Hole Size\"\n"
      "expect-focus @Edit\n"
      "key end\n"
      "key backspace\nkey backspace\nkey backspace\nkey backspace\nkey backspace\n"
      "key backspace\nkey backspace\nkey backspace\nkey backspace\n"
      "expect-text @Edit \"\"\n"
      "type \"17.5\"\n"
      "expect-text @Edit \"17.5\"\n"
      "key enter\n"
      "wait-no-window \"Edit Hole Size\"\n"
      "wait-window \"Hole Size Editor\"\n"
      // An unsuffixed number is read in the dialog's unit: 17.5 mm.
      "expect-items @ListBox \"0.3000 mm\" \"17.5000 mm\"\n"
      "select @ListBox \"0.3000 mm\"\n"
      "click \"Edit...\"\n"
      "wait-window \"Edit Hole Size\"\n"
      "set-text @Edit \"\"\n"
      "type \"12.5mil\"\n"
      "key enter\n"
      "wait-no-window \"Edit Hole Size\"\n"
      "wait-window \"Hole Size Editor\"\n"
      "expect-items @ListBox \"0.3175 mm\" \"17.5000 mm\"\n"
      "click OK\n"
      "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
  std::map<int, TSavedHole> saved = SavedHoles(result.Saved);
  EXPECT_EQ(saved[1].Size, 125000);
  EXPECT_EQ(saved[2].Size, 125000);
  for (int via = 3; via <= 5; ++via) EXPECT_EQ(saved[via].Size, MmUnits(17.5)) << "via " << via;
}

TEST(HoleSizeEditor, CancelAndEscapeInTheEditDialogChangeNothing) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(
      BoardText(true, Pads(2, k03mm)),
      "wait-window \"Hole Size Editor\"\n"
      "click \"Edit...\"\n"
      "wait-window \"Edit Hole Size\"\n"
      "set-text @Edit \"1mm\"\n"
      "click Cancel\n"
      "wait-no-window \"Edit Hole Size\"\n"
      "wait-window \"Hole Size Editor\"\n"
      "right-click @ListBox \"0.3000 mm\"\n"
      "key e\n"
      "wait-window \"Edit Hole Size\"\n"
      "set-text @Edit \"2mm\"\n"
      "key escape\n"
      "wait-no-window \"Edit Hole Size\"\n"
      "wait-window \"Hole Size Editor\"\n"
      "expect-items @ListBox \"0.3000 mm\"\n"
      // Enter presses the default button OK while the list (not another button) has the focus.
      "select @ListBox \"0.3000 mm\"\n"
      "expect-focus @ListBox\n"
      "key enter\n"
      "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
  EXPECT_EQ(SavedHoles(result.Saved)[1].Size, k03mm);
  // Enter pressed OK, which wrote the board back.
  EXPECT_EQ(result.TraceStarting("IPCB_ServerInterface.ProcessStart").size(), 1u);
}

}  // namespace
