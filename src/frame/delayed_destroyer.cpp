#include "frame/delayed_destroyer.h"

#include <algorithm>
#include <vector>

#include "base/exceptions.h"
#include "forms/application.h"
#include "forms/fault_guard.h"
#include "forms/form.h"
#include "forms/win_control.h"
#include "frame/library_steps.h"

namespace {

const wchar_t kWindowClass[] = L"TDelayedDestroyer";
ATOM window_class = 0;

std::vector<TDelayedDestroyer*>& pending() {
  static std::vector<TDelayedDestroyer*> list;
  return list;
}

void free_pending_and_unregister() {
  TDelayedDestroyer::FreePending();
  if (window_class) UnregisterClassW(kWindowClass, framework_module());
  window_class = 0;
}

const TLibraryStepRegistration destroyer_step(TLibraryStep::ExternalForms, nullptr,
                                              free_pending_and_unregister);

}  // namespace

TDelayedDestroyer::TDelayedDestroyer(TCustomForm* form) : form_(form) {
  if (!window_class) {
    WNDCLASSW cls{};
    cls.lpfnWndProc = &TDelayedDestroyer::WindowProc;
    cls.hInstance = framework_module();
    cls.lpszClassName = kWindowClass;
    window_class = RegisterClassW(&cls);
    if (!window_class) throw Exception("Cannot register the window class of TDelayedDestroyer");
  }
  window_.reset(CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                framework_module(), nullptr));
  if (!window_) throw Exception("Cannot create the window of TDelayedDestroyer");
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (!PostMessageW(window_.get(), kFreeMessage, 0, 0))
    throw Exception("Cannot post to the window of TDelayedDestroyer");
  pending().push_back(this);
}

TDelayedDestroyer::~TDelayedDestroyer() {
  auto& list = pending();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

int TDelayedDestroyer::PendingCount() { return static_cast<int>(pending().size()); }

void TDelayedDestroyer::FreePending() {
  while (!pending().empty()) {
    TDelayedDestroyer* destroyer = pending().back();
    destroyer->FreeForm();
    delete destroyer;
  }
}

void TDelayedDestroyer::FreeForm() {
  TCustomForm* form = std::exchange(form_, nullptr);
  if (!form) return;
  if (std::exception_ptr error = run_guarded([form] { delete form; }))
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
