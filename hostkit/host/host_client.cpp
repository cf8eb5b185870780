#include "host_client.h"

#include <vector>

#include "base/bstr.h"
#include "base/text_convert.h"
#include "hostapi/i_command_launcher.h"
#include "host_state.h"
#include "host_view.h"
#include "settings_service.h"
#include "ui_manager.h"

namespace {
std::vector<IServerModule*> ServerModules() {
  std::vector<IServerModule*> modules;
  if (Host().PcbModule) modules.push_back(Host().PcbModule.get());
  if (Host().PluginModule) modules.push_back(Host().PluginModule.get());
  return modules;
}

IServerModule* ModuleNamed(const std::wstring& name) {
  if (_wcsicmp(name.c_str(), L"PCB") == 0) return Host().PcbModule.get();
  for (IServerModule* module : ServerModules()) {
    TUniqueBstr module_name;
    if (SUCCEEDED(module->GetModuleName(module_name.Put())) &&
        _wcsicmp(module_name.Wide().c_str(), name.c_str()) == 0)
      return module;
  }
  return nullptr;
}

std::string WindowText(HWND window) {
  char buffer[16];
  wsprintfA(buffer, "0x%08X", static_cast<unsigned>(reinterpret_cast<uintptr_t>(window)));
  return buffer;
}
}  // namespace

THostClient& HostClient() {
  static THostClient client;
  return client;
}

HRESULT __stdcall THostClient::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IUnknown || iid == IID_IClient)
    *object = static_cast<IClient*>(this);
  else if (iid == IID_IProcessLauncher)
    *object = static_cast<IProcessLauncher*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

HRESULT __stdcall THostClient::GetApplicationHandle(HWND* window) {
  THostCall call("IClient.GetApplicationHandle", "");
  if (window) *window = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!window) return call.Done(E_POINTER);
  *window = Host().ApplicationWindow;
  return call.Done(S_OK, "window=" + WindowText(*window));
}

HRESULT __stdcall THostClient::GetServerModuleCount(int32_t* count) {
  THostCall call("IClient.GetServerModuleCount", "");
  if (call.Injected()) return call.Done(call.Injected());
  if (!count) return call.Done(E_POINTER);
  *count = static_cast<int32_t>(ServerModules().size());
  return call.Done(S_OK, "count=" + std::to_string(*count));
}

HRESULT __stdcall THostClient::GetCurrentView(IServerView** view) {
  THostCall call("IClient.GetCurrentView", "");
  if (view) *view = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!view) return call.Done(E_POINTER);
  if (IServerView* current = CurrentHostView()) {
    current->AddRef();
    *view = current;
  }
  return call.Done(S_OK, "view=" + TracePointer(*view));
}

HRESULT __stdcall THostClient::LookupServerModule(BSTR server_name, IServerModule** module) {
  THostCall call("IClient.LookupServerModule", TraceText(server_name));
  if (module) *module = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!module) return call.Done(E_POINTER);
  if (IServerModule* found = ModuleNamed(BstrText(server_name))) {
    found->AddRef();
    *module = found;
  }
  return call.Done(S_OK, "module=" + TracePointer(*module));
}

HRESULT __stdcall THostClient::HostMainWindow(HWND* window) {
  THostCall call("IClient.HostMainWindow", "");
  if (window) *window = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!window) return call.Done(E_POINTER);
  *window = Host().MainWindow;
  return call.Done(S_OK, "window=" + WindowText(*window));
}

HRESULT __stdcall THostClient::GetUiManager(IClientUiManager** manager) {
  THostCall call("IClient.GetUiManager", "");
  if (manager) *manager = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!manager) return call.Done(E_POINTER);
  HostUiManager().AddRef();
  *manager = &HostUiManager();
  return call.Done(S_OK, "manager=present");
}

HRESULT __stdcall THostClient::GetServerModuleAt(int32_t index, IServerModule** module) {
  THostCall call("IClient.GetServerModuleAt", std::to_string(index));
  if (module) *module = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!module) return call.Done(E_POINTER);
  std::vector<IServerModule*> modules = ServerModules();
  if (index < 0 || index >= static_cast<int32_t>(modules.size())) return call.Done(E_INVALIDARG);
  modules[index]->AddRef();
  *module = modules[index];
  return call.Done(S_OK, "module=present");
}

HRESULT __stdcall THostClient::GetServerModule(BSTR server_name, IServerModule** module) {
  THostCall call("IClient.GetServerModule", TraceText(server_name));
  if (module) *module = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!module) return call.Done(E_POINTER);
  if (IServerModule* found = ModuleNamed(BstrText(server_name))) {
    found->AddRef();
    *module = found;
  }
  return call.Done(S_OK, "module=" + TracePointer(*module));
}

HRESULT __stdcall THostClient::IsShuttingDown(BYTE* shutting_down) {
  THostCall call("IClient.IsShuttingDown", "");
  if (shutting_down) *shutting_down = 0;
  if (call.Injected()) return call.Done(call.Injected());
  if (!shutting_down) return call.Done(E_POINTER);
  return call.Done(S_OK, "answer=0");
}

HRESULT __stdcall THostClient::ShowDocument(IServerDocument* document) {
  THostCall call("IClient.ShowDocument", TracePointer(document));
  if (call.Injected()) return call.Done(call.Injected());
  if (Host().MainWindow) SetForegroundWindow(Host().MainWindow);
  return call.Done(S_OK);
}

HRESULT __stdcall THostClient::FileForHelpAlias(BSTR alias, BSTR* file_name) {
  THostCall call("IClient.FileForHelpAlias", TraceText(alias));
  if (file_name) *file_name = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!file_name) return call.Done(E_POINTER);
  std::wstring file = HostSetting(L"HelpAliases", BstrText(alias).c_str(), L"");
  *file_name = TUniqueBstr(file).Detach();
  return call.Done(S_OK, "file=" + TraceText(file.c_str()));
}

HRESULT __stdcall THostClient::QueryDialogFont(DWORD kind, BYTE* exists, BSTR* name, int32_t* size,
                                               BYTE* style, DWORD* colour, BYTE* charset) {
  THostCall call("IClient.QueryDialogFont", std::to_string(kind));
  if (name) *name = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!exists || !name || !size || !style || !colour || !charset) return call.Done(E_POINTER);
  std::wstring font_name = HostSetting(L"DialogFont", L"Name", L"");
  *exists = kind == 0 && !font_name.empty() ? 1 : 0;
  *size = HostSettingInt(L"DialogFont", L"Size", 8);
  *style = static_cast<BYTE>(HostSettingInt(L"DialogFont", L"Style", 0));
  *colour = static_cast<DWORD>(HostSettingInt(L"DialogFont", L"Colour", 0));
  *charset = static_cast<BYTE>(HostSettingInt(L"DialogFont", L"Charset", DEFAULT_CHARSET));
  if (*exists) *name = TUniqueBstr(font_name).Detach();
  return call.Done(S_OK, "exists=" + std::to_string(*exists) + " name=" +
                             TraceText(*exists ? font_name.c_str() : L"") +
                             " size=" + std::to_string(*size));
}

HRESULT __stdcall THostClient::GetAddressService(IAddressService** service) {
  THostCall call("IClient.GetAddressService", "");
  if (service) *service = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  return call.Done(E_NOTIMPL);
}

HRESULT __stdcall THostClient::GetSettingsService(ISettingsService** service) {
  THostCall call("IClient.GetSettingsService", "");
  if (service) *service = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!service) return call.Done(E_POINTER);
  HostSettingsService().AddRef();
  *service = &HostSettingsService();
  return call.Done(S_OK, "service=present");
}

HRESULT __stdcall THostClient::CanRunProcess(const char* process, BYTE* available) {
  THostCall call("IProcessLauncher.CanRunProcess", TraceText(process ? process : ""));
  if (available) *available = 0;
  if (call.Injected()) return call.Done(call.Injected());
  if (!available) return call.Done(E_POINTER);
  *available = 1;
  return call.Done(S_OK, "answer=1");
}

HRESULT __stdcall THostClient::RunProcess(const char* process, char* parameters, int32_t size,
                                          IServerView* view) {
  std::string text = parameters ? std::string(parameters, strnlen(parameters, size > 0 ? size : 4096))
                                : std::string();
  THostCall call("IProcessLauncher.RunProcess",
                 TraceText(process ? process : "") + ", " + TraceText(text) + ", " +
                     std::to_string(size) + ", view=" + TracePointer(view));
  if (call.Injected()) return call.Done(call.Injected());
  std::string name = process ? process : "";
  // PCB processes go to the PCB module's own command launcher; a redraw also repaints the view.
  if (name.size() > 4 && _strnicmp(name.c_str(), "PCB:", 4) == 0 && Host().PcbModule) {
    TComPtr<ICommandLauncher> launcher;
    if (SUCCEEDED(Host().PcbModule->GetCommandLauncher(launcher.Put())) && launcher)
      launcher->LaunchCommand(name.c_str() + 4, parameters, size, view);
  }
  if (Host().ViewWindow) InvalidateRect(Host().ViewWindow, nullptr, TRUE);
  return call.Done(S_OK);
}
