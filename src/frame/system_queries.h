#pragma once
// Small questions about the keyboard and the operating system.

#include <string_view>

bool IsCtrlDown();
bool IsShiftDown();
bool IsAltDown();
// Windows 2000: major version 5, minor version 0.
bool IsWindows2000();
// Windows Vista or later: major version above 5.
bool IsWindowsVistaOrLater();
// Equal without regard to the case of ASCII letters.
bool SameTextAscii(std::string_view a, std::string_view b);
