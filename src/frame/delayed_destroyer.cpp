#include "frame/delayed_destroyer.h"

#include <algorithm>
#include <vector>

#include "base/exceptions.h"
#include "forms/application.h"
#include "base/fault_guard.h"
#include "forms/form.h"
#include "forms/win_control.h"
#include "frame/library_steps.h"

namespace {

const wchar_t kWindowClass[] = L"TDelayedDestroyer";
ATOM g_window_class = 0;

std::vector<TDelayedDestroyer*>& PendingDestroyers() {
  static std::vector<TDelayedDestroyer*> list;
  return list;
}

void FreePendingAndUnregister() {
  TDelayedDestroyer::FreePending();
  if (g_window_class) UnregisterClassW(kWindowClass, FrameworkModule());
  g_window_class = 0;
}

const TLibraryStepRegistration DestroyerStep(TLibraryStep::ExternalForms, nullptr,
                                              FreePendingAndUnregister);

}  // namespace

TDelayedDestroyer::TDelayedDestroyer(TCustomForm* form) : form_(form) {
  if (!g_window_class) {
    WNDCLASSW cls{};
    cls.lpfnWndProc = &TDelayedDestroyer::WindowProc;
    cls.hInstance = FrameworkModule();
    cls.lpszClassName = kWindowClass;
    g_window_class = RegisterClassW(&cls);
    if (!g_window_class) throw Exception("Cannot register the window class of TDelayedDestroyer");
  }
  window_.reset(CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                FrameworkModule(), nullptr));
  if (!window_) throw Exception("Cannot create the window of TDelayedDestroyer");
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (!PostMessageW(window_.get(), kFreeMessage, 0, 0))
    throw Exception("Cannot post to the window of TDelayedDestroyer");
  PendingDestroyers().push_back(this);
}

TDelayedDestroyer::~TDelayedDestroyer() {
  auto& list = PendingDestroyers();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

int TDelayedDestroyer::PendingCount() { return static_cast<int>(PendingDestroyers().size()); }

void TDelayedDestroyer::FreePending() {
  while (!PendingDestroyers().empty()) {
    TDelayedDestroyer* destroyer = PendingDestroyers().back();
    destroyer->FreeForm();
    delete destroyer;
  }
}

void TDelayedDestroyer::FreeForm() {
  TCustomForm* form = std::exchange(form_, nullptr);
  if (!form) return;
  if (std::exception_ptr error = RunGuarded([form] { delete form; }))
    Application->HandleException(nullptr, error);
}

LRESULT CALLBACK TDelayedDestroyer::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == kFreeMessage) {
    auto* destroyer = reinterpret_cast<TDelayedDestroyer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (destroyer) {
      destroyer->FreeForm();
      delete destroyer;
    }
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}
