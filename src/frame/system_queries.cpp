#include "frame/system_queries.h"

#include <windows.h>

#include "base/ascii.h"

namespace {
bool key_down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

OSVERSIONINFOW version() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExW(&info);
#pragma GCC diagnostic pop
  return info;
}
}  // namespace

bool IsCtrlDown() { return key_down(VK_CONTROL); }
bool IsShiftDown() { return key_down(VK_SHIFT); }
bool IsAltDown() { return key_down(VK_MENU); }

bool IsWindows2000() {
  OSVERSIONINFOW info = version();
  return info.dwMajorVersion == 5 && info.dwMinorVersion == 0;
}

bool IsWindowsVistaOrLater() { return version().dwMajorVersion > 5; }

bool SameTextAscii(std::string_view a, std::string_view b) { return ascii_iequals(a, b); }
