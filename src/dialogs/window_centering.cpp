#include "dialogs/window_centering.h"

#include "dialogs/monitor_centering.h"

void CenterWindowOnMonitor(HWND window, HMONITOR monitor) {
  if (!window || !monitor) return;
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return;
  RECT rect;
  if (!GetWindowRect(window, &rect)) return;
  const RECT& bounds = info.rcMonitor;
  TScreenPoint origin = CenteredOriginOf({bounds.left, bounds.top, bounds.right, bounds.bottom},
                                        rect.right - rect.left, rect.bottom - rect.top);
  SetWindowPos(window, nullptr, origin.X, origin.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
