#include "frame/system_queries.h"

#include <windows.h>

#include "base/ascii.h"

namespace {
bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

OSVERSIONINFOW Version() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExW(&info);
#pragma GCC diagnostic pop
  return info;
}
}  // namespace

bool IsCtrlDown() { return KeyDown(VK_CONTROL); }
bool IsShiftDown() { return KeyDown(VK_SHIFT); }
bool IsAltDown() { return KeyDown(VK_MENU); }

bool IsWindows2000() {
  OSVERSIONINFOW info = Version();
  return info.dwMajorVersion == 5 && info.dwMinorVersion == 0;
}

bool IsWindowsVistaOrLater() { return Version().dwMajorVersion > 5; }

bool SameTextAscii(std::string_view a, std::string_view b) { return AsciiIequals(a, b); }
