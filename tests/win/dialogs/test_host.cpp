#include "tests/win/dialogs/test_host.h"

#include "base/bstr.h"
#include "base/scope_guard.h"
#include "base/text_convert.h"
#include "forms/application.h"
#include "frame/client_api_bindings.h"
#include "frame/slots.h"

namespace {

LRESULT CALLBACK HostWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return DefWindowProcW(w, m, wp, lp);
}

}  // namespace

THostWindow::THostWindow() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &HostWindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"DialogTestHostWindow";
  RegisterClassW(&wc);
  window_.reset(CreateWindowExW(0, wc.lpszClassName, L"Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20,
                                20, 400, 300, nullptr, nullptr, wc.hInstance, nullptr));
}

TTestHost::TTestHost(bool with_client) {
  UnbindClientApi();
  BindClientApi();
  client.main_window = client.application_window = main_window.get();
  ui_manager.log = &ui_log;
  client.ui_manager = &ui_manager;
  ClientSlot = with_client ? &client : nullptr;
  TestExportTable() = TTestExports{};
}

std::vector<std::string> TTestHost::HelpLog() const {
  return client.LogOf({"RunProcess ", "FileForHelpAlias ", "ExpandAddress ", "OpenAddress "});
}

TTestHost::~TTestHost() {
  ClientSlot = nullptr;
  TestExportTable() = TTestExports{};
}

void Pump() { Application->ProcessMessages(); }

TModalResult RunModalWith(TCustomForm& form, std::function<void()> script) {
  bool ran = false;
  int idle_steps = 0;
  int id = Application->AddIdleHandler([&](TObject*, bool& done) {
    done = false;
    if (!form.HandleAllocated() || !IsWindowVisible(form.Handle())) return;
    if (!ran) {
      ran = true;
      script();
      return;
    }
    if (++idle_steps > 5000 && form.ModalResult() == mrNone) form.SetModalResult(-1);
  });
  auto remove = OnScopeExit([&] { Application->RemoveIdleHandler(id); });
  return form.ShowModal();
}
