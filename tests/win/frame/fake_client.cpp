#include "tests/win/frame/fake_client.h"

#include <oleauto.h>

#include <cstring>

#include "base/com_ptr.h"
#include "base/text_convert.h"

void leave_host_error(const wchar_t* description) {
  if (!description) {
    SetErrorInfo(0, nullptr);
    return;
  }
  ComPtr<ICreateErrorInfo> create;
  CreateErrorInfo(create.put());
  UniqueBstr text(description);
  create->SetDescription(text.get());
  ComPtr<IErrorInfo> info = create.try_query<IErrorInfo>(IID_IErrorInfo);
  SetErrorInfo(0, info.get());
}

namespace {
template <class I>
HRESULT query(I* self, REFIID own, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid != IID_IUnknown && iid != own) return E_NOINTERFACE;
  *object = self;
  self->AddRef();
  return S_OK;
}
}  // namespace

HRESULT __stdcall FakeView::QueryInterface(REFIID iid, void** object) {
  return query(this, IID_IServerView, iid, object);
}

HRESULT __stdcall FakeView::UpdateAfterCommand() {
  if (log) log->push_back("IServerView.UpdateAfterCommand");
  return updateStatus;
}

HRESULT __stdcall FakeDocument::QueryInterface(REFIID iid, void** object) {
  return query(this, IID_IServerDocument, iid, object);
}

HRESULT __stdcall FakeUiManager::QueryInterface(REFIID iid, void** object) {
  return query(this, IID_IClientUiManager, iid, object);
}

HRESULT __stdcall FakeUiManager::SetStatusText(int32_t panel, BSTR text) {
  if (log) log->push_back("SetStatusText " + std::to_string(panel) + " \"" +
                          to_ansi(bstr_text(text)) + "\"");
  return status;
}

HRESULT __stdcall FakeSettingsStore::QueryInterface(REFIID iid, void** object) {
  return query(this, IID_ISettingsStore, iid, object);
}

HRESULT __stdcall FakeSettingsStore::ReadInteger(BSTR section, BSTR key, int32_t defaultValue,
                                                 int32_t* value) {
  if (log) log->push_back("ReadInteger " + to_ansi(bstr_text(section)) + "/" +
                          to_ansi(bstr_text(key)) + " " + std::to_string(defaultValue));
  if (FAILED(status)) return status;
  auto at = values.find(bstr_text(section) + L"/" + bstr_text(key));
  *value = at == values.end() ? defaultValue : at->second;
  return S_OK;
}

HRESULT __stdcall FakeSettingsService::QueryInterface(REFIID iid, void** object) {
  return query(this, IID_ISettingsService, iid, object);
}

HRESULT __stdcall FakeSettingsService::OpenModuleSettings(BSTR module, BSTR path,
                                                          ISettingsStore** out) {
  *out = nullptr;
  if (log) log->push_back("OpenModuleSettings " + to_ansi(bstr_text(module)) + " " +
                          to_ansi(bstr_text(path)));
  if (FAILED(status)) return status;
  if (store) {
    store->AddRef();
    *out = store;
  }
  return S_OK;
}

HRESULT FakeClient::failure(const char* operation, const std::string& logged) {
  log.push_back(logged.empty() ? std::string(operation) : logged);
  auto at = failures.find(operation);
  if (at == failures.end()) return S_OK;
  auto text = failureTexts.find(operation);
  leave_host_error(text == failureTexts.end() ? nullptr : text->second.c_str());
  return at->second;
}

HRESULT __stdcall FakeClient::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IUnknown || iid == IID_IClient)
    *object = static_cast<IClient*>(this);
  else if (iid == IID_IProcessLauncher && offersProcessLauncher)
    *object = static_cast<IProcessLauncher*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

HRESULT __stdcall FakeClient::GetApplicationHandle(HWND* window) {
  *window = nullptr;
  if (HRESULT status = failure("GetApplicationHandle")) return status;
  *window = applicationWindow;
  return S_OK;
}

HRESULT __stdcall FakeClient::GetCurrentView(IServerView** out) {
  *out = nullptr;
  if (HRESULT status = failure("GetCurrentView")) return status;
  if (view) {
    view->AddRef();
    *out = view;
  }
  return S_OK;
}

HRESULT __stdcall FakeClient::HostMainWindow(HWND* window) {
  *window = nullptr;
  if (HRESULT status = failure("HostMainWindow")) return status;
  *window = mainWindow;
  return S_OK;
}

HRESULT __stdcall FakeClient::GetUiManager(IClientUiManager** manager) {
  *manager = nullptr;
  if (HRESULT status = failure("GetUiManager")) return status;
  if (uiManager) {
    uiManager->AddRef();
    *manager = uiManager;
  }
  return S_OK;
}

HRESULT __stdcall FakeClient::QueryDialogFont(DWORD, BYTE* exists, BSTR* name, int32_t* size,
                                              BYTE* style, DWORD* colour, BYTE* charset) {
  *name = nullptr;
  if (HRESULT status = failure("QueryDialogFont")) return status;
  *exists = 1;
  *name = SysAllocString(L"Tahoma");
  *size = 9;
  *style = 1;
  *colour = 0x00112233;
  *charset = 1;
  return S_OK;
}

HRESULT __stdcall FakeClient::GetSettingsService(ISettingsService** service) {
  *service = nullptr;
  if (HRESULT status = failure("GetSettingsService")) return status;
  if (settings) {
    settings->AddRef();
    *service = settings;
  }
  return S_OK;
}

HRESULT __stdcall FakeClient::RunProcess(const char* process, char* parameters, int32_t size,
                                         IServerView* runView) {
  std::string line = std::string("RunProcess ") + process + " \"" + (parameters ? parameters : "") +
                     "\" " + std::to_string(size) + (runView ? " view" : " no-view");
  if (HRESULT status = failure("RunProcess", line)) return status;
  if (!processAnswer.empty() && parameters && size > 0) {
    std::strncpy(parameters, processAnswer.c_str(), static_cast<size_t>(size) - 1);
    parameters[size - 1] = 0;
  }
  return S_OK;
}
