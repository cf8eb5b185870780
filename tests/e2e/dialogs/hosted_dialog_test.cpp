// The Hole Size Editor is a server dialog with a designed (not sizeable) frame: in the host kit it
// opens owned by the host's main window, centred on the monitor of the active window, with the
// caption's help button, and it leaves no bounds behind when it closes. The test program looks at
// the editor's window from outside while the host's script waits for it to close.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/text_convert.h"
#include "base/unique_handle.h"

namespace {

constexpr wchar_t kEditorCaption[] = L"Hole Size Editor";
constexpr DWORD kRunLimitMs = 90000;

std::wstring case_folder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp) + L"tavrin-e2e-dialogs";
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

void write_file(const std::wstring& path, const std::string& text) {
  UniqueKernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (file.get() != INVALID_HANDLE_VALUE)
    WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string read_file(const std::wstring& path) {
  UniqueKernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string text;
  if (file.get() == INVALID_HANDLE_VALUE) return text;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  return text;
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

struct HostRun {
  bool started = false;
  bool timedOut = false;
  DWORD exitCode = 0;
  std::string output;
  std::string trace;
  SeenDialog seen;
};

// Runs "Run" on the demo board with the script; while the host runs, the editor's window is
// looked at once it shows and then closed as its close box would close it.
HostRun run_host_and_close_editor(const std::wstring& folder, const std::string& script,
                                  const std::string& settings) {
  HostRun run;
  std::wstring scriptPath = folder + L"\\case.script", settingsPath = folder + L"\\settings.ini";
  std::wstring outputPath = folder + L"\\output.txt", tracePath = folder + L"\\trace.txt";
  write_file(scriptPath, script);
  write_file(settingsPath, settings);
  std::wstring command = std::wstring(L"\"") + TAVRIN_HOST_EXE + L"\" --no-test-mode --board \"" +
                         TAVRIN_SOURCE_DIR + L"\\hostkit\\automation-scripts\\demo-board.json\"" +
                         L" --command Run --script \"" + scriptPath + L"\" --settings \"" +
                         settingsPath + L"\" --trace \"" + tracePath + L"\"";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  UniqueKernelHandle output(CreateFileW(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output.get();
  startup.hStdError = output.get();
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                      &startup, &process))
    return run;
  run.started = true;
  UniqueKernelHandle process_handle(process.hProcess), thread_handle(process.hThread);
  DWORD waited = 0;
  while (WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT) {
    waited += 50;
    if (waited > kRunLimitMs) {
      run.timedOut = true;
      TerminateProcess(process.hProcess, 99);
      WaitForSingleObject(process.hProcess, INFINITE);
      break;
    }
    HWND dialog = run.seen.found ? nullptr : FindWindowW(nullptr, kEditorCaption);
    if (!dialog || !IsWindowVisible(dialog)) continue;
    SeenDialog& seen = run.seen;
    seen.found = true;
    HWND owner = GetWindow(dialog, GW_OWNER);
    seen.ownerCaption = window_text(owner);
    GetWindowRect(dialog, &seen.rect);
    seen.style = GetWindowLongW(dialog, GWL_STYLE);
    seen.exStyle = GetWindowLongW(dialog, GWL_EXSTYLE);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &info);
    seen.monitor = info.rcMonitor;
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  }
  GetExitCodeProcess(process.hProcess, &run.exitCode);
  output.reset();
  run.output = read_file(outputPath);
  run.trace = read_file(tracePath);
  return run;
}

bool editor_bounds_stored() {
  UniqueHkey key;
  return RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Quorvel2004\\Plenvik\\Forms\\THoleSizeEditor", 0,
                       KEY_READ, key.put()) == ERROR_SUCCESS;
}

TEST(HostedServerDialog, OpensOwnedByTheHostCentredWithTheHelpButton) {
  HostRun run = run_host_and_close_editor(
      case_folder(), "timeout 60\nwait-window \"Hole Size Editor\"\nwait-no-window \"Hole Size Editor\"\n",
      "[DialogFont]\r\nName=Tahoma\r\nSize=10\r\n");
  ASSERT_TRUE(run.started);
  ASSERT_TRUE(run.seen.found) << run.output;
  EXPECT_FALSE(run.timedOut) << run.output;
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_NE(run.output.find("script: done"), std::string::npos) << run.output;

  const SeenDialog& seen = run.seen;
  EXPECT_EQ(seen.ownerCaption, L"Tavrin Host");
  EXPECT_NE(seen.exStyle & WS_EX_CONTEXTHELP, 0);
  EXPECT_EQ(seen.style & WS_THICKFRAME, 0);
  int width = seen.rect.right - seen.rect.left, height = seen.rect.bottom - seen.rect.top;
  EXPECT_EQ(seen.rect.left, (seen.monitor.left + seen.monitor.right - width) / 2);
  EXPECT_EQ(seen.rect.top, (seen.monitor.top + seen.monitor.bottom - height) / 2);
  // The host was asked for its dialog font, and it prescribed one.
  EXPECT_NE(run.trace.find("IClient.QueryDialogFont(0) -> 0x00000000 exists=1 name=\"Tahoma\""),
            std::string::npos)
      << run.trace;
  EXPECT_FALSE(editor_bounds_stored());
}

}  // namespace
