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

HRESULT __stdcall TTestUiManager::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid != IID_IUnknown) return E_NOINTERFACE;
  *object = static_cast<IUnknown*>(this);
  return S_OK;
}

HRESULT __stdcall TTestUiManager::SetStatusText(int32_t panel, BSTR text) {
  log.push_back("SetStatusText " + std::to_string(panel) + " '" +
                ToAnsi(text ? std::wstring(text, SysStringLen(text)) : std::wstring()) + "'");
  return S_OK;
}

HRESULT __stdcall TTestUiManager::OfferKey(int32_t key, int32_t alt, int32_t shift, int32_t ctrl,
                                          BYTE* handled) {
  log.push_back("OfferKey " + std::to_string(key) + " " + std::to_string(alt) + " " +
                std::to_string(shift) + " " + std::to_string(ctrl));
  if (handled) *handled = takes_keys ? 1 : 0;
  return S_OK;
}

HRESULT __stdcall TTestUiManager::AfterKeyHandled() {
  log.push_back("AfterKeyHandled");
  return S_OK;
}

HRESULT __stdcall TTestClient::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IProcessLauncher) {
    *object = static_cast<IProcessLauncher*>(this);
    return S_OK;
  }
  if (iid != IID_IUnknown && iid != IID_IClient) return E_NOINTERFACE;
  *object = static_cast<IClient*>(this);
  return S_OK;
}

HRESULT __stdcall TTestClient::GetCurrentView(IServerView** view) {
  *view = nullptr;
  return S_OK;
}

HRESULT __stdcall TTestClient::GetServerModuleCount(int32_t* count) {
  *count = 0;
  return S_OK;
}

HRESULT __stdcall TTestClient::FileForHelpAlias(BSTR alias, BSTR* file_name) {
  std::string name = TUniqueBstr(BstrText(alias)).Ansi();
  help_log.push_back("FileForHelpAlias " + name);
  *file_name = name == alias_name ? TUniqueBstr(alias_file).Detach() : nullptr;
  return S_OK;
}

HRESULT __stdcall TTestClient::GetAddressService(IAddressService** service) {
  addresses.log = &help_log;
  *service = &addresses;
  return S_OK;
}

HRESULT __stdcall TTestClient::RunProcess(const char* process, char* parameters, int32_t size,
                                         IServerView*) {
  help_log.push_back("RunProcess " + std::string(process) + " '" + (parameters ? parameters : "") + "' " +
                    std::to_string(size));
  return S_OK;
}

HRESULT __stdcall TTestAddressService::SplitAddress(BSTR, BSTR* protocol, BSTR* location, BSTR* rest) {
  *protocol = *location = *rest = nullptr;
  return S_OK;
}

HRESULT __stdcall TTestAddressService::OpenAddress(DWORD flags, const BSTR* address, IServerDocument** document,
                                                  int32_t* done) {
  log->push_back("OpenAddress " + std::to_string(flags) + " " + TUniqueBstr(BstrText(*address)).Ansi());
  *document = nullptr;
  *done = 1;
  return S_OK;
}

HRESULT __stdcall TTestAddressService::ExpandAddress(BSTR address, BSTR* expanded) {
  log->push_back("ExpandAddress " + TUniqueBstr(BstrText(address)).Ansi());
  *expanded = TUniqueBstr(BstrText(address)).Detach();
  return S_OK;
}

HRESULT __stdcall TTestClient::GetApplicationHandle(HWND* window) {
  *window = main_window;
  return S_OK;
}

HRESULT __stdcall TTestClient::HostMainWindow(HWND* window) {
  *window = main_window;
  return S_OK;
}

HRESULT __stdcall TTestClient::GetUiManager(IClientUiManager** manager) {
  *manager = &ui_manager;
  return S_OK;
}

HRESULT __stdcall TTestClient::QueryDialogFont(DWORD kind, BYTE* exists, BSTR* name, int32_t* size,
                                              BYTE* style, DWORD* colour, BYTE* charset) {
  ++font_queries;
  *name = nullptr;
  if (FAILED(font_status)) return font_status;
  *exists = kind == 0 && font.exists ? 1 : 0;
  *name = font.exists ? TUniqueBstr(font.name).Detach() : nullptr;
  *size = font.size;
  *style = font.style;
  *colour = font.colour;
  *charset = font.charset;
  return S_OK;
}

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
  client.main_window = main_window.get();
  ClientSlot = with_client ? &client : nullptr;
  TestExportTable() = TTestExports{};
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
