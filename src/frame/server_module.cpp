#include "frame/server_module.h"

#include <algorithm>

#include "base/bstr.h"
#include "base/check_host.h"
#include "base/exceptions.h"
#include "base/host_guard.h"
#include "frame/document_options_view.h"
#include "frame/options_page.h"
#include "frame/plugin_application.h"
#include "frame/slots.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

HINSTANCE PluginInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

namespace {
// Out interfaces are emptied on entry, before anything can fail.
template <class I>
void empty_out(I** out) {
  if (out) *out = nullptr;
}

template <class T>
void require_out(T* out) {
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
  processControl_ = std::make_unique<TProcessControl>(0);
  RegisterCommands();
  AfterRegisterCommands();
  if (client) {
    HWND window = nullptr;
    check_host(client->GetApplicationHandle(&window));
    AdoptHostApplicationWindow(window);
  }
}

TServerModule::~TServerModule() {
  registered_.clear();
  launcher_.reset();
  documents_.clear();
  processControl_.reset();
  optionsPageClasses_.reset();
  if (ModuleSlot.Module == this) ModuleSlot = TModuleSlot{};
}

void TServerModule::Idle() {
  MSG message;
  if (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE))
    PostMessageW(PluginApplicationWindow(), WM_USER, 0, 0);
  RunApplicationIdleStep();
}

ComPtr<IServerDocument> TServerModule::CreateDocument(DWORD kind, DWORD source) {
  return CreateDocument(kind, source, true);
}

ComPtr<IServerDocument> TServerModule::CreateDocument(DWORD kind, DWORD source, bool show) {
  ComPtr<IServerDocument> document = NewDocument(kind, source, show);
  if (document) documents_.push_back(document);
  return document;
}

void TServerModule::DestroyDocument(IServerDocument* document) {
  if (!document) return;
  check_host(document->BeforeDestroy());
  auto at = std::find_if(documents_.begin(), documents_.end(),
                         [&](const ComPtr<IServerDocument>& d) { return d.get() == document; });
  if (at != documents_.end()) documents_.erase(at);
}

ICommandLauncher* TServerModule::GetCommandLauncher() { return launcher_.get(); }

ComPtr<IUnknown> TServerModule::CreateServerObject(DWORD) { return {}; }

void TServerModule::RemoveRegistered(IUnknown* registered) {
  auto at = std::find_if(registered_.begin(), registered_.end(),
                         [&](const ComPtr<IUnknown>& r) { return r.get() == registered; });
  if (at != registered_.end()) registered_.erase(at);
}

void TServerModule::AddRegistered(IUnknown* registered) {
  registered_.push_back(ComPtr<IUnknown>(registered));
}

ComPtr<IUnknown> TServerModule::CreateServerObjectFor(DWORD, DWORD) { return {}; }

TDocumentOptionsForm* TServerModule::CreateOptionsForm(const std::wstring&) { return nullptr; }

ComPtr<IServerDocument> TServerModule::NewDocument(DWORD kind, DWORD source, bool) {
  return NewDocument(kind, source);
}

void TServerModule::ReceiveNotification(DWORD) {}
void TServerModule::RegisterCommands() {}
void TServerModule::CreateCommandLauncher() { launcher_ = std::make_unique<TCommandLauncher>(); }

namespace {
int ComparePageNames(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1);
}
bool SamePageName(const std::wstring& a, const std::wstring& b) {
  return ComparePageNames(a, b) == CSTR_EQUAL;
}
}  // namespace

void TServerModule::RegisterOptionsPage(const std::wstring& name, TOptionsPageClass page_class) {
  if (!optionsPageClasses_) optionsPageClasses_ = std::make_unique<TOptionsPageClasses>();
  auto& list = *optionsPageClasses_;
  auto at = std::find_if(list.begin(), list.end(), [&](const auto& entry) {
    return ComparePageNames(entry.first, name) != CSTR_LESS_THAN;
  });
  if (at != list.end() && SamePageName(at->first, name)) return;
  list.emplace(at, name, page_class);
}

ComPtr<IOptionsPage> TServerModule::CreateOptionsPage(const std::wstring& name) {
  if (!optionsPageClasses_) return {};
  for (const auto& [registered, page_class] : *optionsPageClasses_)
    if (SamePageName(registered, name)) return ComPtr<IOptionsPage>(new TOptionsPage(page_class()));
  return {};
}

void TServerModule::BeginOptionsPages() {}
void TServerModule::EndOptionsPages() {}
void TServerModule::AfterRegisterCommands() {}

HRESULT __stdcall TServerModule::Interfaces::QueryInterface(REFIID iid, void** object) {
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

ULONG __stdcall TServerModule::Interfaces::AddRef() { return ++module_->references_; }

ULONG __stdcall TServerModule::Interfaces::Release() {
  ULONG count = --module_->references_;
  if (count == 0) delete module_;
  return count;
}

HRESULT __stdcall TServerModule::Interfaces::Idle() {
  return host_guard([&] { module_->Idle(); });
}

HRESULT __stdcall TServerModule::Interfaces::ReceiveNotification(DWORD notification) {
  return host_guard([&] { module_->ReceiveNotification(notification); });
}

HRESULT __stdcall TServerModule::Interfaces::CreateDocument(DWORD kind, DWORD source,
                                                            IServerDocument** document) {
  empty_out(document);
  return host_guard([&] {
    require_out(document);
    module_->CreateDocument(kind, source).copy_to(document);
  });
}

HRESULT __stdcall TServerModule::Interfaces::DestroyDocument(IServerDocument* document) {
  return host_guard([&] { module_->DestroyDocument(document); });
}

HRESULT __stdcall TServerModule::Interfaces::GetClient(IClient** client) {
  empty_out(client);
  return host_guard([&] {
    require_out(client);
    ComPtr<IClient>(module_->client_).copy_to(client);
  });
}

HRESULT __stdcall TServerModule::Interfaces::GetCommandLauncher(ICommandLauncher** launcher) {
  empty_out(launcher);
  return host_guard([&] {
    require_out(launcher);
    ComPtr<ICommandLauncher>(module_->GetCommandLauncher()).copy_to(launcher);
  });
}

HRESULT __stdcall TServerModule::Interfaces::GetDocumentCount(int32_t* count) {
  return host_guard([&] {
    require_out(count);
    *count = static_cast<int32_t>(module_->documents_.size());
  });
}

HRESULT __stdcall TServerModule::Interfaces::GetDocument(int32_t index,
                                                         IServerDocument** document) {
  empty_out(document);
  return host_guard([&] {
    require_out(document);
    if (index < 0 || index >= static_cast<int32_t>(module_->documents_.size()))
      throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    module_->documents_[index].copy_to(document);
  });
}

HRESULT __stdcall TServerModule::Interfaces::GetModuleHandle(DWORD* instance) {
  return host_guard([&] {
    require_out(instance);
    *instance = static_cast<DWORD>(reinterpret_cast<uintptr_t>(PluginInstance()));
  });
}

HRESULT __stdcall TServerModule::Interfaces::GetModuleName(BSTR* name) {
  if (name) *name = nullptr;
  return host_guard([&] {
    require_out(name);
    *name = UniqueBstr(module_->name_).detach();
  });
}

HRESULT __stdcall TServerModule::Interfaces::GetProcessControl(IProcessControl** control) {
  empty_out(control);
  return host_guard([&] {
    require_out(control);
    ComPtr<IProcessControl>(module_->processControl_.get()).copy_to(control);
  });
}

HRESULT __stdcall TServerModule::Interfaces::GetRegisteredCount(int32_t* count) {
  return host_guard([&] {
    require_out(count);
    *count = static_cast<int32_t>(module_->registered_.size());
  });
}

HRESULT __stdcall TServerModule::Interfaces::GetRegistered(int32_t index, IUnknown** registered) {
  empty_out(registered);
  return host_guard([&] {
    require_out(registered);
    if (index < 0 || index >= static_cast<int32_t>(module_->registered_.size()))
      throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    module_->registered_[index].copy_to(registered);
  });
}

HRESULT __stdcall TServerModule::Interfaces::CreateOptionsView(BSTR name,
                                                               IDocumentOptionsView** view) {
  empty_out(view);
  return host_guard([&] {
    require_out(view);
    if (TDocumentOptionsForm* form = module_->CreateOptionsForm(bstr_text(name)))
      ComPtr<IDocumentOptionsView>(new TDocumentOptionsView(form)).copy_to(view);
  });
}

HRESULT __stdcall TServerModule::Interfaces::CreateServerObject(DWORD kind, IUnknown** object) {
  empty_out(object);
  return host_guard([&] {
    require_out(object);
    module_->CreateServerObject(kind).copy_to(object);
  });
}

HRESULT __stdcall TServerModule::Interfaces::CreateServerObjectFor(DWORD kind, DWORD owner,
                                                                   IUnknown** object) {
  empty_out(object);
  return host_guard([&] {
    require_out(object);
    module_->CreateServerObjectFor(kind, owner).copy_to(object);
  });
}

HRESULT __stdcall TServerModule::Interfaces::RemoveRegistered(IUnknown* registered) {
  return host_guard([&] { module_->RemoveRegistered(registered); });
}

HRESULT __stdcall TServerModule::Interfaces::AddRegistered(IUnknown* registered) {
  return host_guard([&] { module_->AddRegistered(registered); });
}

HRESULT __stdcall TServerModule::Interfaces::CreateDocument(DWORD kind, DWORD source, BYTE show,
                                                            IServerDocument** document) {
  empty_out(document);
  return host_guard([&] {
    require_out(document);
    module_->CreateDocument(kind, source, show != 0).copy_to(document);
  });
}

HRESULT __stdcall TServerModule::Interfaces::CreateOptionsPage(BSTR name, IOptionsPage** page) {
  empty_out(page);
  return host_guard([&] {
    require_out(page);
    module_->CreateOptionsPage(bstr_text(name)).copy_to(page);
  });
}

HRESULT __stdcall TServerModule::Interfaces::BeginOptionsPages() {
  return host_guard([&] { module_->BeginOptionsPages(); });
}

HRESULT __stdcall TServerModule::Interfaces::EndOptionsPages() {
  return host_guard([&] { module_->EndOptionsPages(); });
}
