#pragma once
// Centres a native window on a monitor's full rectangle (not its work area), keeping its size,
// its place in the z-order and the active window: the standard dialogs are placed with it.

#include <windows.h>

void CenterWindowOnMonitor(HWND window, HMONITOR monitor);
