#pragma once
// Runs TavrinHost.exe as a separate process for one end-to-end case: a fresh working folder per
// case holding the board, the script, the trace and the saved board; the host's standard output
// and error are captured whole, and the run is given a fixed time before it counts as hung.

#include <windows.h>

#include <string>
#include <vector>

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

// The file's whole text, "" when it cannot be read.
std::string ReadTextFile(const std::wstring& path);
