#include "forms/application.h"

#include <algorithm>
#include <new>

#include "base/host_guard.h"
#include "base/text_convert.h"
#include "forms/control.h"
#include "base/fault_guard.h"
#include "forms/form.h"
#include "forms/hint_window.h"
#include "forms/win_control.h"

namespace {

TApplication g_application;
constexpr UINT_PTR kHintTimer = 1;
const wchar_t kAppClass[] = L"TavrinApplication";

bool IsDialogKey(WORD key) {
  switch (key) {
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_EXECUTE:
    case VK_CANCEL:
      return true;
  }
  return false;
}

}  // namespace

TApplication* Application = &g_application;

TApplication::TApplication() : TComponent(nullptr), HintWindowClass(&THintWindow::Create) {
  SetWindowExceptionSink([](TObject* sender, std::exception_ptr error) {
    Application->HandleException(sender, error);
  });
  SetApplicationServices(this);
}

TApplication::~TApplication() {
  if (ApplicationServices() == this) SetApplicationServices(nullptr);
  DestroyHandle();
}

LRESULT CALLBACK TApplication::AppWindowProc(HWND window, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_TIMER && w == kHintTimer && Application->handle_ == window) {
    KillTimer(window, kHintTimer);
    Application->hint_timer_ = false;
    if (TControl* c = Application->hint_control_) {
      POINT p;
      GetCursorPos(&p);
      std::exception_ptr e = RunGuarded([&] { Application->ActivateHint(c, p); });
      if (e) Application->HandleException(Application, e);
    }
    return 0;
  }
  return DefWindowProcW(window, msg, w, l);
}

HWND TApplication::Handle() {
  if (!handle_) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(FrameworkModule(), kAppClass, &wc)) {
      wc = WNDCLASSEXW{};
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = &AppWindowProc;
      wc.hInstance = FrameworkModule();
      wc.lpszClassName = kAppClass;
      RegisterClassExW(&wc);
    }
    handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, kAppClass, ToWide(Title).c_str(), WS_POPUP, 0, 0, 0,
                              0, nullptr, nullptr, FrameworkModule(), nullptr);
    own_handle_ = true;
  }
  return handle_;
}

void TApplication::SetHandle(HWND window) {
  DestroyHandle();
  handle_ = window;
  own_handle_ = false;
}

void TApplication::SetOwnerWindow(HWND owner) {
  SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

void TApplication::DestroyHandle() {
  CancelHint();
  delete hint_window_;
  hint_window_ = nullptr;
  if (handle_ && own_handle_ && IsWindow(handle_)) {
    DestroyWindow(handle_);
    // A library that is unloaded must leave no class behind that points into it.
    UnregisterClassW(kAppClass, FrameworkModule());
  }
  handle_ = nullptr;
  own_handle_ = false;
}

void TApplication::HandleException(TObject* sender, std::exception_ptr error) {
  if (!error) return;
  std::exception_ptr failed = RunGuarded([&] {
    try {
      std::rethrow_exception(error);
    } catch (Exception& e) {
      if (OnException) OnException(sender, e);
      else ShowException(e);
    } catch (const std::bad_alloc&) {
      EOutOfMemory wrapped("Out of memory");
      if (OnException) OnException(sender, wrapped);
      else ShowException(wrapped);
    } catch (const std::exception& e) {
      Exception wrapped(e.what());
      if (OnException) OnException(sender, wrapped);
      else ShowException(wrapped);
    } catch (...) {
      Exception wrapped("Unknown exception");
      if (OnException) OnException(sender, wrapped);
      else ShowException(wrapped);
    }
  });
  // The exception handling itself failed: there is nowhere left to report it.
  (void)failed;
  ExceptionHandlerFinished();
}

void TApplication::HandleException(TObject* sender) { HandleException(sender, std::current_exception()); }

void TApplication::ShowException(const Exception& e) {
  std::string text = e.Message();
  if (!text.empty() && text.back() != '.') text += '.';
  TCustomForm* form = ActiveForm();
  MessageBoxW(form ? form->Handle() : nullptr, ToWide(text).c_str(), ToWide(Title).c_str(),
              MB_OK | MB_ICONSTOP);
}

TCustomForm* TApplication::ActiveForm() const {
  return class_cast<TCustomForm>(FindControl(GetActiveWindow()));
}

int TApplication::AddIdleHandler(TIdleEvent handler) {
  idle_handlers_.push_back({next_idle_id_, std::move(handler)});
  return next_idle_id_++;
}

void TApplication::RemoveIdleHandler(int id) {
  idle_handlers_.erase(std::remove_if(idle_handlers_.begin(), idle_handlers_.end(),
                                      [id](const TIdleEntry& e) { return e.id == id; }),
                       idle_handlers_.end());
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) DoIdle();
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  TrackHint(msg);
  if (IsKeyMessage(msg)) return true;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

void TApplication::DoIdle() {
  bool done = true;
  std::exception_ptr e = RunGuarded([&] {
    if (OnIdle) OnIdle(this, done);
    // A handler may remove itself (or others) while it runs.
    std::vector<TIdleEntry> handlers = idle_handlers_;
    for (TIdleEntry& h : handlers) {
      bool still = std::any_of(idle_handlers_.begin(), idle_handlers_.end(),
                               [&](const TIdleEntry& x) { return x.id == h.id; });
      if (!still) continue;
      bool handler_done = true;
      h.handler(this, handler_done);
      done = done && handler_done;
    }
  });
  if (e) {
    HandleException(this, e);
    done = false;
  }
  if (done) WaitMessage();
}

bool TApplication::IsKeyMessage(MSG& msg) {
  bool key_down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  bool chr = msg.message == WM_CHAR || msg.message == WM_SYSCHAR;
  if (!key_down && !chr) return false;
  TWinControl* target = FindControlOrParent(msg.hwnd);
  if (!target) return false;
  TCustomForm* form = target->ParentForm();
  if (!form) return false;
  bool handled = false;
  std::exception_ptr e = RunGuarded([&] {
    if (key_down) {
      WORD key = static_cast<WORD>(msg.wParam);
      TShiftState shift = KeyboardShiftState();
      if (form->ChildKey(target, key, shift)) {
        handled = true;
        return;
      }
      if (!IsDialogKey(key)) return;
      LRESULT code = SendMessageW(msg.hwnd, WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg));
      bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
      bool wants = (code & DLGC_WANTALLKEYS) || (arrow && (code & DLGC_WANTARROWS)) ||
                   (key == VK_TAB && (code & DLGC_WANTTAB));
      if (!wants) handled = form->DialogKey(key, shift);
      return;
    }
    char c = msg.wParam < 0x80 ? static_cast<char>(msg.wParam) : 0;
    if (!c || c < ' ') return;
    if (msg.message == WM_SYSCHAR) {
      handled = form->DialogChar(c);
      return;
    }
    // Plain letters are accelerators on controls that take no characters (buttons).
    LRESULT code = SendMessageW(msg.hwnd, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&msg));
    if (!(code & (DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_HASSETSEL))) handled = form->DialogChar(c);
  });
  if (e) {
    HandleException(form, e);
    return true;
  }
  return handled;
}

void TApplication::TrackHint(const MSG& msg) {
  switch (msg.message) {
    case WM_MOUSEMOVE: {
      TWinControl* control = FindControlOrParent(msg.hwnd);
      if (control == hint_control_) return;
      CancelHint();
      if (!ShowHint || !control || !control->EffectiveShowHint() || control->Hint().empty()) return;
      hint_control_ = control;
      control->FreeNotification(*this);
      SetTimer(Handle(), kHintTimer, static_cast<UINT>(HintPause), nullptr);
      hint_timer_ = true;
      return;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_MOUSELEAVE:
      CancelHint();
      return;
  }
}

void TApplication::ActivateHint(TControl* control, POINT cursor) {
  THintInfo info;
  info.HintControl = control;
  info.CursorPos = cursor;
  info.HintMaxWidth = 300;
  info.HintStr = control ? control->Hint() : std::string();
  bool can_show = control != nullptr;
  if (OnShowHint) OnShowHint(info.HintStr, can_show, info);
  if (!can_show || info.HintStr.empty()) return;
  if (!hint_window_) hint_window_ = HintWindowClass(nullptr);
  hint_control_ = control;
  control->FreeNotification(*this);
  hint_window_->ActivateHint({info.CursorPos.x, info.CursorPos.y + 20}, info.HintStr);
}

void TApplication::CancelHint() {
  if (hint_timer_ && handle_) KillTimer(handle_, kHintTimer);
  hint_timer_ = false;
  hint_control_ = nullptr;
  if (hint_window_) hint_window_->ReleaseHint();
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == hint_control_) CancelHint();
}
