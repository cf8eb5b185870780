#pragma once
// Finds a visible top-level window of this process by class and caption (either may be null). Test
// programs run side by side on one display, and another program may show a window of the same
// caption ("Warning") at the same moment: a search over the whole display could find theirs.

#include <windows.h>

inline HWND FindOwnWindow(const wchar_t* class_name, const wchar_t* caption) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, class_name, caption))) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window)) return window;
  }
  return nullptr;
}
