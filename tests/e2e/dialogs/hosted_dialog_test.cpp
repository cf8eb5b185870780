// The Hole Size Editor is a server dialog with a designed (not sizeable) frame: in the host kit it
// opens owned by the host's main window, centred on the monitor of the active window, with the
// caption's help button, and it leaves no bounds behind when it closes.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "base/unique_handle.h"
#include "board_text.h"
#include "host_run.h"

namespace {

constexpr wchar_t kEditorCaption[] = L"Hole Size Editor";

std::string case_name() {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  return std::string("dialogs.") + info->test_suite_name() + "." + info->name();
}

std::wstring window_text(HWND window) {
  wchar_t text[256] = {};
  if (window) GetWindowTextW(window, text, 256);
  return text;
}

struct SeenDialog {
  bool found = false;
  std::wstring ownerCaption;
  RECT rect{};
  LONG style = 0, exStyle = 0;
  RECT monitor{};
};

// Waits for the editor's window, notes what it looks like, then closes it as the close box would.
SeenDialog look_at_editor_then_close_it() {
  SeenDialog seen;
  for (int i = 0; i < 600 && !seen.found; ++i) {
    HWND dialog = FindWindowW(nullptr, kEditorCaption);
    if (!dialog || !IsWindowVisible(dialog)) {
      Sleep(100);
      continue;
    }
    seen.found = true;
    seen.ownerCaption = window_text(GetWindow(dialog, GW_OWNER));
    GetWindowRect(dialog, &seen.rect);
    seen.style = GetWindowLongW(dialog, GWL_STYLE);
    seen.exStyle = GetWindowLongW(dialog, GWL_EXSTYLE);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(GetWindow(dialog, GW_OWNER), MONITOR_DEFAULTTONEAREST), &info);
    seen.monitor = info.rcMonitor;
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  }
  return seen;
}

bool editor_bounds_stored() {
  UniqueHkey key;
  return RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Quorvel2004\\Plenvik\\Forms\\THoleSizeEditor", 0,
                       KEY_READ, key.put()) == ERROR_SUCCESS;
}

TEST(HostedServerDialog, OpensOwnedByTheHostCentredWithTheHelpButton) {
  THostCase host(case_name());
  host.write("settings.ini", "[DialogFont]\r\nName=Tahoma\r\nSize=10\r\n");
  SeenDialog seen;
  std::thread looker([&] { seen = look_at_editor_then_close_it(); });
  THostResult result = host.run_editor(
      board_text(true, pads(2, 118110)),
      "timeout 60\nwait-window \"Hole Size Editor\"\nwait-no-window \"Hole Size Editor\"\n",
      {L"--settings", host.Folder() + L"\\settings.ini"});
  looker.join();
  ASSERT_TRUE(seen.found) << result.Output;
  EXPECT_FALSE(result.TimedOut) << result.Output;
  EXPECT_TRUE(result.printed("script: done")) << result.Output;

  EXPECT_EQ(seen.ownerCaption, L"Tavrin Host");
  EXPECT_NE(seen.exStyle & WS_EX_CONTEXTHELP, 0);
  EXPECT_EQ(seen.style & WS_THICKFRAME, 0);
  int width = seen.rect.right - seen.rect.left, height = seen.rect.bottom - seen.rect.top;
  EXPECT_EQ(seen.rect.left, (seen.monitor.left + seen.monitor.right - width) / 2);
  EXPECT_EQ(seen.rect.top, (seen.monitor.top + seen.monitor.bottom - height) / 2);
  // The host was asked for its dialog font and prescribed one.
  bool asked = false;
  for (const std::string& line : result.trace_starting("IClient.QueryDialogFont"))
    asked = asked || line.find("Tahoma") != std::string::npos;
  EXPECT_TRUE(asked) << result.Output;
  EXPECT_FALSE(editor_bounds_stored());
}

}  // namespace
