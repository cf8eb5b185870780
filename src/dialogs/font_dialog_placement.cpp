#include "dialogs/font_dialog_placement.h"

#include "dialogs/standard_dialog_placement.h"
#include "dialogs/window_centering.h"
#include "forms/dialogs/font_dialog.h"

namespace {

UINT_PTR CentringFontDialogHook(HWND window, UINT msg, WPARAM w, LPARAM l) {
  UINT_PTR result = FontDialogHookProc.Underlying(window, msg, w, l);
  if (msg == WM_INITDIALOG) {
    SetDialogMonitor(MonitorFromWindow(GetActiveWindow(), MONITOR_DEFAULTTONEAREST));
    CenterWindowOnMonitor(window, DialogMonitor());
  }
  return result;
}

}  // namespace

void InstallFontDialogPlacement() { FontDialogHookProc.Install(&CentringFontDialogHook); }

void RemoveFontDialogPlacement() { FontDialogHookProc.Remove(); }
