#include "holes/hole_size_editor.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "holes/coord_object.h"
#include "holes/edit_hole_size_form.h"
#include "holes/hole_labels.h"
#include "tests/native/holes/generated_board.h"
#include "tests/win/holes/window_script.h"
#include "tests/win/support/ui_driver.h"

namespace {

using holes_test::TGeneratedBoard;

// The editor over a generated board whose unit the test chooses.
class TTestEditor : public THoleSizeEditor {
  TAVRIN_CLASS(TTestEditor, THoleSizeEditor)
 public:
  TTestEditor(TComponent* owner, TGeneratedBoard* board, TUnit unit)
      : THoleSizeEditor(owner), board_(board), unit_(unit) {}
  std::string LayoutName() const override { return "THoleSizeEditor"; }

 protected:
  std::unique_ptr<THoleBoard> OpenHoleBoard(uint32_t) override {
    Board->UnitValue = unit_;
    return std::make_unique<TBorrowed>(*board_);
  }

 private:
  struct TBorrowed : THoleBoard {
    explicit TBorrowed(TGeneratedBoard& b) : board(b) {}
    void VisitPrimitives(uint8_t kind, const std::function<void(uint32_t)>& visit) override {
      board.VisitPrimitives(kind, visit);
    }
    TCoord HoleSize(uint32_t handle, uint8_t kind) override { return board.HoleSize(handle, kind); }
    void WriteHoleSize(uint32_t handle, TCoord size) override { board.WriteHoleSize(handle, size); }
    bool StartProcess() override { return board.StartProcess(); }
    void EndProcess() override { board.EndProcess(); }
    TGeneratedBoard& board;
  };
  TGeneratedBoard* board_;
  TUnit unit_;
};

constexpr uint8_t kPad = 2, kVia = 3;

// Pads: 3 of 8 mil, 5 of 12 mil; vias: 2 of 12.0002 mil (the same labels), 1 of 20 mil.
TGeneratedBoard SampleBoard() {
  TGeneratedBoard board;
  for (int i = 0; i < 3; ++i) board.Add(kPad, 80000);
  for (int i = 0; i < 5; ++i) board.Add(kPad, 120000);
  for (int i = 0; i < 2; ++i) board.Add(kVia, 120002);
  board.Add(kVia, 200000);
  return board;
}

class HoleSizeEditorTest : public ::testing::Test {
 protected:
  void Open(TUnit unit) { editor.reset(make_form<TTestEditor>(nullptr, &board, unit)); }
  std::vector<std::string> Labels() const {
    std::vector<std::string> result;
    TStrings* items = editor->SourceList->Items();
    for (int i = 0; i < items->Count(); ++i) result.push_back(items->Get(i));
    return result;
  }
  std::vector<int> Selection() const {
    std::vector<int> result;
    for (int i = 0; i < editor->SourceList->Items()->Count(); ++i)
      if (editor->SourceList->Selected(i)) result.push_back(i);
    return result;
  }
  std::string Description() const { return editor->DescriptionLabel->Caption(); }
  // Runs the Edit button with the edit dialog answered: the text typed (nullptr keeps what the
  // dialog shows) and OK or Cancel. Returns the text the dialog showed.
  std::wstring Edit(const wchar_t* typed, bool ok = true) {
    std::wstring shown;
    TWhenShown dialog(L"Edit Hole Size", [&](HWND window) {
      HWND box = FindChild(window, L"Edit");
      shown = WindowText(box);
      if (typed) SetWindowTextW(box, typed);
      ClickOn(FindChild(window, L"Button", ok ? L"OK" : L"Cancel"));
    });
    editor->EditButtonClick(editor->EditButton);
    EXPECT_TRUE(dialog.Ran());
    return shown;
  }

  TGeneratedBoard board = SampleBoard();
  std::unique_ptr<TTestEditor> editor;
};

TEST_F(HoleSizeEditorTest, TheLayoutIsTheEditorsTable) {
  Open(eImperial);
  EXPECT_EQ(editor->Caption(), "Hole Size Editor");
  EXPECT_EQ(editor->ClientWidth(), 268);
  EXPECT_EQ(editor->ClientHeight(), 266);
  EXPECT_EQ(editor->IncludeGroupBox->Caption(), " &Include ");
  EXPECT_EQ(editor->UnitRadioGroup->Caption(), " &Unit ");
  EXPECT_EQ(editor->EditButton->Caption(), "&Edit...");
  EXPECT_EQ(editor->Edit1->Caption(), "&Edit");
  EXPECT_EQ(editor->WinXPTabSheet1->Caption(), "Hole Sizes");
  EXPECT_TRUE(editor->OKButton->Default());
  EXPECT_EQ(editor->OKButton->ModalResult(), mrNone);
  EXPECT_TRUE(editor->CancelButton->Cancel());
  EXPECT_EQ(editor->CancelButton->ModalResult(), mrCancel);
  EXPECT_TRUE(editor->SourceList->MultiSelect());
  EXPECT_EQ(editor->SourceList->PopupMenu(), editor->PopupMenu1);
  EXPECT_EQ(editor->PadsCheckBox->Parent(), editor->IncludeGroupBox);
  EXPECT_EQ(editor->SourceList->Parent(), editor->WinXPTabSheet1);
  const RECT list = editor->SourceList->BoundsRect();
  EXPECT_EQ(list.left, 5);
  EXPECT_EQ(list.top, 8);
  EXPECT_EQ(list.right - list.left, 146);
  EXPECT_EQ(list.bottom - list.top, 159);
  EXPECT_EQ(editor->SourceList->TabOrder(), 3);
  EXPECT_EQ(editor->OKButton->TabOrder(), 1);
}

TEST_F(HoleSizeEditorTest, OpensInTheBoardsUnitWithTheSmallestSizeSelected) {
  struct TCase {
    TUnit unit;
    bool imperial;
    std::vector<std::string> labels;
  };
  for (const TCase& c : {TCase{eMetric, false, {"0.2032 mm", "0.3048 mm", "0.5080 mm"}},
                        TCase{eImperial, true, {"8.000 mil", "12.000 mil", "20.000 mil"}}}) {
    Open(c.unit);
    EXPECT_EQ(editor->IsImperial(), c.imperial);
    EXPECT_EQ(editor->UnitRadioGroup->ItemIndex(), c.imperial ? 0 : 1);
    EXPECT_EQ(Labels(), c.labels);
    EXPECT_EQ(Selection(), std::vector<int>{0});
    EXPECT_EQ(Description(), "Pads : 3  Vias : 0");
    // The shared label carries the pad group's size.
    EXPECT_EQ(static_cast<TCoordObject*>(editor->SourceList->Items()->GetObject(1))->Value, 120000);
  }
}

TEST_F(HoleSizeEditorTest, TheDescriptionFollowsTheCheckBoxes) {
  Open(eImperial);
  for (int i = 0; i < 3; ++i) editor->SourceList->SetSelected(i, true);
  editor->UpdateDescription();
  EXPECT_EQ(Description(), "Pads : 8  Vias : 3");

  editor->ViasCheckBox->SetChecked(false);
  EXPECT_EQ(Labels(), (std::vector<std::string>{"8.000 mil", "12.000 mil"}));
  EXPECT_EQ(Description(), "Pads : 3");
  editor->ViasCheckBox->SetChecked(true);
  editor->PadsCheckBox->SetChecked(false);
  EXPECT_EQ(Labels(), (std::vector<std::string>{"12.000 mil", "20.000 mil"}));
  EXPECT_EQ(Description(), "  Vias : 2");
  editor->ViasCheckBox->SetChecked(false);
  EXPECT_TRUE(Labels().empty());
  EXPECT_EQ(Description(), "");
  EXPECT_TRUE(editor->EditButton->Enabled());
  TWhenShown dialog(L"Edit Hole Size", [](HWND window) { ClickOn(FindChild(window, L"Button", L"Cancel")); });
  editor->EditButtonClick(editor->EditButton);
  EXPECT_FALSE(dialog.Ran()) << "an empty list opens no edit dialog";
}

TEST_F(HoleSizeEditorTest, AnEmptyBoardCountsNothing) {
  board = TGeneratedBoard();
  Open(eMetric);
  EXPECT_TRUE(Labels().empty());
  EXPECT_EQ(Description(), "Pads : 0  Vias : 0");
}

TEST_F(HoleSizeEditorTest, SwitchingTheUnitRelabelsAndSelectsTheSmallest) {
  Open(eMetric);
  editor->SourceList->SetSelected(2, true);
  editor->UnitRadioGroup->SetItemIndex(0);
  EXPECT_EQ(Labels(), (std::vector<std::string>{"8.000 mil", "12.000 mil", "20.000 mil"}));
  EXPECT_EQ(Selection(), std::vector<int>{0});
}

TEST_F(HoleSizeEditorTest, EditingMergesIntoAnExistingSizeAndSelectsIt) {
  Open(eImperial);
  EXPECT_EQ(Edit(L"12mil"), L"8.000 mil");
  EXPECT_EQ(Labels(), (std::vector<std::string>{"12.000 mil", "20.000 mil"}));
  EXPECT_EQ(Selection(), std::vector<int>{0});
  EXPECT_EQ(editor->SourceList->ItemIndex(), 0);
  EXPECT_EQ(Description(), "Pads : 8  Vias : 2");
  EXPECT_TRUE(board.writes.empty()) << "nothing reaches the board before OK";
}

TEST_F(HoleSizeEditorTest, OkWithoutTypingTakesTheLabelsValue) {
  struct TCase {
    TUnit unit;
    const wchar_t* label;
    TCoord result;
  };
  for (const TCase& c : {TCase{eMetric, L"0.3000 mm", 118110}, TCase{eImperial, L"11.813 mil", 118130}}) {
    board = TGeneratedBoard();
    board.Add(kPad, 118126);
    Open(c.unit);
    EXPECT_EQ(Edit(nullptr), c.label);
    EXPECT_EQ(editor->PadHoles->Items(0).NewSize, c.result);
    EXPECT_EQ(editor->PadHoles->Items(0).InitialSize, 118126);
  }
}

TEST_F(HoleSizeEditorTest, TwoSelectedLabelsStartEmptyAndNoSizeChangesNothing) {
  Open(eImperial);
  editor->SourceList->SetSelected(1, true);
  for (const wchar_t* typed : {static_cast<const wchar_t*>(nullptr), L"  ", L"mil"}) {
    TWhenShown warning(L"Warning", [](HWND window) { ClickOn(FindChild(window, L"Button", L"OK")); });
    EXPECT_EQ(Edit(typed), L"");
    EXPECT_TRUE(warning.Ran());
    EXPECT_EQ(Labels(), (std::vector<std::string>{"8.000 mil", "12.000 mil", "20.000 mil"}));
    EXPECT_EQ(editor->PadHoles->Items(0).NewSize, 80000);
  }
}

TEST_F(HoleSizeEditorTest, CancelInTheEditDialogChangesNothing) {
  Open(eImperial);
  Edit(L"30mil", false);
  EXPECT_EQ(Labels(), (std::vector<std::string>{"8.000 mil", "12.000 mil", "20.000 mil"}));
}

TEST_F(HoleSizeEditorTest, WithoutAServerOkClosesWithoutWriting) {
  board.has_server = false;
  Open(eImperial);
  editor->OKButtonClick(editor->OKButton);
  EXPECT_EQ(editor->ModalResult(), mrOk);
  EXPECT_TRUE(board.writes.empty());
  EXPECT_EQ(board.process_ends, 0);
}

TEST_F(HoleSizeEditorTest, AFailedProcessStartWritesNothingAndSendsNoEnd) {
  board.fail_process_start = true;
  Open(eImperial);
  EXPECT_THROW(editor->OKButtonClick(editor->OKButton), std::runtime_error);
  EXPECT_TRUE(board.writes.empty());
  EXPECT_EQ(board.process_ends, 0);
}

// The labels in the order the exchange passes give, built the plain way from the editor's lists.
std::vector<std::pair<std::string, TCoord>> LiteralLabels(const THoleSizeEditor& editor, bool imperial) {
  TStringList items;
  editor.PadHoles->AddLabels(items, imperial);
  editor.ViaHoles->AddLabels(items, imperial);
  std::vector<std::pair<std::string, TCoord>> labels;
  for (int i = 0; i < items.Count(); ++i) {
    auto* object = static_cast<TCoordObject*>(items.GetObject(i));
    labels.push_back({items.Get(i), object->Value});
    delete object;
  }
  for (bool exchanged = labels.size() > 1; exchanged;) {
    exchanged = false;
    for (size_t i = 0; i + 1 < labels.size(); ++i) {
      if (HoleLabelKey(labels[i].first) > HoleLabelKey(labels[i + 1].first)) {
        std::swap(labels[i], labels[i + 1]);
        exchanged = true;
      }
    }
  }
  return labels;
}

TEST_F(HoleSizeEditorTest, ThousandsOfSizesAreListedInTheExchangeOrder) {
  // Near-duplicate sizes as imported boards carry them: 0.004 mil apart and a few units around.
  board = TGeneratedBoard();
  std::mt19937 random(19);
  std::uniform_int_distribution<int> pick(0, 2999), jitter(-4, 4);
  for (int i = 0; i < 9000; ++i) board.Add(i % 3 ? kPad : kVia, 80000 + 40 * pick(random) + jitter(random));
  Open(eMetric);
  for (bool imperial : {false, true}) {
    if (imperial) editor->UnitRadioGroup->SetItemIndex(0);
    const auto expected = LiteralLabels(*editor, imperial);
    ASSERT_GT(expected.size(), 2000u);
    TStrings* items = editor->SourceList->Items();
    ASSERT_EQ(items->Count(), static_cast<int>(expected.size()));
    for (int i = 0; i < items->Count(); ++i) {
      ASSERT_EQ(items->Get(i), expected[static_cast<size_t>(i)].first) << i;
      ASSERT_EQ(static_cast<TCoordObject*>(items->GetObject(i))->Value, expected[static_cast<size_t>(i)].second) << i;
    }
    EXPECT_EQ(Selection(), std::vector<int>{0});
    EXPECT_EQ(editor->SourceList->ItemIndex(), 0);
  }

  // Every label selected counts every primitive; editing them all merges them into one label.
  const int count = editor->SourceList->Items()->Count();
  for (int i = 0; i < count; ++i) editor->SourceList->SetSelected(i, true);
  editor->UpdateDescription();
  EXPECT_EQ(Description(), "Pads : 6000  Vias : 3000");
  Edit(L"10mil");
  EXPECT_EQ(Labels(), std::vector<std::string>{"10.000 mil"});
  EXPECT_EQ(Selection(), std::vector<int>{0});
  EXPECT_EQ(Description(), "Pads : 6000  Vias : 3000");
}

TEST_F(HoleSizeEditorTest, ClosingFreesTheBoardAndTheLists) {
  Open(eImperial);
  const TModalResult result = RunModalWith(*editor, [&] { ClickButton(*editor->CancelButton); });
  EXPECT_EQ(result, mrCancel);
  EXPECT_FALSE(editor->PadHoles);
  EXPECT_FALSE(editor->ViaHoles);
  EXPECT_FALSE(editor->Board);
  EXPECT_TRUE(board.writes.empty());
  editor->UpdateDescription();  // late notifications find nothing to count
}

}  // namespace
