// In test mode a message box never opens: it writes "Running modal dialog CLASS CAPTION" and ends the
// process with exit code 1. Since the box ends the process it is asked for in, a second run of this
// program shows it (a disabled case, run on its own) and the first reads what that run wrote.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/unique_handle.h"
#include "dialogs/message_box_placement.h"
#include "forms/dialogs/message_dialog.h"

namespace {

constexpr wchar_t kTestModeKey[] = L"Software\\Quorvel\\TestMode";

// The test-mode key exists while the object lives.
class TTestModeKey {
 public:
  TTestModeKey() {
    TUniqueHkey key;
    created_ = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kTestModeKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                               key.Put(), nullptr) == ERROR_SUCCESS;
  }
  ~TTestModeKey() { RegDeleteKeyW(HKEY_LOCAL_MACHINE, kTestModeKey); }
  TTestModeKey(const TTestModeKey&) = delete;
  TTestModeKey& operator=(const TTestModeKey&) = delete;
  bool Created() const { return created_; }

 private:
  bool created_ = false;
};

struct TChildRun {
  DWORD exit_code = STILL_ACTIVE;
  std::string output;
};

// Runs this program with only the named case and returns its exit code and standard output. The
// output goes to a file: Wine's helper processes may inherit a pipe and keep it open after the run.
// A run still going after a minute is ended and keeps STILL_ACTIVE as its exit code.
TChildRun RunThisProgramCase(const std::wstring& test_case) {
  TChildRun run;
  wchar_t program[MAX_PATH] = {}, folder[MAX_PATH] = {}, output_path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  GetTempPathW(MAX_PATH, folder);
  GetTempFileNameW(folder, L"tmt", 0, output_path);
  std::wstring command =
      L"\"" + std::wstring(program) + L"\" --gtest_also_run_disabled_tests --gtest_filter=" + test_case;

  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  TUniqueKernelHandle output(CreateFileW(output_path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output.get();
  startup.hStdError = output.get();
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  if (output.get() != INVALID_HANDLE_VALUE &&
      CreateProcessW(program, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    TUniqueKernelHandle process_handle(process.hProcess), thread_handle(process.hThread);
    if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, STILL_ACTIVE);
    WaitForSingleObject(process.hProcess, 5000);
    GetExitCodeProcess(process.hProcess, &run.exit_code);
    SetFilePointer(output.get(), 0, nullptr, FILE_BEGIN);
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(output.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) run.output.append(buffer, got);
  }
  output.reset();
  DeleteFileW(output_path);
  return run;
}

}  // namespace

// Shown only in the second run; in a run of its own without test mode it would wait for a click.
TEST(MessageBoxShownInTestMode, DISABLED_Warning) {
  InstallMessageBoxPlacement();
  MessageDlg("The drill file is read-only.", mtWarning, {mbOK});
  RemoveMessageBoxPlacement();
}

TEST(MessageBoxInTestMode, WritesOneLineAndEndsTheProcessWithExitCodeOne) {
  TTestModeKey key;
  ASSERT_TRUE(key.Created());
  TChildRun run = RunThisProgramCase(L"MessageBoxShownInTestMode.DISABLED_Warning");
  EXPECT_EQ(run.exit_code, 1u) << run.output;
  const std::string line = "Running modal dialog TMessageForm Warning";
  const size_t at = run.output.find(line);
  ASSERT_NE(at, std::string::npos) << run.output;
  EXPECT_TRUE(at == 0 || run.output[at - 1] == '\n') << run.output;
  EXPECT_EQ(run.output.substr(at + line.size(), 1).find_first_not_of("\r\n"), std::string::npos) << run.output;
  // The case never got past the box: the process ended inside it.
  EXPECT_EQ(run.output.find("[       OK ]"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("[  FAILED  ]"), std::string::npos) << run.output;
}
