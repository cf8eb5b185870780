#pragma once
// Test mode: while the registry key HKEY_LOCAL_MACHINE\Software\Quorvel\TestMode can be opened with
// full access, every modal dialog and message box writes one line to standard output instead of
// showing itself, and ends the process with exit code 1.

#include <string_view>

// Asked afresh on every call; the key is never created.
bool IsTestMode();
// Writes the text and a line end to standard output.
void WriteTestLine(std::string_view text);
// Flushes standard output and ends the whole process with the exit code, even when flushing fails.
[[noreturn]] void EndProcessForTest(unsigned exit_code);
