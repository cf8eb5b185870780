#pragma once
// 8-bit texts inside the plug-in are in the system's ANSI code page, as the host's 8-bit texts are;
// wide texts are what Win32 and the host's BSTRs carry.

#include <string>
#include <string_view>

std::wstring ToWide(std::string_view text);
std::string ToAnsi(std::wstring_view text);
