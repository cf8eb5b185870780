#pragma once
// The host's trace: one line per call a server makes into the host, written through at once so that
// a process ended from inside a command loses nothing. See docs/host-kit.md for the line format.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

void OpenTrace(const std::wstring& path);
void CloseTrace();
// Appends one line (a line break inside is replaced by a blank).
void TraceLine(std::string_view line);

// Argument and result texts of trace lines.
std::string TraceText(std::string_view text);   // "text" with \", \\, \n, \r, \t and \xNN escapes
std::string TraceText(const wchar_t* text);     // same for a wide text; null reads as ""
std::string TraceStatus(HRESULT status);        // 0x%08X
std::string TracePointer(const void* p);        // "null" or "present"
