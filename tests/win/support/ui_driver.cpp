#include "tests/win/support/ui_driver.h"

#include "forms/application.h"

namespace {

LRESULT CALLBACK OwnerProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcW(w, m, wp, lp); }

}  // namespace

TUniqueHwnd CreateTestWindow(const wchar_t* class_name, WNDPROC procedure, const wchar_t* title,
                             DWORD style, RECT bounds) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = class_name;
  RegisterClassW(&wc);
  return TUniqueHwnd(CreateWindowExW(0, class_name, title, style, bounds.left, bounds.top,
                                     bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr,
                                     nullptr, wc.hInstance, nullptr));
}

TOwnerWindow::TOwnerWindow()
    : window_(CreateTestWindow(L"TestOwnerWindow", &OwnerProc, L"Owner",
                               WS_OVERLAPPEDWINDOW | WS_VISIBLE, {10, 10, 310, 210})) {}

TModalResult RunModalWith(TCustomForm& form, std::function<void()> script) {
  return RunModalSteps(form, {std::move(script)});
}

TModalResult RunModalSteps(TCustomForm& form, std::vector<std::function<void()>> steps) {
  size_t next = 0;
  int idle_steps = 0;
  int id = Application->AddIdleHandler([&](TObject*, bool& done) {
    done = false;
    if (!form.HandleAllocated() || !IsWindowVisible(form.Handle())) return;
    if (next < steps.size()) {
      steps[next++]();
      return;
    }
    // A script that failed to end the dialog must not hang the suite.
    if (++idle_steps > 5000 && form.ModalResult() == mrNone) form.SetModalResult(-1);
  });
  TModalResult result = mrNone;
  try {
    result = form.ShowModal();
  } catch (...) {
    Application->RemoveIdleHandler(id);
    throw;
  }
  Application->RemoveIdleHandler(id);
  return result;
}

void Pump() { Application->ProcessMessages(); }

void ClickButton(TWinControl& button) { SendMessageW(button.Handle(), BM_CLICK, 0, 0); }

void PressKey(TWinControl& control, WORD key) {
  PostMessageW(control.Handle(), WM_KEYDOWN, key, 1);
  PostMessageW(control.Handle(), WM_KEYUP, key, 0xC0000001);
}

void PressChar(TWinControl& control, char c, bool alt) {
  PostMessageW(control.Handle(), alt ? WM_SYSCHAR : WM_CHAR, static_cast<unsigned char>(c),
               alt ? 0x20000001 : 1);
}

void MouseClick(HWND window, int x, int y, WPARAM keys) {
  SendMessageW(window, WM_LBUTTONDOWN, keys | MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(window, WM_LBUTTONUP, keys, MAKELPARAM(x, y));
}

void MouseDoubleClick(HWND window, int x, int y) {
  MouseClick(window, x, y, 0);
  SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void RightClick(HWND window, int x, int y) {
  SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y));
  SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(x, y));
}
