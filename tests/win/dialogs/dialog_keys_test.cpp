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
    dialog = make<TFixedDialog>();
    dialog->Show();
    SetForegroundWindow(dialog->Handle());
    SetActiveWindow(dialog->Handle());
    pump();
  }
  ~DialogKeys() override {
    native.reset();
    dialog->Hide();
  }

  // A native edit inside the group box, as a control the framework did not make.
  HWND make_native_child() {
    native.reset(CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 150, 20, 100,
                                 21, dialog->Group->Handle(), nullptr, GetModuleHandleW(nullptr),
                                 nullptr));
    return native.get();
  }

  bool logged(const std::string& entry) const {
    const auto& log = host.client.uiManager.log;
    return std::find(log.begin(), log.end(), entry) != log.end();
  }

  // A help request as the window system sends it: to the window under the caption's help button
  // pointer, from where a child's default processing passes it up to the dialog.
  void send_help(HWND item, int contextType = HELPINFO_WINDOW) {
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = contextType;
    info.hItemHandle = item;
    info.MousePos = {30, 40};
    SendMessageW(item, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  }

  std::unique_ptr<TFixedDialog> dialog;
  UniqueHwnd native;
};

struct TabCase {
  const char* name;
  TShiftState shift;
  bool handled;
  const char* focused;  // the control that has the focus afterwards; "" for the native child
};
void PrintTo(const TabCase& c, std::ostream* os) { *os << c.name; }


class TabFromANativeChild : public DialogKeys, public ::testing::WithParamInterface<TabCase> {};

TEST_P(TabFromANativeChild, MovesInTabOrderOrLeavesTheKeyToTheFramework) {
  const TabCase& c = GetParam();
  HWND child = make_native_child();
  SetFocus(child);
  ASSERT_EQ(GetFocus(), child);
  EXPECT_EQ(dialog->DialogKey(VK_TAB, c.shift), c.handled);
  std::string focused = GetFocus() == child ? "" : FindControl(GetFocus()) ? FindControl(GetFocus())->Name() : "?";
  EXPECT_EQ(focused, c.focused);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, TabFromANativeChild,
    ::testing::Values(TabCase{"Tab", {}, true, "FirstEdit"},
                      TabCase{"ShiftTab", {ssShift}, true, "CancelButton"},
                      TabCase{"CtrlTab", {ssCtrl}, false, ""},
                      TabCase{"AltTab", {ssAlt}, false, ""},
                      TabCase{"CtrlShiftTab", {ssCtrl, ssShift}, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogKeys, ATabKeyPressedInANativeChildReachesTheDialog) {
  HWND child = make_native_child();
  SetFocus(child);
  PostMessageW(child, WM_KEYDOWN, VK_TAB, 1);
  PostMessageW(child, WM_KEYUP, VK_TAB, 0xC0000001);
  pump();
  EXPECT_EQ(GetFocus(), dialog->FirstEdit->Handle());
}

TEST_F(DialogKeys, OtherDialogKeysGoToTheFramework) {
  // Escape presses the cancel button, as the framework does for every form.
  EXPECT_TRUE(dialog->DialogKey(VK_ESCAPE, {}));
  EXPECT_EQ(dialog->ModalResult(), mrCancel);
}

TEST_F(DialogKeys, F1AsksForHelpOnTheControlAboutToGetIt) {
  EXPECT_TRUE(dialog->ChildKey(dialog->SecondEdit, VK_F1, {}));
  ASSERT_EQ(dialog->helpRequests.size(), 1u);
  EXPECT_EQ(dialog->helpRequests[0], dialog->SecondEdit);
  EXPECT_TRUE(dialog->F1Handled());
  EXPECT_TRUE(host.client.uiManager.log.empty());
}

TEST_F(DialogKeys, F1PressedInAControlIsRoutedThroughTheMessageLoop) {
  dialog->FirstEdit->SetFocus();
  PostMessageW(dialog->FirstEdit->Handle(), WM_KEYDOWN, VK_F1, 1);
  pump();
  ASSERT_EQ(dialog->helpRequests.size(), 1u);
  EXPECT_EQ(dialog->helpRequests[0], dialog->FirstEdit);
}

struct ModifiedF1Case {
  const char* name;
  TShiftState shift;
  bool hostTakesIt;
  const char* offered;
};
void PrintTo(const ModifiedF1Case& c, std::ostream* os) { *os << c.name; }


class ModifiedF1 : public DialogKeys, public ::testing::WithParamInterface<ModifiedF1Case> {};

TEST_P(ModifiedF1, GoesToTheHostInsteadOfTopicHelp) {
  const ModifiedF1Case& c = GetParam();
  host.client.uiManager.takesKeys = c.hostTakesIt;
  EXPECT_TRUE(dialog->ChildKey(dialog->FirstEdit, VK_F1, c.shift));
  EXPECT_TRUE(dialog->helpRequests.empty());
  EXPECT_TRUE(dialog->F1Handled());
  std::vector<std::string> expected{c.offered};
  if (c.hostTakesIt) expected.push_back("AfterKeyHandled");
  EXPECT_EQ(host.client.uiManager.log, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, ModifiedF1,
    ::testing::Values(ModifiedF1Case{"Shift", {ssShift}, false, "OfferKey 112 0 -1 0"},
                      ModifiedF1Case{"Ctrl", {ssCtrl}, true, "OfferKey 112 0 0 -1"},
                      ModifiedF1Case{"AltShift", {ssAlt, ssShift}, false, "OfferKey 112 -1 -1 0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogKeys, OtherChildKeysAreNotTaken) {
  EXPECT_FALSE(dialog->ChildKey(dialog->FirstEdit, VK_F2, {}));
  EXPECT_FALSE(dialog->F1Handled());
  EXPECT_TRUE(dialog->helpRequests.empty());
}

TEST_F(DialogKeys, AHelpRequestAfterF1IsIgnoredOnceThenShowsTheWhatsThisPopup) {
  ASSERT_TRUE(dialog->ChildKey(dialog->FirstEdit, VK_F1, {}));
  send_help(dialog->FirstEdit->Handle());
  EXPECT_FALSE(dialog->F1Handled());
  EXPECT_FALSE(logged("SetStatusText -1 ''"));
  send_help(dialog->FirstEdit->Handle());
  EXPECT_TRUE(logged("SetStatusText -1 ''"));
  EXPECT_FALSE(dialog->F1Handled());
}

TEST_F(DialogKeys, HelpRequestsForMenuItemsGoToTheFramework) {
  ASSERT_TRUE(dialog->ChildKey(dialog->FirstEdit, VK_F1, {}));
  send_help(dialog->FirstEdit->Handle(), HELPINFO_MENUITEM);
  EXPECT_TRUE(dialog->F1Handled());
  EXPECT_TRUE(host.client.uiManager.log.empty());
}

}  // namespace
