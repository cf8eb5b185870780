#pragma once
// The host's error store: what a server left with ClientAPI_SetErrorInfo (message, crash report,
// address) until ClientAPI_ClearErrorInfo. ClientAPI_HandleException reports the stored message and
// writes the crash report to a file beside the board (beside the host without a board):
// "BOARD.crash.txt", then "BOARD.crash-2.txt" and so on within one run.

#include <windows.h>

#include <string>

void StoreErrorInfo(const std::wstring& message, const std::wstring& report, DWORD address);
void ClearStoredErrorInfo();
void HandleStoredException();

// The file the next crash report goes to.
std::wstring NextCrashReportPath();
