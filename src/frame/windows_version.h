#pragma once
// The version of the system the plug-in runs on, for the few places that behave differently.

struct TWindowsVersion {
  int major = 0;
  int minor = 0;
};
// The version the system reports to this program (0.0 when it reports none).
TWindowsVersion WindowsVersion();
// Windows 2000: major version 5, minor version 0.
bool IsWindows2000();
// Windows Vista or later: major version above 5.
bool IsWindowsVistaOrLater();
