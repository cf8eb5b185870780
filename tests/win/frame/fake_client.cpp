#include "tests/win/frame/fake_client.h"

#include <oleauto.h>

#include <cstring>

#include "base/com_ptr.h"
#include "base/text_convert.h"

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

HRESULT __stdcall TFakeView::QueryInterface(REFIID iid, void** object) {
  return Query(this, IID_IServerView, iid, object);
}

HRESULT __stdcall TFakeView::UpdateAfterCommand() {
  if (log) log->push_back("IServerView.UpdateAfterCommand");
  return update_status;
}

HRESULT __stdcall TFakeDocument::QueryInterface(REFIID iid, void** object) {
  return Query(this, IID_IServerDocument, iid, object);
}

HRESULT __stdcall TFakeUiManager::QueryInterface(REFIID iid, void** object) {
  return Query(this, IID_IClientUiManager, iid, object);
}

HRESULT __stdcall TFakeUiManager::SetStatusText(int32_t panel, BSTR text) {
  if (log) log->push_back("SetStatusText " + std::to_string(panel) + " \"" +
                          ToAnsi(BstrText(text)) + "\"");
  return status;
}

HRESULT __stdcall TFakeSettingsStore::QueryInterface(REFIID iid, void** object) {
  return Query(this, IID_ISettingsStore, iid, object);
}

HRESULT __stdcall TFakeSettingsStore::ReadInteger(BSTR section, BSTR key, int32_t default_value,
                                                 int32_t* value) {
  if (log) log->push_back("ReadInteger " + ToAnsi(BstrText(section)) + "/" +
                          ToAnsi(BstrText(key)) + " " + std::to_string(default_value));
  if (FAILED(status)) return status;
  auto at = values.find(BstrText(section) + L"/" + BstrText(key));
  *value = at == values.end() ? default_value : at->second;
  return S_OK;
}

HRESULT __stdcall TFakeSettingsService::QueryInterface(REFIID iid, void** object) {
  return Query(this, IID_ISettingsService, iid, object);
}

HRESULT __stdcall TFakeSettingsService::OpenModuleSettings(BSTR module, BSTR path,
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

HRESULT TFakeClient::FailureStatus(const char* operation, const std::string& logged) {
  log.push_back(logged.empty() ? std::string(operation) : logged);
  auto at = failures.find(operation);
  if (at == failures.end()) return S_OK;
  auto text = failure_texts.find(operation);
  LeaveHostError(text == failure_texts.end() ? nullptr : text->second.c_str());
  return at->second;
}

HRESULT __stdcall TFakeClient::QueryInterface(REFIID iid, void** object) {
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

HRESULT __stdcall TFakeClient::GetApplicationHandle(HWND* window) {
  *window = nullptr;
  if (HRESULT status = FailureStatus("GetApplicationHandle")) return status;
  *window = application_window;
  return S_OK;
}

HRESULT __stdcall TFakeClient::GetCurrentView(IServerView** out) {
  *out = nullptr;
  if (HRESULT status = FailureStatus("GetCurrentView")) return status;
  if (view) {
    view->AddRef();
    *out = view;
  }
  return S_OK;
}

HRESULT __stdcall TFakeClient::HostMainWindow(HWND* window) {
  *window = nullptr;
  if (HRESULT status = FailureStatus("HostMainWindow")) return status;
  *window = main_window;
  return S_OK;
}

HRESULT __stdcall TFakeClient::GetUiManager(IClientUiManager** manager) {
  *manager = nullptr;
  if (HRESULT status = FailureStatus("GetUiManager")) return status;
  if (ui_manager) {
    ui_manager->AddRef();
    *manager = ui_manager;
  }
  return S_OK;
}

HRESULT __stdcall TFakeClient::QueryDialogFont(DWORD, BYTE* exists, BSTR* name, int32_t* size,
                                              BYTE* style, DWORD* colour, BYTE* charset) {
  *name = nullptr;
  if (HRESULT status = FailureStatus("QueryDialogFont")) return status;
  *exists = 1;
  *name = SysAllocString(L"Tahoma");
  *size = 9;
  *style = 1;
  *colour = 0x00112233;
  *charset = 1;
  return S_OK;
}

HRESULT __stdcall TFakeClient::GetSettingsService(ISettingsService** service) {
  *service = nullptr;
  if (HRESULT status = FailureStatus("GetSettingsService")) return status;
  if (settings) {
    settings->AddRef();
    *service = settings;
  }
  return S_OK;
}

HRESULT __stdcall TFakeClient::RunProcess(const char* process, char* parameters, int32_t size,
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
