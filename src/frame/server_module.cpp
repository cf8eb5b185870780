#include "frame/server_module.h"

#include <algorithm>

#include "base/bstr.h"
#include "base/check_host.h"
#include "base/exceptions.h"
#include "base/host_guard.h"
#include "frame/plugin_application.h"
#include "frame/slots.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

HINSTANCE PluginInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

namespace {
// Out interfaces are emptied on entry, before anything can fail.
template <class I>
void EmptyOut(I** out) {
  if (out) *out = nullptr;
}

template <class T>
void RequireOut(T* out) {
  if (!out) throw Exception("Out location missing");
}
}  // namespace

void TServerModule::Initialize(IClient* client, const std::wstring& name) {
  ClientSlot = client;
  ModuleSlot.Module = this;
  ModuleSlot.Interface = ServerModuleInterface();
  client_ = client;
  name_ = name;
  CreateCommandLauncher();
  process_control_ = std::make_unique<TProcessControl>(0);
  RegisterCommands();
  AfterRegisterCommands();
  if (client) {
    HWND window = nullptr;
    CheckHost(client->GetApplicationHandle(&window));
    AdoptHostApplicationWindow(window);
  }
}

TServerModule::~TServerModule() {
  registered_.clear();
  launcher_.reset();
  documents_.clear();
  process_control_.reset();
  options_page_classes_.reset();
  if (ModuleSlot.Module == this) ModuleSlot = TModuleSlot{};
}

void TServerModule::Idle() {
  MSG message;
  if (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE))
    PostMessageW(PluginApplicationWindow(), WM_USER, 0, 0);
  RunApplicationIdleStep();
}

TComPtr<IServerDocument> TServerModule::CreateDocument(DWORD kind, DWORD source) {
  return CreateDocument(kind, source, true);
}

TComPtr<IServerDocument> TServerModule::CreateDocument(DWORD kind, DWORD source, bool show) {
  TComPtr<IServerDocument> document = NewDocument(kind, source, show);
  if (document) documents_.push_back(document);
  return document;
}

void TServerModule::DestroyDocument(IServerDocument* document) {
  if (!document) return;
  CheckHost(document->BeforeDestroy());
  auto at = std::find_if(documents_.begin(), documents_.end(),
                         [&](const TComPtr<IServerDocument>& d) { return d.get() == document; });
  if (at != documents_.end()) documents_.erase(at);
}

ICommandLauncher* TServerModule::GetCommandLauncher() { return launcher_.get(); }

TComPtr<IUnknown> TServerModule::CreateServerObject(DWORD) { return {}; }

void TServerModule::RemoveRegistered(IUnknown* registered) {
  auto at = std::find_if(registered_.begin(), registered_.end(),
                         [&](const TComPtr<IUnknown>& r) { return r.get() == registered; });
  if (at != registered_.end()) registered_.erase(at);
}

void TServerModule::AddRegistered(IUnknown* registered) {
  registered_.push_back(TComPtr<IUnknown>(registered));
}

TComPtr<IUnknown> TServerModule::CreateServerObjectFor(DWORD, DWORD) { return {}; }

TObject* TServerModule::CreateOptionsForm(const std::wstring&) { return nullptr; }

TComPtr<IServerDocument> TServerModule::NewDocument(DWORD kind, DWORD source, bool) {
  return NewDocument(kind, source);
}

void TServerModule::ReceiveNotification(DWORD) {}
void TServerModule::RegisterCommands() {}
void TServerModule::CreateCommandLauncher() { launcher_ = std::make_unique<TCommandLauncher>(); }

TComPtr<IOptionsPage> TServerModule::CreateOptionsPage(const std::wstring& name) {
  if (!options_page_classes_) return {};
  for (const auto& [registered, factory] : *options_page_classes_)
    if (CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, registered.c_str(), -1, name.c_str(),
                       -1) == CSTR_EQUAL)
      return factory();
  return {};
}

void TServerModule::BeginOptionsPages() {}
void TServerModule::EndOptionsPages() {}
void TServerModule::AfterRegisterCommands() {}

HRESULT __stdcall TServerModule::TInterfaces::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IUnknown || iid == IID_IServerModule)
    *object = static_cast<IServerModule*>(this);
  else if (iid == IID_IOptionsPageProvider)
    *object = static_cast<IOptionsPageProvider*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG __stdcall TServerModule::TInterfaces::AddRef() { return ++module_->references_; }

ULONG __stdcall TServerModule::TInterfaces::Release() {
  ULONG count = --module_->references_;
  if (count == 0) delete module_;
  return count;
}

HRESULT __stdcall TServerModule::TInterfaces::Idle() {
  return HostGuard([&] { module_->Idle(); });
}

HRESULT __stdcall TServerModule::TInterfaces::ReceiveNotification(DWORD notification) {
  return HostGuard([&] { module_->ReceiveNotification(notification); });
}

HRESULT __stdcall TServerModule::TInterfaces::CreateDocument(DWORD kind, DWORD source,
                                                            IServerDocument** document) {
  EmptyOut(document);
  return HostGuard([&] {
    RequireOut(document);
    module_->CreateDocument(kind, source).CopyTo(document);
  });
}

HRESULT __stdcall TServerModule::TInterfaces::DestroyDocument(IServerDocument* document) {
  return HostGuard([&] { module_->DestroyDocument(document); });
}

HRESULT __stdcall TServerModule::TInterfaces::GetClient(IClient** client) {
  EmptyOut(client);
  return HostGuard([&] {
    RequireOut(client);
    TComPtr<IClient>(module_->client_).CopyTo(client);
  });
}

HRESULT __stdcall TServerModule::TInterfaces::GetCommandLauncher(ICommandLauncher** launcher) {
  EmptyOut(launcher);
  return HostGuard([&] {
    RequireOut(launcher);
    TComPtr<ICommandLauncher>(module_->GetCommandLauncher()).CopyTo(launcher);
  });
}

HRESULT __stdcall TServerModule::TInterfaces::GetDocumentCount(int32_t* count) {
  return HostGuard([&] {
    RequireOut(count);
    *count = static_cast<int32_t>(module_->documents_.size());
  });
}

HRESULT __stdcall TServerModule::TInterfaces::GetDocument(int32_t index,
                                                         IServerDocument** document) {
  EmptyOut(document);
  return HostGuard([&] {
    RequireOut(document);
    if (index < 0 || index >= static_cast<int32_t>(module_->documents_.size()))
      throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    module_->documents_[index].CopyTo(document);
  });
}

HRESULT __stdcall TServerModule::TInterfaces::GetModuleHandle(DWORD* instance) {
  return HostGuard([&] {
    RequireOut(instance);
    *instance = static_cast<DWORD>(reinterpret_cast<uintptr_t>(PluginInstance()));
  });
}

HRESULT __stdcall TServerModule::TInterfaces::GetModuleName(BSTR* name) {
  if (name) *name = nullptr;
  return HostGuard([&] {
    RequireOut(name);
    *name = TUniqueBstr(module_->name_).Detach();
  });
}

HRESULT __stdcall TServerModule::TInterfaces::GetProcessControl(IProcessControl** control) {
  EmptyOut(control);
  return HostGuard([&] {
    RequireOut(control);
    TComPtr<IProcessControl>(module_->process_control_.get()).CopyTo(control);
  });
}

HRESULT __stdcall TServerModule::TInterfaces::GetRegisteredCount(int32_t* count) {
  return HostGuard([&] {
    RequireOut(count);
    *count = static_cast<int32_t>(module_->registered_.size());
  });
}

HRESULT __stdcall TServerModule::TInterfaces::GetRegistered(int32_t index, IUnknown** registered) {
  EmptyOut(registered);
  return HostGuard([&] {
    RequireOut(registered);
    if (index < 0 || index >= static_cast<int32_t>(module_->registered_.size()))
      throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    module_->registered_[index].CopyTo(registered);
  });
}

HRESULT __stdcall TServerModule::TInterfaces::CreateOptionsView(BSTR name,
                                                               IDocumentOptionsView** view) {
  EmptyOut(view);
  return HostGuard([&] {
    RequireOut(view);
    if (module_->CreateOptionsForm(BstrText(name)))
      throw Exception("Options views are not supported by this server");
  });
}

HRESULT __stdcall TServerModule::TInterfaces::CreateServerObject(DWORD kind, IUnknown** object) {
  EmptyOut(object);
  return HostGuard([&] {
    RequireOut(object);
    module_->CreateServerObject(kind).CopyTo(object);
  });
}

HRESULT __stdcall TServerModule::TInterfaces::CreateServerObjectFor(DWORD kind, DWORD owner,
                                                                   IUnknown** object) {
  EmptyOut(object);
  return HostGuard([&] {
    RequireOut(object);
    module_->CreateServerObjectFor(kind, owner).CopyTo(object);
  });
}

HRESULT __stdcall TServerModule::TInterfaces::RemoveRegistered(IUnknown* registered) {
  return HostGuard([&] { module_->RemoveRegistered(registered); });
}

HRESULT __stdcall TServerModule::TInterfaces::AddRegistered(IUnknown* registered) {
  return HostGuard([&] { module_->AddRegistered(registered); });
}

HRESULT __stdcall TServerModule::TInterfaces::CreateDocument(DWORD kind, DWORD source, BYTE show,
                                                            IServerDocument** document) {
  EmptyOut(document);
  return HostGuard([&] {
    RequireOut(document);
    module_->CreateDocument(kind, source, show != 0).CopyTo(document);
  });
}

HRESULT __stdcall TServerModule::TInterfaces::CreateOptionsPage(BSTR name, IOptionsPage** page) {
  EmptyOut(page);
  return HostGuard([&] {
    RequireOut(page);
    module_->CreateOptionsPage(BstrText(name)).CopyTo(page);
  });
}

HRESULT __stdcall TServerModule::TInterfaces::BeginOptionsPages() {
  return HostGuard([&] { module_->BeginOptionsPages(); });
}

HRESULT __stdcall TServerModule::TInterfaces::EndOptionsPages() {
  return HostGuard([&] { module_->EndOptionsPages(); });
}
