#include "frame/server_module.h"

#include <gtest/gtest.h>

#include "base/bstr.h"
#include "base/exceptions.h"
#include "frame/command_registry.h"
#include "frame/delayed_destroyer.h"
#include "frame/document_options_view.h"
#include "frame/options_page.h"
#include "frame/server_factory.h"
#include "frame/slots.h"
#include "frame/tavrin_server_module.h"
#include "tests/win/support/test_client.h"

namespace {

std::vector<std::string> events;
TTestDocument* next_document = nullptr;

void ProbeCommand(IServerView*, char*) { events.push_back("probe ran"); }

// The frame's own test module: one command, documents on request, and a trace of the steps the base
// class runs.
class TTestModule : public TServerModule {
  TAVRIN_CLASS(TTestModule, TServerModule)
 public:
  ~TTestModule() override { events.push_back("destroyed"); }
  void CreateCommandLauncher() override {
    events.push_back("CreateCommandLauncher");
    TServerModule::CreateCommandLauncher();
  }
  void RegisterCommands() override {
    events.push_back("RegisterCommands");
    CommandLauncher()->RegisterCommand("Probe", ProbeCommand, nullptr);
  }
  void AfterRegisterCommands() override { events.push_back("AfterRegisterCommands"); }
  TComPtr<IServerDocument> NewDocument(DWORD kind, DWORD source) override {
    events.push_back("NewDocument " + std::to_string(kind) + " " + std::to_string(source));
    return TComPtr<IServerDocument>(next_document);
  }
  using TServerModule::NewDocument;

 protected:
  friend class TServerModule;
  TTestModule() = default;
};

class ServerModuleTest : public testing::Test {
 protected:
  void SetUp() override {
    events.clear();
    next_document = nullptr;
    ClientSlot = nullptr;
    client.application_window = reinterpret_cast<HWND>(0x1234);
  }
  void TearDown() override { ClientSlot = nullptr; }

  IServerModule* Create() {
    TTestModule* module = TServerModule::Create<TTestModule>(&client, L"Test");
    IServerModule* handed = nullptr;
    TComPtr<IServerModule>(module->ServerModuleInterface()).CopyTo(&handed);
    return handed;
  }

  TTestClient client;
};

TEST_F(ServerModuleTest, CreationRunsItsStepsInOrderAndSetsBothSlots) {
  IServerModule* module = Create();
  EXPECT_EQ(events, (std::vector<std::string>{"CreateCommandLauncher", "RegisterCommands",
                                              "AfterRegisterCommands"}));
  EXPECT_EQ(client.log, std::vector<std::string>{"GetApplicationHandle"});
  EXPECT_EQ(ClientSlot, &client);
  EXPECT_EQ(ModuleSlot.Interface, module);
  ASSERT_NE(ModuleSlot.Module, nullptr);
  EXPECT_EQ(ModuleSlot.Module->ReferenceCount(), 1u);
  EXPECT_EQ(module->Release(), 0u);
  EXPECT_EQ(events.back(), "destroyed");
  EXPECT_EQ(ModuleSlot.Module, nullptr);
  EXPECT_EQ(ModuleSlot.Interface, nullptr);
  EXPECT_EQ(ClientSlot, &client);
}

TEST_F(ServerModuleTest, FailingApplicationWindowQueryAbortsCreation) {
  client.failures["GetApplicationHandle"] = E_FAIL;
  EXPECT_THROW(TServerModule::Create<TTestModule>(&client, L"Test"), EOleError);
  EXPECT_EQ(events.back(), "destroyed");
  EXPECT_EQ(ModuleSlot.Module, nullptr);
}

TEST_F(ServerModuleTest, QueriesAnswerTheTwoInterfacesAndRefuseOthersWithoutCounting) {
  IServerModule* module = Create();
  TComPtr<IOptionsPageProvider> provider;
  EXPECT_EQ(module->QueryInterface(IID_IOptionsPageProvider, provider.PutVoid()), S_OK);
  TComPtr<IUnknown> unknown;
  EXPECT_EQ(provider->QueryInterface(IID_IUnknown, unknown.PutVoid()), S_OK);
  EXPECT_EQ(unknown.get(), static_cast<IUnknown*>(module));
  EXPECT_EQ(ModuleSlot.Module->ReferenceCount(), 3u);
  for (const GUID* iid : {&IID_IClient, &IID_ICommandLauncher, &IID_IServerDocument}) {
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(module->QueryInterface(*iid, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
  }
  EXPECT_EQ(ModuleSlot.Module->ReferenceCount(), 3u);
  EXPECT_EQ(module->QueryInterface(IID_IUnknown, nullptr), E_POINTER);
  provider.reset();
  unknown.reset();
  EXPECT_EQ(module->Release(), 0u);
}

TEST_F(ServerModuleTest, DocumentsCreatedByAModuleAreKeptAndDestroyedByIt) {
  IServerModule* module = Create();
  TTestDocument document;
  next_document = &document;
  IServerDocument* out = nullptr;
  ASSERT_EQ(module->CreateDocument(4, 5, &out), S_OK);
  EXPECT_EQ(out, &document);
  out->Release();
  ASSERT_EQ(module->CreateDocument(6, 7, 0, &out), S_OK);
  out->Release();
  EXPECT_EQ(events[3], "NewDocument 4 5");
  EXPECT_EQ(events[4], "NewDocument 6 7");
  int32_t count = 0;
  module->GetDocumentCount(&count);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(document.references, 3u);

  // A document that refuses to close stays.
  document.before_destroy_status = E_FAIL;
  EXPECT_EQ(module->DestroyDocument(&document), E_UNEXPECTED);
  module->GetDocumentCount(&count);
  EXPECT_EQ(count, 2);
  document.before_destroy_status = S_OK;
  EXPECT_EQ(module->DestroyDocument(&document), S_OK);
  module->GetDocumentCount(&count);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(document.before_destroy_calls, 2);
  EXPECT_EQ(module->Release(), 0u);
  EXPECT_EQ(document.references, 1u);
}

TEST_F(ServerModuleTest, IndexedGettersRefuseOutOfRangeAndEmptyTheirResult) {
  IServerModule* module = Create();
  TTestDocument registered;
  EXPECT_EQ(module->AddRegistered(&registered), S_OK);
  EXPECT_EQ(registered.references, 2u);
  for (int32_t index : {-1, 1, INT32_MAX, INT32_MIN}) {
    IUnknown* got = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(module->GetRegistered(index, &got), E_UNEXPECTED) << index;
    EXPECT_EQ(got, nullptr);
    IServerDocument* document = reinterpret_cast<IServerDocument*>(1);
    EXPECT_EQ(module->GetDocument(index, &document), E_UNEXPECTED) << index;
    EXPECT_EQ(document, nullptr);
  }
  IUnknown* got = nullptr;
  EXPECT_EQ(module->GetRegistered(0, &got), S_OK);
  EXPECT_EQ(got, static_cast<IUnknown*>(&registered));
  got->Release();
  EXPECT_EQ(module->GetRegistered(0, nullptr), E_UNEXPECTED);
  EXPECT_EQ(module->RemoveRegistered(&registered), S_OK);
  EXPECT_EQ(registered.references, 1u);
  // Registered interfaces still held at the end are released with the module.
  module->AddRegistered(&registered);
  EXPECT_EQ(module->Release(), 0u);
  EXPECT_EQ(registered.references, 1u);
}

TEST_F(ServerModuleTest, GettersAnswerTheModulesParts) {
  IServerModule* module = Create();
  TUniqueBstr name;
  EXPECT_EQ(module->GetModuleName(name.Put()), S_OK);
  EXPECT_EQ(name.Wide(), L"Test");
  IClient* got = nullptr;
  EXPECT_EQ(module->GetClient(&got), S_OK);
  EXPECT_EQ(got, &client);
  got->Release();
  DWORD instance = 0;
  module->GetModuleHandle(&instance);
  EXPECT_EQ(instance, reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr)));
  TComPtr<ICommandLauncher> launcher;
  EXPECT_EQ(module->GetCommandLauncher(launcher.Put()), S_OK);
  char parameters[4] = "";
  launcher->LaunchCommand("PROBE", parameters, 4, nullptr);
  EXPECT_EQ(events.back(), "probe ran");
  IDocumentOptionsView* view = reinterpret_cast<IDocumentOptionsView*>(1);
  EXPECT_EQ(module->CreateOptionsView(nullptr, &view), S_OK);
  EXPECT_EQ(view, nullptr);
  IUnknown* object = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(module->CreateServerObjectFor(1, 2, &object), S_OK);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(module->GetModuleName(nullptr), E_UNEXPECTED);
  EXPECT_EQ(module->GetDocumentCount(nullptr), E_UNEXPECTED);
  launcher.reset();
  EXPECT_EQ(module->Release(), 0u);
}

TEST_F(ServerModuleTest, IdlePostsOneWakeUpOnlyWhenAMessageIsWaiting) {
  IServerModule* module = Create();
  auto drain = [] {
    int wake_ups = 0;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_USER) ++wake_ups;
      DispatchMessageW(&message);
    }
    return wake_ups;
  };
  drain();
  // The idle step waits for the next message; the timer provides one.
  UINT_PTR timer = SetTimer(nullptr, 0, 20, nullptr);
  EXPECT_EQ(module->Idle(), S_OK);
  KillTimer(nullptr, timer);
  EXPECT_EQ(drain(), 0);
  PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
  EXPECT_EQ(module->Idle(), S_OK);
  EXPECT_EQ(drain(), 1);
  module->Release();
}

TEST_F(ServerModuleTest, ServerFactoryCreatesTavrinAndHandsOutTheOnlyReference) {
  IServerModule* module = reinterpret_cast<IServerModule*>(1);
  ASSERT_EQ(ServerFactory(&client, &module), S_OK);
  ASSERT_NE(module, nullptr);
  TUniqueBstr name;
  module->GetModuleName(name.Put());
  EXPECT_EQ(name.Wide(), L"Tavrin");
  EXPECT_TRUE(ModuleSlot.Module->Is(TTavrinServerModule::StaticClass()));
  // Each registered command of the library is in the table (none registered by this test program
  // beyond what the library's layers define).
  EXPECT_EQ(ModuleSlot.Module->CommandLauncher()->Count(),
            static_cast<int>(RegisteredCommands().size()));
  IServerDocument* document = reinterpret_cast<IServerDocument*>(1);
  EXPECT_EQ(module->CreateDocument(1, 2, &document), S_OK);
  EXPECT_EQ(document, nullptr);
  int32_t count = -1;
  module->GetDocumentCount(&count);
  EXPECT_EQ(count, 0);
  // Tavrin offers no options pages and no options views.
  TUniqueBstr page_name(L"Anything");
  IDocumentOptionsView* view = reinterpret_cast<IDocumentOptionsView*>(1);
  EXPECT_EQ(module->CreateOptionsView(page_name.get(), &view), S_OK);
  EXPECT_EQ(view, nullptr);
  TComPtr<IOptionsPageProvider> provider;
  module->QueryInterface(IID_IOptionsPageProvider, provider.PutVoid());
  IOptionsPage* page = reinterpret_cast<IOptionsPage*>(1);
  EXPECT_EQ(provider->CreateOptionsPage(page_name.get(), &page), S_OK);
  EXPECT_EQ(page, nullptr);
  provider.reset();
  EXPECT_EQ(module->Release(), 0u);
  EXPECT_EQ(ModuleSlot.Module, nullptr);
}


TEST_F(ServerModuleTest, ServerFactoryWithoutClientOrOutLocation) {
  IServerModule* module = nullptr;
  ASSERT_EQ(ServerFactory(nullptr, &module), S_OK);
  IClient* got = reinterpret_cast<IClient*>(1);
  EXPECT_EQ(module->GetClient(&got), S_OK);
  EXPECT_EQ(got, nullptr);
  EXPECT_EQ(ClientSlot, nullptr);
  module->Release();

  EXPECT_EQ(ServerFactory(&client, nullptr), E_UNEXPECTED);
  EXPECT_EQ(ModuleSlot.Module, nullptr);
  client.failures["GetApplicationHandle"] = E_FAIL;
  module = reinterpret_cast<IServerModule*>(1);
  EXPECT_EQ(ServerFactory(&client, &module), E_UNEXPECTED);
  EXPECT_EQ(module, nullptr);
  EXPECT_EQ(ModuleSlot.Module, nullptr);
}

// A module that offers one options page class and one options view.
class TPageForm : public TForm {
  TAVRIN_CLASS(TPageForm, TForm)
 public:
  explicit TPageForm(TComponent* owner) : TForm(owner) { events.push_back("page form made"); }
  ~TPageForm() override { events.push_back("page form freed"); }
};

class TGridForm : public TDocumentOptionsForm {
  TAVRIN_CLASS(TGridForm, TDocumentOptionsForm)
 public:
  using TDocumentOptionsForm::TDocumentOptionsForm;
  ~TGridForm() override { events.push_back("grid form freed"); }
};

class TOptionsModule : public TTestModule {
  TAVRIN_CLASS(TOptionsModule, TTestModule)
 public:
  TDocumentOptionsForm* CreateOptionsForm(const std::wstring& name) override {
    if (name != L"Grid") return nullptr;
    return make_form_without_layout<TGridForm>(nullptr);
  }
  void AfterRegisterCommands() override {
    RegisterOptionsPage(L"Drill", []() -> TCustomForm* {
      return make_form_without_layout<TPageForm>(nullptr);
    });
    RegisterOptionsPage(L"DRILL", []() -> TCustomForm* { throw Exception("registered twice"); });
  }

 protected:
  friend class TServerModule;
  TOptionsModule() = default;
};

TEST_F(ServerModuleTest, OptionsPagesAndViewsWrapTheFormsTheModuleMakes) {
  TOptionsModule* object = TServerModule::Create<TOptionsModule>(&client, L"Options");
  TComPtr<IServerModule> module(object->ServerModuleInterface());
  auto provider = module.TryQuery<IOptionsPageProvider>(IID_IOptionsPageProvider);
  ASSERT_TRUE(provider);
  events.clear();

  TUniqueBstr drill(L"drill"), other(L"Other"), grid(L"Grid");
  TComPtr<IOptionsPage> page;
  ASSERT_EQ(provider->CreateOptionsPage(drill.get(), page.Put()), S_OK);
  ASSERT_TRUE(page);
  auto* wrapper = static_cast<TOptionsPage*>(page.get());
  ASSERT_NE(wrapper->Form(), nullptr);
  EXPECT_TRUE(wrapper->Form()->Is(TPageForm::StaticClass()));
  EXPECT_EQ(wrapper->Form()->Owner(), nullptr);
  EXPECT_EQ(wrapper->ReferenceCount(), 1u);
  IOptionsPage* none = reinterpret_cast<IOptionsPage*>(1);
  EXPECT_EQ(provider->CreateOptionsPage(other.get(), &none), S_OK);
  EXPECT_EQ(none, nullptr);
  page.reset();
  EXPECT_EQ(events, (std::vector<std::string>{"page form made", "page form freed"}));

  TComPtr<IDocumentOptionsView> view;
  ASSERT_EQ(module->CreateOptionsView(grid.get(), view.Put()), S_OK);
  ASSERT_TRUE(view);
  auto* grid_view = static_cast<TDocumentOptionsView*>(view.get());
  EXPECT_EQ(grid_view->ReferenceCount(), 1u);
  EXPECT_EQ(grid_view->OptionsForm()->OptionsView(), grid_view);
  IDocumentOptionsView* no_view = reinterpret_cast<IDocumentOptionsView*>(1);
  EXPECT_EQ(module->CreateOptionsView(other.get(), &no_view), S_OK);
  EXPECT_EQ(no_view, nullptr);
  // The view's form has no window: it is freed once the messages are processed.
  view.reset();
  EXPECT_EQ(events.back(), "page form freed");
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  EXPECT_EQ(events.back(), "grid form freed");
  provider.reset();
  module.reset();
}

}  // namespace
