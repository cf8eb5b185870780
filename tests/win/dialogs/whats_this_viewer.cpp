#include "tests/win/dialogs/whats_this_viewer.h"

#include <cstring>

namespace {

// What WinHelp puts in its WM_COPYDATA block.
struct WinHelpRequest {
  WORD size;
  WORD command;
  LONG data;
  LONG reserved;
  WORD ofsFilename;
  WORD ofsData;
};

}  // namespace

TestWhatsThisViewer::TestWhatsThisViewer() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &window_proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"MS_WINHELP";
  RegisterClassW(&wc);
  window_.reset(CreateWindowExW(0, wc.lpszClassName, L"What's this", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                wc.hInstance, nullptr));
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT CALLBACK TestWhatsThisViewer::window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TestWhatsThisViewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message != WM_COPYDATA || !self) return DefWindowProcW(window, message, wparam, lparam);
  auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
  if (!copy || copy->cbData < sizeof(WinHelpRequest)) return FALSE;
  auto* request = static_cast<const WinHelpRequest*>(copy->lpData);
  std::string file;
  if (request->ofsFilename && request->ofsFilename < copy->cbData)
    file.assign(static_cast<const char*>(copy->lpData) + request->ofsFilename,
                strnlen(static_cast<const char*>(copy->lpData) + request->ofsFilename,
                        copy->cbData - request->ofsFilename));
  self->requests.push_back(std::to_string(request->command) + " " + std::to_string(request->data) + " " + file);
  return self->answers ? TRUE : FALSE;
}
