#include "dialogs/redirector_window.h"

#include "dialogs/window_centering.h"

namespace {
thread_local TRedirectorWindow* watching = nullptr;
}

TRedirectorWindow::TRedirectorWindow(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  if (!watching) {
    watching = this;
    hook_ = SetWindowsHookExW(WH_CBT, &ActivationHook, nullptr, GetCurrentThreadId());
  }
}

TRedirectorWindow::~TRedirectorWindow() {
  if (hook_) UnhookWindowsHookEx(hook_);
  if (watching == this) watching = nullptr;
}

LRESULT CALLBACK TRedirectorWindow::ActivationHook(int code, WPARAM w, LPARAM l) {
  if (code == HCBT_ACTIVATE && watching && !watching->centred_ && watching->HandleAllocated())
    watching->CenterOwnedWindow();
  return CallNextHookEx(nullptr, code, w, l);
}

void TRedirectorWindow::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_POPUP;
  params.WndParent = owner_window_;
}

void TRedirectorWindow::CenterOwnedWindow() {
  HWND self = Handle();
  // Owned windows lie above their owner: walk up the z-order from here.
  for (HWND w = GetWindow(self, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) {
    if (GetWindow(w, GW_OWNER) == self) {
      CenterWindowOnMonitor(w, MonitorFromWindow(self, MONITOR_DEFAULTTONEAREST));
      centred_ = true;
      return;
    }
  }
}

void TRedirectorWindow::WndProc(TMessage& msg) {
  if (!centred_ && HandleAllocated()) CenterOwnedWindow();
  TWinControl::WndProc(msg);
}
