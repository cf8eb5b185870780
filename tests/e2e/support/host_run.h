#pragma once
// End-to-end support: runs TavrinHost.exe (from the build tree's bin folder, next to Tavrin.dll and
// Dralith.dll) with arguments, waits for it, and hands back its exit code, its standard output and
// its trace (docs/host-kit.md describes both).
//
//   THostRun run = RunHost({L"--document", L"none", L"--command", L"Run"});
//   EXPECT_EQ(run.ExitCode, 0);
//   EXPECT_TRUE(run.OutputHas("host: LaunchCommand -> 0x00000000"));
//   EXPECT_LT(run.TraceIndex("IClient.GetCurrentView"), run.TraceIndex("IClientUiManager.SetStatusText"));
//
// A trace file is written to a fresh temporary path for every run unless the arguments name one.
// With THostRunOptions::TestMode the run gets --test-mode, and the test-mode key is removed again
// after the host has ended, whichever way it ended.
//
// Link: tavrin_e2e_test(<name> SOURCES … [SERIAL]) from tests/e2e/support/e2e.cmake. A suite whose
// runs change what every process of the Wine prefix sees (the test-mode key, the preference
// location in the registry, files in the shared settings folder) must be SERIAL, so that CTest
// runs nothing else while it runs.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

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

// The folder that holds TavrinHost.exe, Tavrin.dll and Dralith.dll (Windows path, trailing "\").
std::wstring HostBinFolder();
// A path in the temporary folder that no other run uses ("name" is only a readable part of it).
std::wstring UniqueTempPath(const std::wstring& name);
// The current user's application-data folder (CSIDL_APPDATA), without trailing "\".
std::wstring AppDataFolder();

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
