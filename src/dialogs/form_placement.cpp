#include "dialogs/form_placement.h"

#include "base/scope_guard.h"
#include "dialogs/monitor_centering.h"
#include "forms/application.h"

void CenterOnActiveMonitor(TCustomForm& form) {
  HMONITOR monitor = MonitorFromWindow(GetActiveWindow(), MONITOR_DEFAULTTONEAREST);
  if (!monitor) return;
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return;
  CenterOnMonitorBounds(form, info.rcMonitor);
}

void CenterOnMonitorBounds(TCustomForm& form, const RECT& bounds) {
  TScreenPoint origin = CenteredOriginOf({bounds.left, bounds.top, bounds.right, bounds.bottom},
                                        form.Width(), form.Height());
  form.SetBounds(origin.X, origin.Y, form.Width(), form.Height());
}

void ShowWithoutPositioning(TCustomForm& form) {
  form.IncludeFormState(fsShowing);
  auto clear = OnScopeExit([&] { form.ExcludeFormState(fsShowing); });
  try {
    form.DoShow();
  } catch (...) {
    Application->HandleException(&form);
  }
  ShowWindow(form.Handle(), form.ShowCommand());
}
