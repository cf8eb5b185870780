#include "frame/windows_version.h"

#include <windows.h>

namespace {

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

TWindowsVersion WindowsVersion() {
  OSVERSIONINFOW info = Version();
  return {static_cast<int>(info.dwMajorVersion), static_cast<int>(info.dwMinorVersion)};
}

bool IsWindows2000() {
  OSVERSIONINFOW info = Version();
  return info.dwMajorVersion == 5 && info.dwMinorVersion == 0;
}

bool IsWindowsVistaOrLater() { return Version().dwMajorVersion > 5; }
