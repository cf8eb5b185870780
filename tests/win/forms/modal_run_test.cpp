#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "forms/application.h"
#include "tests/win/forms/modal_form.h"
#include "tests/win/support/ui_driver.h"

namespace {

TEST(ModalRun, LayoutComponentsAndCreationEvent) {
  std::unique_ptr<TModalForm> form(make_form<TModalForm>(nullptr));
  ASSERT_NE(form->OkButton, nullptr);
  EXPECT_EQ(form->Name(), "ModalForm");
  EXPECT_EQ(form->OkButton->Caption(), "OK");
  EXPECT_EQ(form->OkButton->Parent(), form.get());
  EXPECT_EQ(form->created, 1);
  EXPECT_EQ(form->ClientWidth(), 240);
  EXPECT_EQ(form->ClientHeight(), 100);
  EXPECT_EQ(form->DefaultButtonControl(), form->OkButton);
  EXPECT_EQ(form->CancelButtonControl(), form->CancelButton);
}

struct TModalCase {
  const char* name;
  // Runs once the dialog shows; ends it the way the user would.
  void (*act)(TModalForm& form);
  TModalResult expected;
};

class ModalRunEnds : public ::testing::TestWithParam<TModalCase> {};

TEST_P(ModalRunEnds, WithTheRightResultAndTheOwnerEnabledAgain) {
  TOwnerWindow owner;
  std::unique_ptr<TModalForm> form(make_form<TModalForm>(nullptr));
  form->HandleNeeded();
  SetWindowLongPtrW(form->Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner.get()));
  bool owner_disabled_while_running = false;
  TModalResult result = RunModalWith(*form, [&] {
    owner_disabled_while_running = !IsWindowEnabled(owner.get());
    GetParam().act(*form);
  });
  EXPECT_EQ(result, GetParam().expected);
  EXPECT_TRUE(owner_disabled_while_running);
  EXPECT_TRUE(IsWindowEnabled(owner.get()));
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ModalRunEnds,
    ::testing::Values(
        TModalCase{"OkButton", [](TModalForm& f) { ClickButton(*f.OkButton); }, mrOk},
        TModalCase{"CancelButton", [](TModalForm& f) { ClickButton(*f.CancelButton); }, mrCancel},
        TModalCase{"Enter", [](TModalForm& f) { PressKey(*f.ThrowButton, VK_RETURN); }, mrOk},
        TModalCase{"EnterOnCancelButton", [](TModalForm& f) {
                   f.CancelButton->SetFocus();
                   PressKey(*f.CancelButton, VK_RETURN);
                 }, mrCancel},
        TModalCase{"Escape", [](TModalForm& f) { PressKey(*f.OkButton, VK_ESCAPE); }, mrCancel},
        TModalCase{"CloseBox", [](TModalForm& f) { PostMessageW(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }, mrCancel}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
