#include "frame/acrobat_reader_warning.h"

#include <gtest/gtest.h>

#include <memory>

#include "forms/button.h"

namespace {

RECT Bounds(TControl* control) {
  return {control->Left(), control->Top(), control->Left() + control->Width(), control->Top() + control->Height()};
}

void ExpectBounds(TControl* control, RECT expected) {
  RECT got = Bounds(control);
  EXPECT_EQ(got.left, expected.left) << control->Name();
  EXPECT_EQ(got.top, expected.top) << control->Name();
  EXPECT_EQ(got.right, expected.right) << control->Name();
  EXPECT_EQ(got.bottom, expected.bottom) << control->Name();
}

TEST(AcrobatReaderWarning, LayoutAndResizing) {
  std::unique_ptr<TAcrobatReaderWarning> form(make_form_without_layout<TAcrobatReaderWarning>(nullptr));
  form->HandleNeeded();
  EXPECT_EQ(form->Caption(), "Warning");
  EXPECT_EQ(form->ClientWidth(), 402);
  EXPECT_EQ(form->ClientHeight(), 126);
  ExpectBounds(form->Label1, {52, 8, 396, 53});
  ExpectBounds(form->Label2, {52, 60, 396, 77});
  ExpectBounds(form->ButtonOK, {323, 92, 398, 117});
  ExpectBounds(form->CheckBox1, {16, 96, 231, 113});
  EXPECT_TRUE(form->ButtonOK->Default());
  EXPECT_EQ(form->ButtonOK->ModalResult(), mrOk);
  EXPECT_EQ(form->CheckBox1->Caption(), "&Don't show this again");

  form->SetClientWidth(502);
  form->SetClientHeight(166);
  ExpectBounds(form->Label1, {52, 8, 496, 53});
  ExpectBounds(form->Label2, {52, 60, 496, 77});
  ExpectBounds(form->ButtonOK, {423, 132, 498, 157});
  ExpectBounds(form->CheckBox1, {16, 136, 331, 153});

  // Never smaller than 380 by 125.
  SetWindowPos(form->Handle(), nullptr, 0, 0, 100, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  EXPECT_GE(window.right - window.left, 380);
  EXPECT_GE(window.bottom - window.top, 125);
  EXPECT_FALSE(form->DontShowAgain());
}

}  // namespace
