// OptionsServer.dll: a server library of the tests' own, built on the plug-in's frame, that offers
// what Tavrin does not: an options page "General" and a document options view "Grid". It lets the
// host kit's options dialog embed real forms across the binary contract.

#include <windows.h>

#include "base/exceptions.h"
#include "base/host_guard.h"
#include "forms/application.h"
#include "frame/error_info_hook.h"
#include "frame/library_steps.h"
#include "frame/server_module.h"
#include "frame/slots.h"
#include "toolkit/label.h"
#include "toolkit/xp_check_box.h"
#include "toolkit/xp_edit.h"

TAVRIN_DEFINE_RAISE_WRAPPER()

namespace {

// The page form answers its own IOptionsPage, as a module's page form does.
class TGeneralPage : public TForm, public IOptionsPage {
  TAVRIN_CLASS(TGeneralPage, TForm)
 public:
  explicit TGeneralPage(TComponent* owner) : TForm(owner) {
    SetCaption("General");
    auto* label = new TLabel(this);
    label->SetParent(this);
    label->SetBounds(12, 14, 110, 20);
    label->SetCaption("Owner name:");
    auto* field = new TXPEdit(this);
    field->SetParent(this);
    field->SetBounds(130, 12, 200, 22);
    field->SetText("Quorvel user");
    field->SetTabStop(true);
    auto* check = new TXPCheckBox(this);
    check->SetParent(this);
    check->SetBounds(12, 46, 250, 22);
    check->SetCaption("Remember the last board");
    check->SetTabStop(true);
  }
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override {
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_IOptionsPage) return E_NOINTERFACE;
    *object = static_cast<IOptionsPage*>(this);
    return S_OK;
  }
  ULONG __stdcall AddRef() override { return 1; }
  ULONG __stdcall Release() override { return 1; }
  HRESULT __stdcall GetModified(BYTE* modified) override {
    *modified = 1;
    return S_OK;
  }
  HRESULT __stdcall SetModified(BYTE) override { return S_OK; }
  HRESULT __stdcall LoadOptions() override { return S_OK; }
  HRESULT __stdcall SaveOptions() override { return S_OK; }
  HRESULT __stdcall GetHelpContext(int32_t* context) override {
    *context = 0;
    return S_OK;
  }
  HRESULT __stdcall SetDefaults() override { return S_OK; }
  HRESULT __stdcall CancelOptions() override { return S_OK; }
};

class TGridOptions : public TDocumentOptionsForm {
  TAVRIN_CLASS(TGridOptions, TDocumentOptionsForm)
 public:
  explicit TGridOptions(TComponent* owner) : TDocumentOptionsForm(owner) {
    SetCaption("Grid");
    auto* label = new TLabel(this);
    label->SetParent(this);
    label->SetBounds(12, 14, 300, 20);
    label->SetCaption("Grid options of the open document");
  }
  void SaveViewOptions() override { throw Exception("The grid is locked"); }
};

class TOptionsServerModule : public TServerModule {
  TAVRIN_CLASS(TOptionsServerModule, TServerModule)
 public:
  TComPtr<IServerDocument> NewDocument(DWORD, DWORD) override { return {}; }
  using TServerModule::NewDocument;
  TDocumentOptionsForm* CreateOptionsForm(const std::wstring& name) override {
    return name == L"Grid" ? make_form_without_layout<TGridOptions>(nullptr) : nullptr;
  }
  void AfterRegisterCommands() override {
    RegisterOptionsPage(L"General", []() -> TCustomForm* {
      return make_form_without_layout<TGeneralPage>(nullptr);
    });
  }

 protected:
  friend class TServerModule;
  TOptionsServerModule() = default;
};

}  // namespace

extern "C" __declspec(dllexport) HRESULT __stdcall ServerFactory(IClient* client,
                                                                 IServerModule** module) {
  if (module) *module = nullptr;
  return HostGuard([&] {
    if (!module) throw Exception("Out location missing");
    TOptionsServerModule* created = TServerModule::Create<TOptionsServerModule>(client, L"Options");
    TComPtr<IServerModule>(created->ServerModuleInterface()).CopyTo(module);
  });
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    DisableThreadLibraryCalls(instance);
    RunLibraryStart();
    InstallErrorInfoHook();
  } else if (reason == DLL_PROCESS_DETACH && !reserved) {
    RemoveErrorInfoHook();
    RunLibraryEnd();
    // No window of ours may outlive the code that runs it.
    Application->DestroyHandle();
    ReleaseWindowClasses();
  }
  return TRUE;
}
