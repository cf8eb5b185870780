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

std::wstring CaseFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp) + L"tavrin-e2e-dialogs";
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

void WriteFileText(const std::wstring& path, const std::string& text) {
  TUniqueKernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (file.get() != INVALID_HANDLE_VALUE)
    WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string ReadFileText(const std::wstring& path) {
  TUniqueKernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string text;
  if (file.get() == INVALID_HANDLE_VALUE) return text;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  return text;
}

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

struct THostRun {
  bool started = false;
  bool timed_out = false;
  DWORD exit_code = 0;
  std::string output;
  std::string trace;
  TSeenDialog seen;
};

// Runs "Run" on the demo board with the script; while the host runs, the editor's window is
// looked at once it shows and then closed as its close box would close it.
THostRun RunHostAndCloseEditor(const std::wstring& folder, const std::string& script,
                                  const std::string& settings) {
  THostRun run;
  std::wstring script_path = folder + L"\\case.script", settings_path = folder + L"\\settings.ini";
  std::wstring output_path = folder + L"\\output.txt", trace_path = folder + L"\\trace.txt";
  WriteFileText(script_path, script);
  WriteFileText(settings_path, settings);
  std::wstring command = std::wstring(L"\"") + TAVRIN_HOST_EXE + L"\" --no-test-mode --board \"" +
                         TAVRIN_SOURCE_DIR + L"\\hostkit\\automation-scripts\\demo-board.json\"" +
                         L" --command Run --script \"" + script_path + L"\" --settings \"" +
                         settings_path + L"\" --trace \"" + trace_path + L"\"";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  TUniqueKernelHandle output(CreateFileW(output_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
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
  TUniqueKernelHandle process_handle(process.hProcess), thread_handle(process.hThread);
  DWORD waited = 0;
  while (WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT) {
    waited += 50;
    if (waited > kRunLimitMs) {
      run.timed_out = true;
      TerminateProcess(process.hProcess, 99);
      WaitForSingleObject(process.hProcess, INFINITE);
      break;
    }
    HWND dialog = run.seen.found ? nullptr : FindWindowW(nullptr, kEditorCaption);
    if (!dialog || !IsWindowVisible(dialog)) continue;
    TSeenDialog& seen = run.seen;
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
  GetExitCodeProcess(process.hProcess, &run.exit_code);
  output.reset();
  run.output = ReadFileText(output_path);
  run.trace = ReadFileText(trace_path);
  return run;
}

bool EditorBoundsStored() {
  TUniqueHkey key;
  return RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Quorvel2004\\Plenvik\\Forms\\THoleSizeEditor", 0,
                       KEY_READ, key.Put()) == ERROR_SUCCESS;
}

TEST(HostedServerDialog, OpensOwnedByTheHostCentredWithTheHelpButton) {
  THostRun run = RunHostAndCloseEditor(
      CaseFolder(), "timeout 60\nwait-window \"Hole Size Editor\"\nwait-no-window \"Hole Size Editor\"\n",
      "[DialogFont]\r\nName=Tahoma\r\nSize=10\r\n");
  ASSERT_TRUE(run.started);
  ASSERT_TRUE(run.seen.found) << run.output;
  EXPECT_FALSE(run.timed_out) << run.output;
  EXPECT_EQ(run.exit_code, 0u) << run.output;
  EXPECT_NE(run.output.find("script: done"), std::string::npos) << run.output;

  const TSeenDialog& seen = run.seen;
  EXPECT_EQ(seen.owner_caption, L"Tavrin Host");
  EXPECT_NE(seen.ex_style & WS_EX_CONTEXTHELP, 0);
  EXPECT_EQ(seen.style & WS_THICKFRAME, 0);
  int width = seen.rect.right - seen.rect.left, height = seen.rect.bottom - seen.rect.top;
  EXPECT_EQ(seen.rect.left, (seen.monitor.left + seen.monitor.right - width) / 2);
  EXPECT_EQ(seen.rect.top, (seen.monitor.top + seen.monitor.bottom - height) / 2);
  // The host was asked for its dialog font, and it prescribed one.
  EXPECT_NE(run.trace.find("IClient.QueryDialogFont(0) -> 0x00000000 exists=1 name=\"Tahoma\""),
            std::string::npos)
      << run.trace;
  EXPECT_FALSE(EditorBoundsStored());
}

}  // namespace
