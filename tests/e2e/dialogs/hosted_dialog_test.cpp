// The Hole Size Editor is a server dialog with a designed (not sizeable) frame: in the host kit it
// opens owned by the host's main window, centred on the monitor of the active window, with the
// caption's help button, and it leaves no bounds behind when it closes. The test program looks at
// the editor's window from outside while the host's script waits for it to close.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/unique_handle.h"
#include "tests/e2e/support/host_run.h"
#include "tests/win/support/own_window.h"

namespace {

constexpr wchar_t kEditorCaption[] = L"Hole Size Editor";

std::wstring WindowText(HWND window) {
  wchar_t text[256] = {};
  if (window) GetWindowTextW(window, text, 256);
  return text;
}

struct TSeenDialog {
  bool found = false;
  std::wstring owner_caption;
  RECT rect{};
  LONG style = 0, ex_style = 0;
  RECT monitor{};
};

// Looks at the editor's window once it shows, then closes it as its close box would.
void LookAtEditorAndClose(DWORD process_id, TSeenDialog& seen) {
  HWND dialog = seen.found ? nullptr : FindProcessWindow(process_id, nullptr, kEditorCaption);
  if (!dialog) return;
  seen.found = true;
  HWND owner = GetWindow(dialog, GW_OWNER);
  seen.owner_caption = WindowText(owner);
  GetWindowRect(dialog, &seen.rect);
  seen.style = GetWindowLongW(dialog, GWL_STYLE);
  seen.ex_style = GetWindowLongW(dialog, GWL_EXSTYLE);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &info);
  seen.monitor = info.rcMonitor;
  PostMessageW(dialog, WM_CLOSE, 0, 0);
}

bool EditorBoundsStored() {
  TUniqueHkey key;
  return RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Quorvel2004\\Plenvik\\Forms\\THoleSizeEditor", 0,
                       KEY_READ, key.Put()) == ERROR_SUCCESS;
}

TEST(HostedServerDialog, OpensOwnedByTheHostCentredWithTheHelpButton) {
  const std::wstring folder = TempFolder(L"tavrin-e2e-dialogs");
  const std::wstring script = folder + L"\\case.script", settings = folder + L"\\settings.ini";
  const std::wstring trace_path = folder + L"\\trace.txt";
  WriteTextFile(script,
                "timeout 60\nwait-window \"Hole Size Editor\"\nwait-no-window \"Hole Size Editor\"\n");
  WriteTextFile(settings, "[DialogFont]\r\nName=Tahoma\r\nSize=10\r\n");
  TSeenDialog seen;
  THostLaunch launch;
  launch.Arguments = {L"--no-test-mode", L"--board",
                      TAVRIN_SOURCE_DIR L"\\hostkit\\automation-scripts\\demo-board.json",
                      L"--command", L"Run", L"--script", script, L"--settings", settings,
                      L"--trace", trace_path};
  launch.Folder = folder;
  launch.WhileRunning = [&](DWORD process_id) { LookAtEditorAndClose(process_id, seen); };
  THostExit run = LaunchHost(launch);
  const std::string trace = ReadTextFile(trace_path);
  ASSERT_TRUE(run.Started) << run.Output;
  ASSERT_TRUE(seen.found) << run.Output;
  EXPECT_FALSE(run.TimedOut) << run.Output;
  EXPECT_EQ(run.ExitCode, 0u) << run.Output;
  EXPECT_NE(run.Output.find("script: done"), std::string::npos) << run.Output;

  EXPECT_EQ(seen.owner_caption, L"Tavrin Host");
  EXPECT_NE(seen.ex_style & WS_EX_CONTEXTHELP, 0);
  EXPECT_EQ(seen.style & WS_THICKFRAME, 0);
  int width = seen.rect.right - seen.rect.left, height = seen.rect.bottom - seen.rect.top;
  EXPECT_EQ(seen.rect.left, (seen.monitor.left + seen.monitor.right - width) / 2);
  EXPECT_EQ(seen.rect.top, (seen.monitor.top + seen.monitor.bottom - height) / 2);
  // The host was asked for its dialog font, and it prescribed one.
  EXPECT_NE(trace.find("IClient.QueryDialogFont(0) -> 0x00000000 exists=1 name=\"Tahoma\""),
            std::string::npos)
      << trace;
  EXPECT_FALSE(EditorBoundsStored());
}

}  // namespace
