#include "dialogs/standard_dialog_placement.h"

#include <commdlg.h>

#include <memory>

#include "base/scope_guard.h"
#include "dialogs/fake_dialog.h"
#include "dialogs/redirector_window.h"
#include "dialogs/window_centering.h"
#include "forms/application.h"
#include "forms/form.h"
#include "forms/dialogs/open_dialog.h"
#include "frame/windows_version.h"

namespace {

HMONITOR dialog_monitor = nullptr;
bool installed = false;
bool hook_installed = false;

bool RunWithRedirector(TCommonDialog& dialog) {
  TCustomForm* active = Application->ActiveForm();
  HWND owner = active ? active->Handle() : Application->Handle();
  auto redirector = std::make_unique<TRedirectorWindow>(nullptr);
  redirector->SetOwnerWindow(owner);
  RECT rect{};
  if (owner && GetWindowRect(owner, &rect))
    redirector->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  return dialog.Execute(redirector->Handle());
}

bool RunOnActiveMonitor(TCommonDialog& dialog) {
  dialog_monitor = MonitorFromWindow(GetActiveWindow(), MONITOR_DEFAULTTONEAREST);
  return CommonDialogExecuteHook.Underlying(dialog);
}

UINT_PTR CentringOpenDialogHook(HWND window, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(l)->code == static_cast<UINT>(CDN_INITDONE)) {
    // The hooked window is a child of the dialog; its parent is the dialog's top-level window.
    HWND dialog = reinterpret_cast<HWND>(GetWindowLongPtrW(window, GWLP_HWNDPARENT));
    CenterWindowOnMonitor(dialog, dialog_monitor);
    // The framework's own step tells the component that its dialog is up.
    OpenDialogHookProc.Underlying(window, msg, w, l);
    return 0;
  }
  return OpenDialogHookProc.Underlying(window, msg, w, l);
}

}  // namespace

TDialogPlacementPath DialogPlacementPathForSystem() {
  return IsWindowsVistaOrLater() ? TDialogPlacementPath::Redirector : TDialogPlacementPath::HookProcedure;
}

bool InstallStandardDialogPlacement(TDialogPlacementPath path) {
  if (path == TDialogPlacementPath::Redirector) {
    CommonDialogExecuteHook.Install(&RunWithRedirector);
    installed = true;
    return true;
  }
  // Only the framework's own hook procedure has a hook point to intercept.
  if (CaptureDialogHookProcedure() != &OpenDialogHook) return false;
  OpenDialogHookProc.Install(&CentringOpenDialogHook);
  CommonDialogExecuteHook.Install(&RunOnActiveMonitor);
  installed = hook_installed = true;
  return true;
}

void RemoveStandardDialogPlacement() {
  if (hook_installed) OpenDialogHookProc.Remove();
  if (installed) CommonDialogExecuteHook.Remove();
  installed = hook_installed = false;
  dialog_monitor = nullptr;
}

HMONITOR DialogMonitor() { return dialog_monitor; }
void SetDialogMonitor(HMONITOR monitor) { dialog_monitor = monitor; }
