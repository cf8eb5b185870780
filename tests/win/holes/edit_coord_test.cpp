#include "holes/edit_coord.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/ascii.h"
#include "forms/form.h"
#include "holes/edit_hole_size_form.h"
#include "tests/win/holes/window_script.h"
#include "tests/win/support/ui_driver.h"

namespace {

TEST(EditCoord, ANewBoxShowsZeroInMil) {
  std::unique_ptr<TEditCoord> box(make_component<TEditCoord>(nullptr));
  EXPECT_EQ(box->Text(), "0.0Mil");
  EXPECT_EQ(box->State(), 0);
  EXPECT_EQ(box->Units(), eImperial);
  EXPECT_EQ(box->LastText(), "0.0Mil");
  EXPECT_EQ(box->LastValue(), 0);
}

struct TReadCase {
  TUnit unit;
  const char* text;
  TCoord state;
};

// Reading typed text, in a box without a window and in one on screen.
TEST(EditCoord, TypedTextReadsInTheBoxUnitUnlessASuffixSaysOtherwise) {
  const TReadCase cases[] = {
      {eMetric, "12", 4724409},          {eMetric, "12mil", 120000},
      {eImperial, "12", 120000},         {eImperial, "0.3mm", 118110},
      {eImperial, "11.811 mil", 118110}, {eImperial, "-5mil", -50000},
      {eImperial, "99999.5mil", 999990000}, {eImperial, "1000000mil", 999990000},
      {eMetric, "-3000mm", -999990000},  {eMetric, "", 0},
      {eMetric, "abc", 0},               {eImperial, " 1 2 Mil", 120000},
  };
  auto owner = std::unique_ptr<TEditHoleSizeForm>(make_form<TEditHoleSizeForm>(nullptr));
  owner->Show();
  for (TEditCoord* box : {static_cast<TEditCoord*>(nullptr), owner->HoleSizeEdit}) {
    std::unique_ptr<TEditCoord> own;
    if (!box) {
      own.reset(make_component<TEditCoord>(nullptr));
      box = own.get();
    }
    for (const auto& c : cases) {
      box->ResetUnits(c.unit);
      box->SetText(c.text);
      EXPECT_EQ(box->State(), c.state) << c.text << (own ? "" : " (window)");
      EXPECT_EQ(box->Units(), c.unit) << c.text << ": a suffix counts for one reading only";
      EXPECT_EQ(box->LastValue(), 0) << c.text << ": reading remembers nothing";
    }
  }
}

TEST(EditCoord, TheTextLastWrittenReadsBackExactlyWhateverItsCase) {
  std::unique_ptr<TEditCoord> box(make_component<TEditCoord>(nullptr));
  box->SetState(120000);
  EXPECT_EQ(box->Text(), "12mil");
  box->SetText("12MIL");
  EXPECT_EQ(box->State(), 120000);
  // 5 units show as a rounded text that would read back as another value: the cache answers.
  box->SetState(5);
  const std::string shown = box->Text();
  box->SetText(AsciiToUpper(shown));
  EXPECT_EQ(box->State(), 5) << shown;
  box->SetText(shown + " ");
  EXPECT_NE(box->State(), 5) << "a changed text is parsed";
}

TEST(EditCoord, ChangingTheUnitKeepsTheValue) {
  std::unique_ptr<TEditCoord> box(make_component<TEditCoord>(nullptr));
  box->SetState(120000);
  box->SetUnits(eMetric);
  EXPECT_EQ(box->Text(), "0.3048mm");
  EXPECT_EQ(box->State(), 120000);
  EXPECT_EQ(box->LastValue(), 120000);
  // Typed text is read in the old unit before the new one shows it.
  box->SetText("10");
  box->SetUnits(eImperial);
  EXPECT_EQ(box->Text(), "393.701mil");
  EXPECT_EQ(box->State(), 3937008);
}

TEST(EditCoord, ResetUnitsDiscardsTheValue) {
  std::unique_ptr<TEditCoord> box(make_component<TEditCoord>(nullptr));
  box->SetState(120000);
  box->ResetUnits(eMetric);
  EXPECT_EQ(box->Text(), "0mm");
  EXPECT_EQ(box->State(), 0);
  box->ResetUnits(eImperial);
  EXPECT_EQ(box->Text(), "0mil");
}

TEST(EditHoleSizeForm, TheLayoutGivesAMetricZeroBoxInItsFrame) {
  std::unique_ptr<TEditHoleSizeForm> form(make_form<TEditHoleSizeForm>(nullptr));
  EXPECT_EQ(form->Caption(), "Edit Hole Size");
  EXPECT_EQ(form->ClientWidth(), 247);
  EXPECT_EQ(form->ClientHeight(), 95);
  EXPECT_EQ(form->BorderStyle(), bsDialog);
  EXPECT_EQ(form->HoleSizeEdit->Text(), "0mm");
  EXPECT_EQ(form->HoleSizeEdit->State(), 0);
  EXPECT_EQ(form->HoleSizeEdit->Units(), eMetric);
  EXPECT_EQ(form->HoleSizeEdit->Parent(), form->HoleSizeGroupBox);
  EXPECT_EQ(form->HoleSizeGroupBox->Caption(), "Hole Size");
  EXPECT_TRUE(form->OkButton->Default());
  EXPECT_EQ(form->OkButton->ModalResult(), mrOk);
  EXPECT_TRUE(form->CancelButton->Cancel());
  EXPECT_EQ(form->CancelButton->ModalResult(), mrCancel);
  EXPECT_EQ(form->OkButton->TabOrder(), 0);
  EXPECT_EQ(form->CancelButton->TabOrder(), 1);
  EXPECT_EQ(form->HoleSizeGroupBox->TabOrder(), 2);
  const RECT ok = form->OkButton->BoundsRect();
  EXPECT_EQ(ok.left, 86);
  EXPECT_EQ(ok.top, 64);
  const RECT edit = form->HoleSizeEdit->BoundsRect();
  EXPECT_EQ(edit.right - edit.left, 215);
  EXPECT_EQ(edit.bottom - edit.top, 21);
}

TEST(EditHoleSizeForm, TypingGoesIntoTheBoxAndEnterOrEscapeEndIt) {
  for (WORD key : {WORD{VK_RETURN}, WORD{VK_ESCAPE}}) {
    std::unique_ptr<TEditHoleSizeForm> form(make_form<TEditHoleSizeForm>(nullptr));
    HWND focus = nullptr;
    const TModalResult result = RunModalSteps(
        *form, {[&] {
                  focus = GetFocus();
                  SetWindowTextW(form->HoleSizeEdit->Handle(), L"");
                },
                [&] {
                  for (char c : std::string("25mil")) PressChar(*form->HoleSizeEdit, c, false);
                },
                [&] { PressKey(*form->HoleSizeEdit, key); }});
    EXPECT_EQ(focus, form->HoleSizeEdit->Handle());
    EXPECT_EQ(result, key == VK_RETURN ? mrOk : mrCancel);
    EXPECT_EQ(form->HoleSizeEdit->State(), 250000) << form->HoleSizeEdit->Text();
  }
}

}  // namespace
