#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "forms/application.h"
#include "tests/win/forms/modal_form.h"
#include "tests/win/forms/ui_driver.h"

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

struct ModalCase {
  const char* name;
  // Runs once the dialog shows; ends it the way the user would.
  void (*act)(TModalForm& form);
  TModalResult expected;
};

class ModalRunEnds : public ::testing::TestWithParam<ModalCase> {};

TEST_P(ModalRunEnds, WithTheRightResultAndTheOwnerEnabledAgain) {
  OwnerWindow owner;
  std::unique_ptr<TModalForm> form(make_form<TModalForm>(nullptr));
  form->HandleNeeded();
  SetWindowLongPtrW(form->Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner.get()));
  bool owner_disabled_while_running = false;
  TModalResult result = run_modal_with(*form, [&] {
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
        ModalCase{"OkButton", [](TModalForm& f) { click_button(*f.OkButton); }, mrOk},
        ModalCase{"CancelButton", [](TModalForm& f) { click_button(*f.CancelButton); }, mrCancel},
        ModalCase{"Enter", [](TModalForm& f) { press_key(*f.ThrowButton, VK_RETURN); }, mrOk},
        ModalCase{"EnterOnCancelButton", [](TModalForm& f) {
                   f.CancelButton->SetFocus();
                   press_key(*f.CancelButton, VK_RETURN);
                 }, mrCancel},
        ModalCase{"Escape", [](TModalForm& f) { press_key(*f.OkButton, VK_ESCAPE); }, mrCancel},
        ModalCase{"CloseBox", [](TModalForm& f) { PostMessageW(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }, mrCancel}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
