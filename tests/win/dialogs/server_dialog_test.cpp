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

bool HasSizeEntry(HWND window) {
  HMENU menu = GetSystemMenu(window, FALSE);
  return menu && GetMenuState(menu, SC_SIZE, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

RECT PrimaryMonitor() {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  return info.rcMonitor;
}

using TServerDialogFrame = DialogTest;

TEST_F(TServerDialogFrame, DesignedDialogIsNotResizableButHasTheHelpButton) {
  auto dialog = Make<TFixedDialog>();
  HWND window = dialog->Handle();
  EXPECT_FALSE(dialog->Sizeable());
  EXPECT_EQ(dialog->BorderStyle(), bsDialog);
  EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & WS_THICKFRAME, 0);
  EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CONTEXTHELP, 0);
  EXPECT_FALSE(HasSizeEntry(window));
  // The layout asked for the window menu only; a server dialog always gets the help button too.
  EXPECT_EQ(dialog->BorderIcons(), (TBorderIcons{biSystemMenu, biHelp}));
  EXPECT_EQ(dialog->ClientWidth(), 320);
  EXPECT_EQ(dialog->ClientHeight(), 180);
}

TEST_F(TServerDialogFrame, SizeableLayoutGivesADialogWithAResizableFrame) {
  auto dialog = Make<TPlainDialog>();
  HWND window = dialog->Handle();
  EXPECT_TRUE(dialog->Sizeable());
  EXPECT_EQ(dialog->BorderStyle(), bsDialog);
  EXPECT_NE(GetWindowLongW(window, GWL_STYLE) & WS_THICKFRAME, 0);
  EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CONTEXTHELP, 0);
  EXPECT_TRUE(HasSizeEntry(window));
}

TEST_F(TServerDialogFrame, OwnedByTheHostsMainWindow) {
  auto fixed = Make<TFixedDialog>();
  auto plain = Make<TPlainDialog>();
  EXPECT_EQ(GetWindow(fixed->Handle(), GW_OWNER), host.main_window.get());
  EXPECT_EQ(GetWindow(plain->Handle(), GW_OWNER), host.main_window.get());
  // Recreating the window keeps the owner.
  plain->RecreateWnd();
  EXPECT_EQ(GetWindow(plain->Handle(), GW_OWNER), host.main_window.get());
}

class ServerDialogWithoutClient : public DialogTest {
 protected:
  ServerDialogWithoutClient() : DialogTest(false) {}
};

TEST_F(ServerDialogWithoutClient, IsAnUnownedWindowWithoutHostFont) {
  auto dialog = Make<TFixedDialog>();
  EXPECT_EQ(GetWindow(dialog->Handle(), GW_OWNER), nullptr);
  EXPECT_FALSE(dialog->UseHostFont());
  EXPECT_EQ(dialog->FirstEdit->Font()->Name(), "MS Sans Serif");
}

TEST_F(TServerDialogFrame, ConstructionAsksTheHostFirstAndFiresTheCreationEventBeforeCentring) {
  SetActiveWindow(host.main_window.get());
  auto dialog = Make<TFixedDialog>();
  ASSERT_EQ(dialog->events.size(), 3u);
  EXPECT_EQ(dialog->events[0], "UsesHostFont components=0");
  EXPECT_EQ(dialog->events[1], "UsesLocaleFont components=0");
  EXPECT_EQ(dialog->events[2], "FormCreate left=40");
  EXPECT_TRUE(dialog->HelpEnabled());
  EXPECT_TRUE(dialog->ShowHint());
  // Then it was centred on the full bounds of the active window's monitor.
  RECT monitor = PrimaryMonitor();
  EXPECT_EQ(dialog->Left(), (monitor.left + monitor.right - dialog->Width()) / 2);
  EXPECT_EQ(dialog->Top(), (monitor.top + monitor.bottom - dialog->Height()) / 2);
}

struct TCentringCase {
  const char* name;
  RECT monitor;
  int width, height;
  int left, top;
};
void PrintTo(const TCentringCase& c, std::ostream* os) { *os << c.name; }


class CentringOnAMonitor : public DialogTest, public ::testing::WithParamInterface<TCentringCase> {};

TEST_P(CentringOnAMonitor, TruncatesTheHalvesTowardZero) {
  const TCentringCase& c = GetParam();
  auto dialog = Make<TFixedDialog>();
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
        TCentringCase{"Primary", {0, 0, 1024, 768}, 301, 201, 361, 283},
        // Left of the primary monitor: -1581 / 2 is -790, not -791.
        TCentringCase{"LeftOfPrimary", {-1280, -200, 0, 824}, 301, 201, -790, 211},
        TCentringCase{"AboveAndLeft", {-1920, -1080, 0, 0}, 301, 201, -1110, -640},
        TCentringCase{"LargerThanTheMonitor", {-800, 0, 0, 600}, 1001, 701, -900, -50}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TServerDialogFrame, ScreenCentrePositionDoesNotMoveTheDialogWhenShown) {
  auto dialog = Make<TFixedDialog>();
  ASSERT_EQ(dialog->Position(), poScreenCenter);
  dialog->SetBounds(7, 9, dialog->Width(), dialog->Height());
  dialog->Show();
  Pump();
  EXPECT_TRUE(IsWindowVisible(dialog->Handle()));
  EXPECT_EQ(dialog->Left(), 7);
  EXPECT_EQ(dialog->Top(), 9);
  EXPECT_EQ(dialog->events.back(), "FormShow");
  EXPECT_FALSE(dialog->FormState().Contains(fsShowing));
  dialog->Hide();
}

TEST_F(TServerDialogFrame, AFailingShowEventIsReportedAndTheDialogStillShows) {
  auto dialog = Make<TFixedDialog>();
  std::string reported;
  Application->OnException = [&](TObject*, Exception& e) { reported = e.Message(); };
  auto restore = OnScopeExit([] { Application->OnException = nullptr; });
  dialog->on_show = [] { throw Exception("show failed"); };
  dialog->Show();
  EXPECT_EQ(reported, "show failed");
  EXPECT_TRUE(IsWindowVisible(dialog->Handle()));
  EXPECT_FALSE(dialog->FormState().Contains(fsShowing));
  dialog->Hide();
}

TEST_F(TServerDialogFrame, ShowsWithTheCommandOfItsWindowState) {
  auto dialog = Make<TPlainDialog>();
  dialog->SetPosition(poScreenCenter);
  dialog->SetWindowState(wsMaximized);
  dialog->Show();
  EXPECT_TRUE(IsZoomed(dialog->Handle()));
  dialog->Hide();
}

}  // namespace
