#include "dialogs/font_dialog_placement.h"

#include "dialogs/standard_dialog_placement.h"
#include "dialogs/window_centering.h"
#include "forms/font_dialog.h"

namespace {

UINT_PTR centring_font_dialog_hook(HWND window, UINT msg, WPARAM w, LPARAM l) {
  UINT_PTR result = FontDialogHookProc.Underlying(window, msg, w, l);
  if (msg == WM_INITDIALOG) {
    SetDialogMonitor(MonitorFromWindow(GetActiveWindow(), MONITOR_DEFAULTTONEAREST));
    CenterWindowOnMonitor(window, DialogMonitor());
  }
  return result;
}

}  // namespace

void InstallFontDialogPlacement() { FontDialogHookProc.Install(&centring_font_dialog_hook); }

void RemoveFontDialogPlacement() { FontDialogHookProc.Remove(); }
