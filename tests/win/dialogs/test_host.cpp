#include "tests/win/dialogs/test_host.h"

#include "base/bstr.h"
#include "base/scope_guard.h"
#include "base/text_convert.h"
#include "forms/application.h"
#include "frame/client_api_bindings.h"
#include "frame/slots.h"

namespace {

LRESULT CALLBACK host_window_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return DefWindowProcW(w, m, wp, lp);
}

}  // namespace

HRESULT __stdcall TestUiManager::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid != IID_IUnknown) return E_NOINTERFACE;
  *object = static_cast<IUnknown*>(this);
  return S_OK;
}

HRESULT __stdcall TestUiManager::SetStatusText(int32_t panel, BSTR text) {
  log.push_back("SetStatusText " + std::to_string(panel) + " '" +
                to_ansi(text ? std::wstring(text, SysStringLen(text)) : std::wstring()) + "'");
  return S_OK;
}

HRESULT __stdcall TestUiManager::OfferKey(int32_t key, int32_t alt, int32_t shift, int32_t ctrl,
                                          BYTE* handled) {
  log.push_back("OfferKey " + std::to_string(key) + " " + std::to_string(alt) + " " +
                std::to_string(shift) + " " + std::to_string(ctrl));
  if (handled) *handled = takesKeys ? 1 : 0;
  return S_OK;
}

HRESULT __stdcall TestUiManager::AfterKeyHandled() {
  log.push_back("AfterKeyHandled");
  return S_OK;
}

HRESULT __stdcall TestClient::QueryInterface(REFIID iid, void** object) {
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

HRESULT __stdcall TestClient::GetCurrentView(IServerView** view) {
  *view = nullptr;
  return S_OK;
}

HRESULT __stdcall TestClient::GetServerModuleCount(int32_t* count) {
  *count = 0;
  return S_OK;
}

HRESULT __stdcall TestClient::FileForHelpAlias(BSTR alias, BSTR* fileName) {
  std::string name = UniqueBstr(bstr_text(alias)).ansi();
  helpLog.push_back("FileForHelpAlias " + name);
  *fileName = name == aliasName ? UniqueBstr(aliasFile).detach() : nullptr;
  return S_OK;
}

HRESULT __stdcall TestClient::GetAddressService(IAddressService** service) {
  addresses.log = &helpLog;
  *service = &addresses;
  return S_OK;
}

HRESULT __stdcall TestClient::RunProcess(const char* process, char* parameters, int32_t size,
                                         IServerView*) {
  helpLog.push_back("RunProcess " + std::string(process) + " '" + (parameters ? parameters : "") + "' " +
                    std::to_string(size));
  return S_OK;
}

HRESULT __stdcall TestAddressService::SplitAddress(BSTR, BSTR* protocol, BSTR* location, BSTR* rest) {
  *protocol = *location = *rest = nullptr;
  return S_OK;
}

HRESULT __stdcall TestAddressService::OpenAddress(DWORD flags, const BSTR* address, IServerDocument** document,
                                                  int32_t* done) {
  log->push_back("OpenAddress " + std::to_string(flags) + " " + UniqueBstr(bstr_text(*address)).ansi());
  *document = nullptr;
  *done = 1;
  return S_OK;
}

HRESULT __stdcall TestAddressService::ExpandAddress(BSTR address, BSTR* expanded) {
  log->push_back("ExpandAddress " + UniqueBstr(bstr_text(address)).ansi());
  *expanded = UniqueBstr(bstr_text(address)).detach();
  return S_OK;
}

HRESULT __stdcall TestClient::GetApplicationHandle(HWND* window) {
  *window = mainWindow;
  return S_OK;
}

HRESULT __stdcall TestClient::HostMainWindow(HWND* window) {
  *window = mainWindow;
  return S_OK;
}

HRESULT __stdcall TestClient::GetUiManager(IClientUiManager** manager) {
  *manager = &uiManager;
  return S_OK;
}

HRESULT __stdcall TestClient::QueryDialogFont(DWORD kind, BYTE* exists, BSTR* name, int32_t* size,
                                              BYTE* style, DWORD* colour, BYTE* charset) {
  ++fontQueries;
  *name = nullptr;
  if (FAILED(fontStatus)) return fontStatus;
  *exists = kind == 0 && font.exists ? 1 : 0;
  *name = font.exists ? UniqueBstr(font.name).detach() : nullptr;
  *size = font.size;
  *style = font.style;
  *colour = font.colour;
  *charset = font.charset;
  return S_OK;
}

HostWindow::HostWindow() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &host_window_proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"DialogTestHostWindow";
  RegisterClassW(&wc);
  window_.reset(CreateWindowExW(0, wc.lpszClassName, L"Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20,
                                20, 400, 300, nullptr, nullptr, wc.hInstance, nullptr));
}

TestHost::TestHost(bool withClient) {
  UnbindClientApi();
  BindClientApi();
  client.mainWindow = mainWindow.get();
  ClientSlot = withClient ? &client : nullptr;
  test_exports() = TestExports{};
}

TestHost::~TestHost() {
  ClientSlot = nullptr;
  test_exports() = TestExports{};
}

void pump() { Application->ProcessMessages(); }

TModalResult run_modal_with(TCustomForm& form, std::function<void()> script) {
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
  auto remove = on_scope_exit([&] { Application->RemoveIdleHandler(id); });
  return form.ShowModal();
}
