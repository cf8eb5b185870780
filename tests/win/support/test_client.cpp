#include "tests/win/support/test_client.h"

#include <oleauto.h>

#include <cstring>

#include "base/com_ptr.h"
#include "base/text_convert.h"
#include "hostapi/i_server_module.h"

void LeaveHostError(const wchar_t* description) {
  if (!description) {
    SetErrorInfo(0, nullptr);
    return;
  }
  TComPtr<ICreateErrorInfo> create;
  CreateErrorInfo(create.Put());
  TUniqueBstr text(description);
  create->SetDescription(text.get());
  TComPtr<IErrorInfo> info = create.TryQuery<IErrorInfo>(IID_IErrorInfo);
  SetErrorInfo(0, info.get());
}

namespace {
template <class I>
HRESULT Query(I* self, REFIID own, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid != IID_IUnknown && iid != own) return E_NOINTERFACE;
  *object = self;
  self->AddRef();
  return S_OK;
}
}  // namespace

HRESULT __stdcall TTestView::QueryInterface(REFIID iid, void** object) {
  return Query(this, IID_IServerView, iid, object);
}

HRESULT __stdcall TTestView::UpdateAfterCommand() {
  if (log) log->push_back("IServerView.UpdateAfterCommand");
  return update_status;
}

HRESULT __stdcall TTestDocument::QueryInterface(REFIID iid, void** object) {
  return Query(this, IID_IServerDocument, iid, object);
}

HRESULT __stdcall TTestUiManager::QueryInterface(REFIID iid, void** object) {
  return Query(this, IID_IClientUiManager, iid, object);
}

HRESULT __stdcall TTestUiManager::SetStatusText(int32_t panel, BSTR text) {
  if (log) log->push_back("SetStatusText " + std::to_string(panel) + " \"" +
                          ToAnsi(BstrText(text)) + "\"");
  return status;
}

HRESULT __stdcall TTestUiManager::OfferKey(int32_t key, int32_t alt, int32_t shift, int32_t ctrl,
                                          BYTE* handled) {
  if (log) log->push_back("OfferKey " + std::to_string(key) + " " + std::to_string(alt) + " " +
                          std::to_string(shift) + " " + std::to_string(ctrl));
  if (handled) *handled = takes_keys ? 1 : 0;
  return status;
}

HRESULT __stdcall TTestUiManager::AfterKeyHandled() {
  if (log) log->push_back("AfterKeyHandled");
  return status;
}

HRESULT __stdcall TTestAddressService::QueryInterface(REFIID iid, void** object) {
  return Query(this, IID_IAddressService, iid, object);
}

HRESULT __stdcall TTestAddressService::SplitAddress(BSTR, BSTR* protocol, BSTR* location,
                                                   BSTR* rest) {
  *protocol = *location = *rest = nullptr;
  return S_OK;
}

HRESULT __stdcall TTestAddressService::OpenAddress(DWORD flags, const BSTR* address,
                                                  IServerDocument** document, int32_t* done) {
  if (log) log->push_back("OpenAddress " + std::to_string(flags) + " " + ToAnsi(BstrText(*address)));
  *document = nullptr;
  *done = 1;
  return S_OK;
}

HRESULT __stdcall TTestAddressService::ExpandAddress(BSTR address, BSTR* expanded) {
  if (log) log->push_back("ExpandAddress " + ToAnsi(BstrText(address)));
  *expanded = TUniqueBstr(BstrText(address)).Detach();
  return S_OK;
}

HRESULT __stdcall TTestSettingsStore::QueryInterface(REFIID iid, void** object) {
  return Query(this, IID_ISettingsStore, iid, object);
}

HRESULT __stdcall TTestSettingsStore::ReadInteger(BSTR section, BSTR key, int32_t default_value,
                                                 int32_t* value) {
  if (log) log->push_back("ReadInteger " + ToAnsi(BstrText(section)) + "/" +
                          ToAnsi(BstrText(key)) + " " + std::to_string(default_value));
  if (FAILED(status)) return status;
  auto at = values.find(BstrText(section) + L"/" + BstrText(key));
  *value = at == values.end() ? default_value : at->second;
  return S_OK;
}

HRESULT __stdcall TTestSettingsService::QueryInterface(REFIID iid, void** object) {
  return Query(this, IID_ISettingsService, iid, object);
}

HRESULT __stdcall TTestSettingsService::OpenModuleSettings(BSTR module, BSTR path,
                                                          ISettingsStore** out) {
  *out = nullptr;
  if (log) log->push_back("OpenModuleSettings " + ToAnsi(BstrText(module)) + " " +
                          ToAnsi(BstrText(path)));
  if (FAILED(status)) return status;
  if (store) {
    store->AddRef();
    *out = store;
  }
  return S_OK;
}

std::vector<std::string> TTestClient::LogOf(std::initializer_list<std::string_view> prefixes) const {
  std::vector<std::string> lines;
  for (const std::string& line : log)
    for (std::string_view prefix : prefixes)
      if (line.starts_with(prefix)) {
        lines.push_back(line);
        break;
      }
  return lines;
}

int TTestClient::Calls(std::string_view operation) const {
  int count = 0;
  for (const std::string& line : log)
    if (line.starts_with(operation) &&
        (line.size() == operation.size() || line[operation.size()] == ' '))
      ++count;
  return count;
}

void TTestClient::ServeSettings(TTestSettingsService& service, TTestSettingsStore& store) {
  service.log = store.log = &log;
  service.store = &store;
  settings = &service;
}

HRESULT TTestClient::FailureStatus(const char* operation, const std::string& logged) {
  log.push_back(logged.empty() ? std::string(operation) : logged);
  if (on_call) on_call(log.back());
  auto at = failures.find(operation);
  if (at == failures.end()) return S_OK;
  auto text = failure_texts.find(operation);
  LeaveHostError(text == failure_texts.end() ? nullptr : text->second.c_str());
  return at->second;
}

HRESULT __stdcall TTestClient::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IUnknown || iid == IID_IClient)
    *object = static_cast<IClient*>(this);
  else if (iid == IID_IProcessLauncher && offers_process_launcher)
    *object = static_cast<IProcessLauncher*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

HRESULT __stdcall TTestClient::GetApplicationHandle(HWND* window) {
  *window = nullptr;
  if (HRESULT status = FailureStatus("GetApplicationHandle")) return status;
  *window = application_window;
  return S_OK;
}

HRESULT __stdcall TTestClient::GetCurrentView(IServerView** out) {
  *out = nullptr;
  if (HRESULT status = FailureStatus("GetCurrentView")) return status;
  if (view) {
    view->AddRef();
    *out = view;
  }
  return S_OK;
}

HRESULT __stdcall TTestClient::HostMainWindow(HWND* window) {
  *window = nullptr;
  if (HRESULT status = FailureStatus("HostMainWindow")) return status;
  *window = main_window;
  return S_OK;
}

HRESULT __stdcall TTestClient::GetUiManager(IClientUiManager** manager) {
  *manager = nullptr;
  if (HRESULT status = FailureStatus("GetUiManager")) return status;
  if (ui_manager) {
    ui_manager->AddRef();
    *manager = ui_manager;
  }
  return S_OK;
}

HRESULT __stdcall TTestClient::QueryDialogFont(DWORD kind, BYTE* exists, BSTR* name, int32_t* size,
                                              BYTE* style, DWORD* colour, BYTE* charset) {
  *name = nullptr;
  if (HRESULT status = FailureStatus("QueryDialogFont")) return status;
  *exists = kind == 0 && font.exists ? 1 : 0;
  *name = font.exists ? TUniqueBstr(font.name).Detach() : nullptr;
  *size = font.size;
  *style = font.style;
  *colour = font.colour;
  *charset = font.charset;
  return S_OK;
}

HRESULT __stdcall TTestClient::GetSettingsService(ISettingsService** service) {
  *service = nullptr;
  if (HRESULT status = FailureStatus("GetSettingsService")) return status;
  if (settings) {
    settings->AddRef();
    *service = settings;
  }
  return S_OK;
}

HRESULT __stdcall TTestClient::RunProcess(const char* process, char* parameters, int32_t size,
                                         IServerView* run_view) {
  std::string line = std::string("RunProcess ") + process + " \"" + (parameters ? parameters : "") +
                     "\" " + std::to_string(size) + (run_view ? " view" : " no-view");
  if (HRESULT status = FailureStatus("RunProcess", line)) return status;
  if (!process_answer.empty() && parameters && size > 0) {
    std::strncpy(parameters, process_answer.c_str(), static_cast<size_t>(size) - 1);
    parameters[size - 1] = 0;
  }
  return S_OK;
}

HRESULT __stdcall TTestClient::GetServerModuleCount(int32_t* count) {
  *count = 0;
  if (HRESULT status = FailureStatus("GetServerModuleCount")) return status;
  *count = static_cast<int32_t>(listed_modules.size());
  return S_OK;
}

HRESULT __stdcall TTestClient::GetServerModuleAt(int32_t index, IServerModule** module) {
  *module = nullptr;
  if (HRESULT status = FailureStatus("GetServerModuleAt", "GetServerModuleAt " + std::to_string(index)))
    return status;
  if (index < 0 || static_cast<size_t>(index) >= listed_modules.size()) return E_INVALIDARG;
  *module = listed_modules[static_cast<size_t>(index)];
  (*module)->AddRef();
  return S_OK;
}

HRESULT __stdcall TTestClient::GetServerModule(BSTR server_name, IServerModule** module) {
  *module = nullptr;
  const std::wstring name = BstrText(server_name);
  if (HRESULT status = FailureStatus("GetServerModule", "GetServerModule " + ToAnsi(name)))
    return status;
  auto at = named_modules.find(name);
  if (at != named_modules.end() && at->second) {
    at->second->AddRef();
    *module = at->second;
  }
  return S_OK;
}

HRESULT __stdcall TTestClient::IsShuttingDown(BYTE* answer) {
  *answer = 0;
  if (HRESULT status = FailureStatus("IsShuttingDown")) return status;
  *answer = shutting_down;
  return S_OK;
}

HRESULT __stdcall TTestClient::ShowDocument(IServerDocument* document) {
  TUniqueBstr file;
  if (document) document->GetFileName(file.Put());
  return FailureStatus("ShowDocument", "ShowDocument " + file.Ansi());
}

HRESULT __stdcall TTestClient::FileForHelpAlias(BSTR alias, BSTR* file_name) {
  *file_name = nullptr;
  const std::string name = ToAnsi(BstrText(alias));
  if (HRESULT status = FailureStatus("FileForHelpAlias", "FileForHelpAlias " + name)) return status;
  if (name == alias_name) *file_name = TUniqueBstr(alias_file).Detach();
  return S_OK;
}

HRESULT __stdcall TTestClient::GetAddressService(IAddressService** service) {
  *service = nullptr;
  if (HRESULT status = FailureStatus("GetAddressService")) return status;
  addresses.log = &log;
  *service = address_service ? address_service : &addresses;
  (*service)->AddRef();
  return S_OK;
}
