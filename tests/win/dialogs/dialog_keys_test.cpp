#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>

#include <algorithm>

#include "base/unique_handle.h"
#include "tests/win/dialogs/dialog_fixture.h"

namespace {

class DialogKeys : public DialogTest {
 protected:
  DialogKeys() {
    dialog = Make<TFixedDialog>();
    dialog->Show();
    SetForegroundWindow(dialog->Handle());
    SetActiveWindow(dialog->Handle());
    Pump();
  }
  ~DialogKeys() override {
    native.reset();
    dialog->Hide();
  }

  // A native edit inside the group box, as a control the framework did not make.
  HWND MakeNativeChild() {
    native.reset(CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 150, 20, 100,
                                 21, dialog->Group->Handle(), nullptr, GetModuleHandleW(nullptr),
                                 nullptr));
    return native.get();
  }

  bool Logged(const std::string& entry) const {
    const auto& log = host.ui_log;
    return std::find(log.begin(), log.end(), entry) != log.end();
  }

  // A help request as the window system sends it: to the window under the caption's help button
  // pointer, from where a child's default processing passes it up to the dialog.
  void SendHelp(HWND item, int context_type = HELPINFO_WINDOW) {
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = context_type;
    info.hItemHandle = item;
    info.MousePos = {30, 40};
    SendMessageW(item, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  }

  std::unique_ptr<TFixedDialog> dialog;
  TUniqueHwnd native;
};

struct TTabCase {
  const char* name;
  TShiftState shift;
  bool handled;
  const char* focused;  // the control that has the focus afterwards; "" for the native child
};
void PrintTo(const TTabCase& c, std::ostream* os) { *os << c.name; }


class TabFromANativeChild : public DialogKeys, public ::testing::WithParamInterface<TTabCase> {};

TEST_P(TabFromANativeChild, MovesInTabOrderOrLeavesTheKeyToTheFramework) {
  const TTabCase& c = GetParam();
  HWND child = MakeNativeChild();
  SetFocus(child);
  ASSERT_EQ(GetFocus(), child);
  EXPECT_EQ(dialog->DialogKey(VK_TAB, c.shift), c.handled);
  std::string focused = GetFocus() == child ? "" : FindControl(GetFocus()) ? FindControl(GetFocus())->Name() : "?";
  EXPECT_EQ(focused, c.focused);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, TabFromANativeChild,
    ::testing::Values(TTabCase{"Tab", {}, true, "FirstEdit"},
                      TTabCase{"ShiftTab", {ssShift}, true, "CancelButton"},
                      TTabCase{"CtrlTab", {ssCtrl}, false, ""},
                      TTabCase{"AltTab", {ssAlt}, false, ""},
                      TTabCase{"CtrlShiftTab", {ssCtrl, ssShift}, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogKeys, ATabKeyPressedInANativeChildReachesTheDialog) {
  HWND child = MakeNativeChild();
  SetFocus(child);
  PostMessageW(child, WM_KEYDOWN, VK_TAB, 1);
  PostMessageW(child, WM_KEYUP, VK_TAB, 0xC0000001);
  Pump();
  EXPECT_EQ(GetFocus(), dialog->FirstEdit->Handle());
}

TEST_F(DialogKeys, OtherDialogKeysGoToTheFramework) {
  // Escape presses the cancel button, as the framework does for every form.
  EXPECT_TRUE(dialog->DialogKey(VK_ESCAPE, {}));
  EXPECT_EQ(dialog->ModalResult(), mrCancel);
}

TEST_F(DialogKeys, F1AsksForHelpOnTheControlAboutToGetIt) {
  EXPECT_TRUE(dialog->ChildKey(dialog->SecondEdit, VK_F1, {}));
  ASSERT_EQ(dialog->help_requests.size(), 1u);
  EXPECT_EQ(dialog->help_requests[0], dialog->SecondEdit);
  EXPECT_TRUE(dialog->F1Handled());
  EXPECT_TRUE(host.ui_log.empty());
}

TEST_F(DialogKeys, F1PressedInAControlIsRoutedThroughTheMessageLoop) {
  dialog->FirstEdit->SetFocus();
  PostMessageW(dialog->FirstEdit->Handle(), WM_KEYDOWN, VK_F1, 1);
  Pump();
  ASSERT_EQ(dialog->help_requests.size(), 1u);
  EXPECT_EQ(dialog->help_requests[0], dialog->FirstEdit);
}

struct TModifiedF1Case {
  const char* name;
  TShiftState shift;
  bool host_takes_it;
  const char* offered;
};
void PrintTo(const TModifiedF1Case& c, std::ostream* os) { *os << c.name; }


class ModifiedF1 : public DialogKeys, public ::testing::WithParamInterface<TModifiedF1Case> {};

TEST_P(ModifiedF1, GoesToTheHostInsteadOfTopicHelp) {
  const TModifiedF1Case& c = GetParam();
  host.ui_manager.takes_keys = c.host_takes_it;
  EXPECT_TRUE(dialog->ChildKey(dialog->FirstEdit, VK_F1, c.shift));
  EXPECT_TRUE(dialog->help_requests.empty());
  EXPECT_TRUE(dialog->F1Handled());
  std::vector<std::string> expected{c.offered};
  if (c.host_takes_it) expected.push_back("AfterKeyHandled");
  EXPECT_EQ(host.ui_log, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, ModifiedF1,
    ::testing::Values(TModifiedF1Case{"Shift", {ssShift}, false, "OfferKey 112 0 -1 0"},
                      TModifiedF1Case{"Ctrl", {ssCtrl}, true, "OfferKey 112 0 0 -1"},
                      TModifiedF1Case{"AltShift", {ssAlt, ssShift}, false, "OfferKey 112 -1 -1 0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogKeys, OtherChildKeysAreNotTaken) {
  EXPECT_FALSE(dialog->ChildKey(dialog->FirstEdit, VK_F2, {}));
  EXPECT_FALSE(dialog->F1Handled());
  EXPECT_TRUE(dialog->help_requests.empty());
}

TEST_F(DialogKeys, AHelpRequestAfterF1IsIgnoredOnceThenShowsTheWhatsThisPopup) {
  ASSERT_TRUE(dialog->ChildKey(dialog->FirstEdit, VK_F1, {}));
  SendHelp(dialog->FirstEdit->Handle());
  EXPECT_FALSE(dialog->F1Handled());
  EXPECT_FALSE(Logged("SetStatusText -1 \"\""));
  SendHelp(dialog->FirstEdit->Handle());
  EXPECT_TRUE(Logged("SetStatusText -1 \"\""));
  EXPECT_FALSE(dialog->F1Handled());
}

TEST_F(DialogKeys, HelpRequestsForMenuItemsGoToTheFramework) {
  ASSERT_TRUE(dialog->ChildKey(dialog->FirstEdit, VK_F1, {}));
  SendHelp(dialog->FirstEdit->Handle(), HELPINFO_MENUITEM);
  EXPECT_TRUE(dialog->F1Handled());
  EXPECT_TRUE(host.ui_log.empty());
}

}  // namespace
