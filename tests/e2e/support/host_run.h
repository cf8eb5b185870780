#pragma once
// End-to-end support: runs TavrinHost.exe (from the build tree's bin folder, next to Tavrin.dll and
// Dralith.dll) as a separate process, waits for it with a fixed time limit, and hands back its exit
// code, its standard output and error (captured whole, in the order written) and its trace
// (docs/host-kit.md describes both). Every e2e suite starts the host through LaunchHost; the two
// front ends below cover the usual shapes of a case.
//
// Quick runs from the bin folder, with a trace in a fresh temporary file:
//   THostRun run = RunHost({L"--document", L"none", L"--command", L"Run"});
//   EXPECT_EQ(run.ExitCode, 0);
//   EXPECT_TRUE(run.OutputHas("host: LaunchCommand -> 0x00000000"));
//   EXPECT_LT(run.TraceIndex("IClient.GetCurrentView"), run.TraceIndex("IClientUiManager.SetStatusText"));
// With THostRunOptions::TestMode the run gets --test-mode, and the test-mode key is removed again
// after the host has ended, whichever way it ended.
//
// Editor cases in a working folder of their own (board, script, trace and saved board inside it):
//   THostCase host(CaseName());
//   THostResult result = host.RunEditor(BoardText(true, Pads(2, 118110)), "click @OKButton\n");
//
// Link: tavrin_e2e_test(<name> SOURCES … [SERIAL]) from tests/e2e/support/e2e.cmake. A suite whose
// runs change what every process of the Wine prefix sees (the test-mode key, the preference
// location in the registry, files in the shared settings folder) must be SERIAL, so that CTest
// runs nothing else while it runs.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// One start of the host.
struct THostLaunch {
  std::vector<std::wstring> Arguments;
  std::wstring Folder;  // the working folder; the bin folder when empty
  DWORD TimeoutMs = 90000;  // the host is killed after this
  // Called every few milliseconds while the host runs with its process id, for tests that look at
  // its windows (other tests' hosts may have windows of the same caption open at the same time).
  std::function<void(DWORD process_id)> WhileRunning;
};

struct THostExit {
  bool Started = false;
  bool TimedOut = false;
  DWORD ExitCode = static_cast<DWORD>(-1);
  std::string Output;  // standard output and error, in the order written
};

THostExit LaunchHost(const THostLaunch& launch);

struct THostRunOptions {
  bool TestMode = false;
  bool WithTrace = true;
  DWORD TimeoutMs = 90000;  // the host is killed after this and the run reports exit code -1
};

struct THostRun {
  int ExitCode = -1;
  std::string Output;                // standard output and standard error, as written
  std::vector<std::string> Lines;    // Output split into lines (no line ends)
  std::vector<std::string> Trace;    // the trace file's lines
  std::wstring TracePath;

  // True when some output line equals the text exactly.
  bool OutputHas(std::string_view line) const;
  // True when some output line starts with the prefix.
  bool OutputHasPrefix(std::string_view prefix) const;
  // Index of the first trace line starting with the prefix at or after `from`, -1 when none.
  int TraceIndex(std::string_view prefix, int from = 0) const;
  // Number of trace lines starting with the prefix.
  int TraceCount(std::string_view prefix) const;
  // The trace lines starting with the prefix, in order.
  std::vector<std::string> TraceLines(std::string_view prefix) const;
  // Everything, for failure messages.
  std::string Describe() const;
};

THostRun RunHost(const std::vector<std::wstring>& arguments, const THostRunOptions& options = {});

struct THostResult {
  DWORD ExitCode = 0;
  bool TimedOut = false;
  std::string Output;               // standard output and error, in the order written
  std::vector<std::string> Trace;   // the trace file's lines
  std::string Saved;                // the saved board file ("" when none was saved)

  bool Printed(const std::string& text) const { return Output.find(text) != std::string::npos; }
  // Trace lines that start with the prefix.
  std::vector<std::string> TraceStarting(const std::string& prefix) const;
};

class THostCase {
 public:
  // A working folder named after the case, emptied first.
  explicit THostCase(const std::string& name);

  std::wstring Folder() const { return folder_; }
  // A file of the folder, written with the text; returns its path.
  std::wstring Write(const std::string& file, const std::string& text) const;

  // Runs the host in the folder with --trace and --save (into the folder) and the given arguments.
  THostResult Run(const std::vector<std::wstring>& arguments, DWORD timeout_ms = 90000) const;

  // Runs "Run" on the board with the script (none when empty) and the extra arguments.
  THostResult RunEditor(const std::string& board, const std::string& script,
                        const std::vector<std::wstring>& extra = {}) const;

 private:
  std::wstring folder_;
};

// The folder that holds TavrinHost.exe, Tavrin.dll and Dralith.dll (Windows path, trailing "\").
std::wstring HostBinFolder();
// A path in the temporary folder that no other run uses ("name" is only a readable part of it).
std::wstring UniqueTempPath(const std::wstring& name);
// A folder below the temporary folder, created when missing (files in it are left as they are).
std::wstring TempFolder(const std::wstring& name);
// The current user's application-data folder (CSIDL_APPDATA), without trailing "\".
std::wstring AppDataFolder();

// The file's whole text, "" when it cannot be read.
std::string ReadTextFile(const std::wstring& path);
// Writes the file (creating or emptying it); false when it cannot be written.
bool WriteTextFile(const std::wstring& path, std::string_view text);

// Writes a file (creating it) and removes it when the object goes.
class TScopedFile {
 public:
  TScopedFile(std::wstring path, std::string_view content);
  ~TScopedFile();
  TScopedFile(const TScopedFile&) = delete;
  TScopedFile& operator=(const TScopedFile&) = delete;
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

// Sets a text value below HKEY_CURRENT_USER and removes the key it created when the object goes.
class TScopedUserRegistryValue {
 public:
  TScopedUserRegistryValue(std::wstring key, std::wstring name, std::wstring value);
  ~TScopedUserRegistryValue();
  TScopedUserRegistryValue(const TScopedUserRegistryValue&) = delete;
  TScopedUserRegistryValue& operator=(const TScopedUserRegistryValue&) = delete;

 private:
  std::wstring key_;
};
