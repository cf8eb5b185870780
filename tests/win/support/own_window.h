#pragma once
// Finds a visible top-level window of one process by class and caption (either may be null). Test
// programs run side by side on one display, and another program may show a window of the same
// caption ("Warning") at the same moment: a search over the whole display could find theirs.

#include <windows.h>

inline HWND FindProcessWindow(DWORD process_id, const wchar_t* class_name, const wchar_t* caption) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, class_name, caption))) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == process_id && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// The same among this process's own windows.
inline HWND FindOwnWindow(const wchar_t* class_name, const wchar_t* caption) {
  return FindProcessWindow(GetCurrentProcessId(), class_name, caption);
}
