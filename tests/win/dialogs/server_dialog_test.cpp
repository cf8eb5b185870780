#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>

#include <stdexcept>

#include "base/exceptions.h"
#include "base/scope_guard.h"
#include "dialogs/form_placement.h"
#include "forms/application.h"
#include "tests/win/dialogs/dialog_fixture.h"

namespace {

bool has_size_entry(HWND window) {
  HMENU menu = GetSystemMenu(window, FALSE);
  return menu && GetMenuState(menu, SC_SIZE, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

RECT primary_monitor() {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  return info.rcMonitor;
}

using ServerDialogFrame = DialogTest;

TEST_F(ServerDialogFrame, DesignedDialogIsNotResizableButHasTheHelpButton) {
  auto dialog = make<TFixedDialog>();
  HWND window = dialog->Handle();
  EXPECT_FALSE(dialog->Sizeable());
  EXPECT_EQ(dialog->BorderStyle(), bsDialog);
  EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & WS_THICKFRAME, 0);
  EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CONTEXTHELP, 0);
  EXPECT_FALSE(has_size_entry(window));
  // The layout asked for the window menu only; a server dialog always gets the help button too.
  EXPECT_EQ(dialog->BorderIcons(), (TBorderIcons{biSystemMenu, biHelp}));
  EXPECT_EQ(dialog->ClientWidth(), 320);
  EXPECT_EQ(dialog->ClientHeight(), 180);
}

TEST_F(ServerDialogFrame, SizeableLayoutGivesADialogWithAResizableFrame) {
  auto dialog = make<TPlainDialog>();
  HWND window = dialog->Handle();
  EXPECT_TRUE(dialog->Sizeable());
  EXPECT_EQ(dialog->BorderStyle(), bsDialog);
  EXPECT_NE(GetWindowLongW(window, GWL_STYLE) & WS_THICKFRAME, 0);
  EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CONTEXTHELP, 0);
  EXPECT_TRUE(has_size_entry(window));
}

TEST_F(ServerDialogFrame, OwnedByTheHostsMainWindow) {
  auto fixed = make<TFixedDialog>();
  auto plain = make<TPlainDialog>();
  EXPECT_EQ(GetWindow(fixed->Handle(), GW_OWNER), host.mainWindow.get());
  EXPECT_EQ(GetWindow(plain->Handle(), GW_OWNER), host.mainWindow.get());
  // Recreating the window keeps the owner.
  plain->RecreateWnd();
  EXPECT_EQ(GetWindow(plain->Handle(), GW_OWNER), host.mainWindow.get());
}

class ServerDialogWithoutClient : public DialogTest {
 protected:
  ServerDialogWithoutClient() : DialogTest(false) {}
};

TEST_F(ServerDialogWithoutClient, IsAnUnownedWindowWithoutHostFont) {
  auto dialog = make<TFixedDialog>();
  EXPECT_EQ(GetWindow(dialog->Handle(), GW_OWNER), nullptr);
  EXPECT_FALSE(dialog->UseHostFont());
  EXPECT_EQ(dialog->FirstEdit->Font()->Name(), "MS Sans Serif");
}

TEST_F(ServerDialogFrame, ConstructionAsksTheHostFirstAndFiresTheCreationEventBeforeCentring) {
  SetActiveWindow(host.mainWindow.get());
  auto dialog = make<TFixedDialog>();
  ASSERT_EQ(dialog->events.size(), 3u);
  EXPECT_EQ(dialog->events[0], "UsesHostFont components=0");
  EXPECT_EQ(dialog->events[1], "UsesLocaleFont components=0");
  EXPECT_EQ(dialog->events[2], "FormCreate left=40");
  EXPECT_TRUE(dialog->HelpEnabled());
  EXPECT_TRUE(dialog->ShowHint());
  // Then it was centred on the full bounds of the active window's monitor.
  RECT monitor = primary_monitor();
  EXPECT_EQ(dialog->Left(), (monitor.left + monitor.right - dialog->Width()) / 2);
  EXPECT_EQ(dialog->Top(), (monitor.top + monitor.bottom - dialog->Height()) / 2);
}

struct CentringCase {
  const char* name;
  RECT monitor;
  int width, height;
  int left, top;
};
void PrintTo(const CentringCase& c, std::ostream* os) { *os << c.name; }


class CentringOnAMonitor : public DialogTest, public ::testing::WithParamInterface<CentringCase> {};

TEST_P(CentringOnAMonitor, TruncatesTheHalvesTowardZero) {
  const CentringCase& c = GetParam();
  auto dialog = make<TFixedDialog>();
  dialog->SetBounds(0, 0, c.width, c.height);
  CenterOnMonitorBounds(*dialog, c.monitor);
  EXPECT_EQ(dialog->Left(), c.left);
  EXPECT_EQ(dialog->Top(), c.top);
  EXPECT_EQ(dialog->Width(), c.width);
  EXPECT_EQ(dialog->Height(), c.height);
  RECT r{};
  GetWindowRect(dialog->Handle(), &r);
  EXPECT_EQ(r.left, c.left);
  EXPECT_EQ(r.top, c.top);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, CentringOnAMonitor,
    ::testing::Values(
        CentringCase{"Primary", {0, 0, 1024, 768}, 301, 201, 361, 283},
        // Left of the primary monitor: -1581 / 2 is -790, not -791.
        CentringCase{"LeftOfPrimary", {-1280, -200, 0, 824}, 301, 201, -790, 211},
        CentringCase{"AboveAndLeft", {-1920, -1080, 0, 0}, 301, 201, -1110, -640},
        CentringCase{"LargerThanTheMonitor", {-800, 0, 0, 600}, 1001, 701, -900, -50}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ServerDialogFrame, ScreenCentrePositionDoesNotMoveTheDialogWhenShown) {
  auto dialog = make<TFixedDialog>();
  ASSERT_EQ(dialog->Position(), poScreenCenter);
  dialog->SetBounds(7, 9, dialog->Width(), dialog->Height());
  dialog->Show();
  pump();
  EXPECT_TRUE(IsWindowVisible(dialog->Handle()));
  EXPECT_EQ(dialog->Left(), 7);
  EXPECT_EQ(dialog->Top(), 9);
  EXPECT_EQ(dialog->events.back(), "FormShow");
  EXPECT_FALSE(dialog->FormState().Contains(fsShowing));
  dialog->Hide();
}

TEST_F(ServerDialogFrame, AFailingShowEventIsReportedAndTheDialogStillShows) {
  auto dialog = make<TFixedDialog>();
  std::string reported;
  Application->OnException = [&](TObject*, Exception& e) { reported = e.Message(); };
  auto restore = on_scope_exit([] { Application->OnException = nullptr; });
  dialog->onShow = [] { throw Exception("show failed"); };
  dialog->Show();
  EXPECT_EQ(reported, "show failed");
  EXPECT_TRUE(IsWindowVisible(dialog->Handle()));
  EXPECT_FALSE(dialog->FormState().Contains(fsShowing));
  dialog->Hide();
}

TEST_F(ServerDialogFrame, ShowsWithTheCommandOfItsWindowState) {
  auto dialog = make<TPlainDialog>();
  dialog->SetPosition(poScreenCenter);
  dialog->SetWindowState(wsMaximized);
  dialog->Show();
  EXPECT_TRUE(IsZoomed(dialog->Handle()));
  dialog->Hide();
}

}  // namespace
