#include "tests/win/dialogs/whats_this_viewer.h"

#include <cstring>

#include "tests/win/support/ui_driver.h"

namespace {

// What WinHelp puts in its WM_COPYDATA block.
struct TWinHelpRequest {
  WORD size;
  WORD command;
  LONG data;
  LONG reserved;
  WORD ofs_filename;
  WORD ofs_data;
};

}  // namespace

TTestWhatsThisViewer::TTestWhatsThisViewer() {
  window_ = CreateTestWindow(L"MS_WINHELP", &WindowProc, L"What's this", WS_POPUP, {0, 0, 10, 10});
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT CALLBACK TTestWhatsThisViewer::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TTestWhatsThisViewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message != WM_COPYDATA || !self) return DefWindowProcW(window, message, wparam, lparam);
  auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
  if (!copy || copy->cbData < sizeof(TWinHelpRequest)) return FALSE;
  auto* request = static_cast<const TWinHelpRequest*>(copy->lpData);
  std::string file;
  if (request->ofs_filename && request->ofs_filename < copy->cbData)
    file.assign(static_cast<const char*>(copy->lpData) + request->ofs_filename,
                strnlen(static_cast<const char*>(copy->lpData) + request->ofs_filename,
                        copy->cbData - request->ofs_filename));
  self->requests.push_back(std::to_string(request->command) + " " + std::to_string(request->data) + " " + file);
  return self->answers ? TRUE : FALSE;
}
