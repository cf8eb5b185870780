#include "frame/external_form.h"

#include <gtest/gtest.h>
#include <oleauto.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/bstr.h"
#include "base/exceptions.h"
#include "frame/delayed_destroyer.h"
#include "frame/document_options_view.h"
#include "frame/error_info_hook.h"
#include "frame/options_page.h"
#include "frame/slots.h"
#include "tests/win/support/test_client.h"

namespace {

std::vector<std::string> g_events;
int g_live_forms = 0;

// The tests' own form: it counts the bound changes the wrapper makes and says when it is freed.
class TProbeForm : public TForm {
  TAVRIN_CLASS(TProbeForm, TForm)
 public:
  explicit TProbeForm(TComponent* owner) : TForm(owner) { ++g_live_forms; }
  ~TProbeForm() override {
    --g_live_forms;
    g_events.push_back("form freed");
  }
  void SetBounds(int left, int top, int width, int height) override {
    ++set_bounds_calls;
    TForm::SetBounds(left, top, width, height);
  }
  int set_bounds_calls = 0;
};

// A form that offers its own options page, as a module's page form does.
class TProbePageForm : public TProbeForm, public IOptionsPage {
  TAVRIN_CLASS(TProbePageForm, TProbeForm)
 public:
  using TProbeForm::TProbeForm;
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override {
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_IOptionsPage) return E_NOINTERFACE;
    *object = static_cast<IOptionsPage*>(this);
    return S_OK;
  }
  ULONG __stdcall AddRef() override { return 1; }
  ULONG __stdcall Release() override { return 1; }
  HRESULT __stdcall GetModified(BYTE* modified) override {
    g_events.push_back("GetModified");
    *modified = 1;
    return S_OK;
  }
  HRESULT __stdcall SetModified(BYTE modified) override {
    g_events.push_back("SetModified " + std::to_string(modified));
    return S_OK;
  }
  HRESULT __stdcall LoadOptions() override { return Log("LoadOptions"); }
  HRESULT __stdcall SaveOptions() override { return Log("SaveOptions"); }
  HRESULT __stdcall GetHelpContext(int32_t* context) override {
    g_events.push_back("GetHelpContext");
    *context = 0x12345678;
    return S_OK;
  }
  HRESULT __stdcall SetDefaults() override { return Log("SetDefaults"); }
  HRESULT __stdcall CancelOptions() override {
    g_events.push_back("CancelOptions");
    return E_FAIL;
  }

 private:
  HRESULT Log(const char* operation) {
    g_events.push_back(operation);
    return S_OK;
  }
};

// The tests' own options form for document options views.
class TProbeOptionsForm : public TDocumentOptionsForm {
  TAVRIN_CLASS(TProbeOptionsForm, TDocumentOptionsForm)
 public:
  explicit TProbeOptionsForm(TComponent* owner) : TDocumentOptionsForm(owner) { ++g_live_forms; }
  ~TProbeOptionsForm() override {
    --g_live_forms;
    g_events.push_back("options form freed");
  }
  void SetDocumentKind(const std::string& kind) override { g_events.push_back("kind " + kind); }
  uint8_t GetViewModified() override { return 0xA5; }
  void LoadViewOptions() override { g_events.push_back("load"); }
  void SaveViewOptions() override { throw Exception("Cannot save the view options"); }
  uint8_t GetViewReady() override { return 1; }
  void ApplyViewOptions() override { g_events.push_back("apply"); }
  void ResetViewOptions() override { g_events.push_back("reset"); }
  void SetViewTexts(const std::string& first, const std::string& second) override {
    g_events.push_back("texts " + first + "/" + second);
  }
  int32_t QueryViewValue(const std::string& name) override {
    g_events.push_back("value " + name);
    return -70000;
  }
};

class TProbeHolder final : public IExternalFormHolder {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override {
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_IExternalFormHolder) return E_NOINTERFACE;
    *object = this;
    AddRef();
    return S_OK;
  }
  ULONG __stdcall AddRef() override { return ++references; }
  ULONG __stdcall Release() override { return --references; }
  HRESULT __stdcall GetParentWindow(HWND* parent) override {
    if (FAILED(status)) {
      TComPtr<ICreateErrorInfo> create;
      CreateErrorInfo(create.Put());
      create->SetDescription(const_cast<wchar_t*>(L"The page area is gone."));
      SetErrorInfo(0, create.TryQuery<IErrorInfo>(IID_IErrorInfo).get());
      return status;
    }
    *parent = window;
    return S_OK;
  }
  HRESULT __stdcall FormChanged() override { return S_OK; }

  HWND window = nullptr;
  HRESULT status = S_OK;
  ULONG references = 1;
};

void ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::string ThreadErrorDescription() {
  TComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.Put()) != S_OK || !info) return "(none)";
  TUniqueBstr description;
  info->GetDescription(description.Put());
  return description.Ansi();
}

class ExternalFormTest : public testing::Test {
 protected:
  void SetUp() override {
    g_events.clear();
    g_live_forms = 0;
    saved_client_ = ClientSlot;
    ClientSlot = &client_;
    // The one place of the client the wrappers ask: whether forms are to be freed at once.
    client_.offers_process_launcher = false;
    client_.on_call = [](const std::string& line) {
      if (line == "IsShuttingDown") g_events.push_back("client asked");
    };
    InstallErrorInfoHook();
    SetErrorInfo(0, nullptr);
    page_area_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                nullptr, nullptr, nullptr);
    holder_.window = page_area_;
  }
  void TearDown() override {
    ProcessMessages();
    RemoveErrorInfoHook();
    ClientSlot = saved_client_;
    DestroyWindow(page_area_);
    EXPECT_EQ(g_live_forms, 0) << "a form was not freed";
  }

  template <class F>
  static F* NewForm(int left = 30, int top = 40, int width = 200, int height = 120) {
    F* form = make_form_without_layout<F>(nullptr);
    form->SetBounds(left, top, width, height);
    return form;
  }

  TTestClient client_;
  TProbeHolder holder_;
  HWND page_area_ = nullptr;

 private:
  IClient* saved_client_ = nullptr;
};

TEST_F(ExternalFormTest, AWrappedFormLosesItsBorderAndItsActivationHandler) {
  auto* form = NewForm<TProbeForm>();
  bool activated = false;
  form->OnActivate = [&](TObject*) { activated = true; };
  TComPtr<TExternalForm> external(new TExternalForm(form, false));
  EXPECT_EQ(form->BorderStyle(), bsNone);
  ASSERT_TRUE(form->OnActivate);
  form->OnActivate(form);
  EXPECT_FALSE(activated);
  EXPECT_EQ(external->Form(), form);
}

TEST_F(ExternalFormTest, AttachWithAHolderEmbedsTheFormWhereItWas) {
  auto* form = NewForm<TProbeForm>(15, 25, 200, 120);
  TComPtr<TExternalForm> external(new TExternalForm(form, false));
  ASSERT_EQ(external->SetHolder(&holder_), S_OK);
  EXPECT_EQ(holder_.references, 2u);
  ASSERT_EQ(external->Attach(), S_OK);
  EXPECT_TRUE(form->Visible());
  ASSERT_TRUE(form->HandleAllocated());
  EXPECT_EQ(form->ParentWindow(), page_area_);
  EXPECT_EQ(GetParent(form->Handle()), page_area_);
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_CHILD);
  int32_t left = 0, top = 0, width = 0, height = 0;
  ASSERT_EQ(external->GetBounds(&left, &top, &width, &height), S_OK);
  EXPECT_EQ((std::vector<int32_t>{left, top, width, height}), (std::vector<int32_t>{15, 25, 200, 120}));
  RECT r;
  GetWindowRect(form->Handle(), &r);
  MapWindowPoints(nullptr, page_area_, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 15);
  EXPECT_EQ(r.top, 25);

  ASSERT_EQ(external->SetBounds(5, 6, 300, 200), S_OK);
  EXPECT_EQ(form->Left(), 5);
  EXPECT_EQ(form->Width(), 300);
  HWND window = nullptr;
  ASSERT_EQ(external->GetHandle(&window), S_OK);
  EXPECT_EQ(window, form->Handle());
  ASSERT_EQ(external->Hide(), S_OK);
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  ASSERT_EQ(external->Show(), S_OK);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(ExternalFormTest, AnEmptyHolderDetachesTheForm) {
  auto* form = NewForm<TProbeForm>();
  form->OnHide = [](TObject*) { g_events.push_back("hide event"); };
  TComPtr<TExternalForm> external(new TExternalForm(form, false));
  external->SetHolder(&holder_);
  external->Attach();
  ASSERT_TRUE(form->HandleAllocated());
  g_events.clear();
  ASSERT_EQ(external->SetHolder(nullptr), S_OK);
  EXPECT_EQ(holder_.references, 1u);
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(form->HandleAllocated());
  EXPECT_EQ(form->ParentWindow(), nullptr);
  EXPECT_FALSE(form->FormState().Contains(fsRecreating));
  EXPECT_EQ(g_events, std::vector<std::string>{"hide event"});
  // A detached form can be attached again.
  external->SetHolder(&holder_);
  ASSERT_EQ(external->Attach(), S_OK);
  EXPECT_EQ(GetParent(form->Handle()), page_area_);
}

TEST_F(ExternalFormTest, AttachWithoutAHolderKeepsLeftAndTopAndStaysInvisible) {
  auto* form = NewForm<TProbeForm>(30, 40, 200, 120);
  TComPtr<TExternalForm> external(new TExternalForm(form, false));
  ASSERT_EQ(external->Attach(), S_OK);
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(form->Left(), 30);
  EXPECT_EQ(form->Top(), 40);
  EXPECT_EQ(form->Width(), 200);
  EXPECT_EQ(form->ParentWindow(), nullptr);
}

TEST_F(ExternalFormTest, AFailingHolderStopsAttachBeforeTheBoundsAndTellsTheHostWhy) {
  auto* form = NewForm<TProbeForm>();
  TComPtr<TExternalForm> external(new TExternalForm(form, false));
  holder_.status = E_FAIL;
  external->SetHolder(&holder_);
  int bounds_before = form->set_bounds_calls;
  EXPECT_EQ(external->Attach(), E_UNEXPECTED);
  EXPECT_EQ(form->set_bounds_calls, bounds_before);
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(ThreadErrorDescription(), "The page area is gone");
}

TEST_F(ExternalFormTest, GetHandleOfAFormWithoutAWindowMakesNone) {
  auto* form = NewForm<TProbeForm>();
  TComPtr<TExternalForm> external(new TExternalForm(form, false));
  HWND window = reinterpret_cast<HWND>(1);
  ASSERT_EQ(external->GetHandle(&window), S_OK);
  EXPECT_EQ(window, nullptr);
  EXPECT_FALSE(form->HandleAllocated());
}

TEST_F(ExternalFormTest, CaptionAndMissingOutLocations) {
  auto* form = NewForm<TProbeForm>();
  form->SetCaption("Drill options");
  TComPtr<TExternalForm> external(new TExternalForm(form, false));
  TUniqueBstr caption;
  ASSERT_EQ(external->GetCaption(caption.Put()), S_OK);
  EXPECT_EQ(caption.Wide(), L"Drill options");
  EXPECT_EQ(external->GetHandle(nullptr), E_UNEXPECTED);
  EXPECT_EQ(ThreadErrorDescription(), "Out location missing");
  int32_t value = 0;
  EXPECT_EQ(external->GetBounds(&value, &value, nullptr, &value), E_UNEXPECTED);
  EXPECT_EQ(external->GetCaption(nullptr), E_UNEXPECTED);

  TComPtr<TExternalForm> empty(new TExternalForm(nullptr, false));
  BSTR none = SysAllocString(L"stale");
  BSTR stale = none;
  ASSERT_EQ(empty->GetCaption(&none), S_OK);
  EXPECT_EQ(none, nullptr);
  SysFreeString(stale);
  EXPECT_EQ(empty->Attach(), S_OK);
  EXPECT_EQ(empty->SetHolder(nullptr), S_OK);
}

TEST_F(ExternalFormTest, FocusGoesToTheFirstTabStopAndToAVisibleEnabledForm) {
  auto* form = NewForm<TProbeForm>();
  auto* skipped = new TWinControl(form);
  skipped->SetParent(form);
  skipped->SetBounds(0, 0, 50, 20);
  auto* first = new TWinControl(form);
  first->SetParent(form);
  first->SetBounds(0, 30, 50, 20);
  first->SetTabStop(true);
  TComPtr<TExternalForm> external(new TExternalForm(form, false));
  external->SetHolder(&holder_);
  external->Attach();
  SetForegroundWindow(page_area_);
  ASSERT_EQ(external->FocusFirstControl(), S_OK);
  EXPECT_EQ(GetFocus(), first->Handle());
  ASSERT_EQ(external->SetFocus(), S_OK);
  EXPECT_EQ(GetFocus(), form->Handle());
  form->SetEnabled(false);
  SetFocus(page_area_);
  ASSERT_EQ(external->SetFocus(), S_OK);
  EXPECT_NE(GetFocus(), form->Handle());
}

// Destruction.

TEST_F(ExternalFormTest, ReleasingAnOptionsPageFreesItsFormAtOnce) {
  auto* form = NewForm<TProbeForm>();
  form->HandleNeeded();
  IOptionsPage* page = nullptr;
  TComPtr<IOptionsPage>(new TOptionsPage(form)).CopyTo(&page);
  g_events.clear();
  EXPECT_EQ(page->Release(), 0u);
  EXPECT_EQ(g_events, (std::vector<std::string>{"client asked", "form freed"}));
}

TEST_F(ExternalFormTest, ReleasingAViewWhoseFormHasAWindowWaitsForItsMessages) {
  auto* form = NewForm<TProbeOptionsForm>();
  form->HandleNeeded();
  auto* view = new TDocumentOptionsView(form);
  view->AddRef();
  EXPECT_EQ(form->OptionsView(), view);
  g_events.clear();
  EXPECT_EQ(view->Release(), 0u);
  EXPECT_EQ(g_events, std::vector<std::string>{"client asked"});
  EXPECT_EQ(g_live_forms, 1);
  EXPECT_EQ(form->OptionsView(), nullptr);
  EXPECT_EQ(TDelayedDestroyer::PendingCount(), 0);
  ProcessMessages();
  EXPECT_EQ(g_live_forms, 0);
}

TEST_F(ExternalFormTest, AFormWithoutAWindowGoesThroughADelayedDestroyer) {
  auto* form = NewForm<TProbeOptionsForm>();
  auto* view = new TDocumentOptionsView(form);
  view->AddRef();
  EXPECT_EQ(view->Release(), 0u);
  EXPECT_EQ(g_live_forms, 1);
  EXPECT_FALSE(form->HandleAllocated());
  ASSERT_EQ(TDelayedDestroyer::PendingCount(), 1);
  HWND destroyer = FindWindowExW(HWND_MESSAGE, nullptr, L"TDelayedDestroyer", nullptr);
  EXPECT_NE(destroyer, nullptr);
  ProcessMessages();
  EXPECT_EQ(g_live_forms, 0);
  EXPECT_EQ(TDelayedDestroyer::PendingCount(), 0);
  EXPECT_FALSE(IsWindow(destroyer));
}

TEST_F(ExternalFormTest, WaitingDestroyersFreeTheirFormsWhenTheLibraryEnds) {
  auto* form = NewForm<TProbeForm>();
  new TDelayedDestroyer(form);
  ASSERT_EQ(TDelayedDestroyer::PendingCount(), 1);
  TDelayedDestroyer::FreePending();
  EXPECT_EQ(g_live_forms, 0);
  EXPECT_EQ(TDelayedDestroyer::PendingCount(), 0);
  ProcessMessages();  // the posted message finds no destroyer any more
}

TEST_F(ExternalFormTest, FormsStillWaitingForTheirReleaseAreFreedWhenTheLibraryEnds) {
  auto* form = NewForm<TProbeOptionsForm>();
  form->HandleNeeded();
  HWND window = form->Handle();
  auto* view = new TDocumentOptionsView(form);
  view->AddRef();
  view->Release();
  EXPECT_EQ(g_live_forms, 1);
  TExternalForm::FreeReleasedForms();
  EXPECT_EQ(g_live_forms, 0);
  EXPECT_FALSE(IsWindow(window));
  ProcessMessages();  // the release message went with the window
}

TEST_F(ExternalFormTest, TheFormIsFreedAtOnceWithoutAClientOrWhenTheHostSaysSo) {
  ClientSlot = nullptr;
  auto* view = new TDocumentOptionsView(NewForm<TProbeOptionsForm>());
  view->AddRef();
  g_events.clear();
  view->Release();
  EXPECT_EQ(g_events, std::vector<std::string>{"options form freed"});

  ClientSlot = &client_;
  client_.shutting_down = 1;
  auto* form = NewForm<TProbeOptionsForm>();
  form->HandleNeeded();
  view = new TDocumentOptionsView(form);
  view->AddRef();
  g_events.clear();
  view->Release();
  EXPECT_EQ(g_events, (std::vector<std::string>{"client asked", "options form freed"}));

  // A host that cannot answer gets the careful way.
  client_.shutting_down = 0;
  client_.failures["IsShuttingDown"] = E_FAIL;
  view = new TDocumentOptionsView(NewForm<TProbeOptionsForm>());
  view->AddRef();
  view->Release();
  EXPECT_EQ(g_live_forms, 1);
  EXPECT_EQ(TDelayedDestroyer::PendingCount(), 1);
}

// Options pages.

TEST_F(ExternalFormTest, PageOperationsGoToTheFormsOwnPage) {
  TComPtr<IOptionsPage> page(new TOptionsPage(NewForm<TProbePageForm>()));
  g_events.clear();
  BYTE modified[4] = {0xCC, 0xCC, 0xCC, 0xCC};
  EXPECT_EQ(page->GetModified(modified), S_OK);
  EXPECT_EQ(page->SetModified(1), S_OK);
  EXPECT_EQ(page->LoadOptions(), S_OK);
  EXPECT_EQ(page->SaveOptions(), S_OK);
  int32_t context = 0;
  EXPECT_EQ(page->GetHelpContext(&context), S_OK);
  EXPECT_EQ(page->SetDefaults(), S_OK);
  EXPECT_EQ(page->CancelOptions(), E_UNEXPECTED);
  EXPECT_EQ(g_events, (std::vector<std::string>{"GetModified", "SetModified 1", "LoadOptions",
                                              "SaveOptions", "GetHelpContext", "SetDefaults",
                                              "CancelOptions"}));
  EXPECT_EQ(modified[0], 1);
  EXPECT_EQ(context, 0x12345678);
}

TEST_F(ExternalFormTest, AFormWithoutAPageFailsEveryPageOperation) {
  TComPtr<IOptionsPage> page(new TOptionsPage(NewForm<TProbeForm>()));
  BYTE modified = 7;
  int32_t context = 7;
  EXPECT_EQ(page->GetModified(&modified), E_UNEXPECTED);
  EXPECT_EQ(ThreadErrorDescription(), "Interface not supported");
  EXPECT_EQ(page->SetModified(1), E_UNEXPECTED);
  EXPECT_EQ(page->LoadOptions(), E_UNEXPECTED);
  EXPECT_EQ(page->SaveOptions(), E_UNEXPECTED);
  EXPECT_EQ(page->GetHelpContext(&context), E_UNEXPECTED);
  EXPECT_EQ(page->SetDefaults(), E_UNEXPECTED);
  EXPECT_EQ(page->CancelOptions(), E_UNEXPECTED);
}

TEST_F(ExternalFormTest, APageWithoutAFormSucceedsAndWritesItsOutsWithTheirWidths) {
  TComPtr<IOptionsPage> page(new TOptionsPage(nullptr));
  BYTE modified[4] = {0xCC, 0xCC, 0xCC, 0xCC};
  ASSERT_EQ(page->GetModified(modified), S_OK);
  EXPECT_EQ(std::vector<BYTE>(modified, modified + 4), (std::vector<BYTE>{0, 0xCC, 0xCC, 0xCC}));
  int32_t context[2] = {0x11111111, 0x11111111};
  ASSERT_EQ(page->GetHelpContext(context), S_OK);
  EXPECT_EQ(context[0], -1);
  EXPECT_EQ(context[1], 0x11111111);
  EXPECT_EQ(page->SetModified(1), S_OK);
  EXPECT_EQ(page->LoadOptions(), S_OK);
  EXPECT_EQ(page->SaveOptions(), S_OK);
  EXPECT_EQ(page->SetDefaults(), S_OK);
  EXPECT_EQ(page->CancelOptions(), S_OK);
}

TEST_F(ExternalFormTest, APageAnswersItsInterfacesWithOneIdentity) {
  TComPtr<IOptionsPage> page(new TOptionsPage(nullptr));
  TComPtr<IExternalForm> external = page.TryQuery<IExternalForm>(IID_IExternalForm);
  TComPtr<IUnknown> from_page = page.TryQuery<IUnknown>(IID_IUnknown);
  TComPtr<IUnknown> from_form = external.TryQuery<IUnknown>(IID_IUnknown);
  ASSERT_TRUE(external);
  EXPECT_EQ(from_page.get(), from_form.get());
  EXPECT_EQ(external.TryQuery<IOptionsPage>(IID_IOptionsPage).get(), page.get());
  EXPECT_FALSE(page.TryQuery<IDocumentOptionsView>(IID_IDocumentOptionsView));
  EXPECT_EQ(static_cast<TOptionsPage*>(page.get())->ReferenceCount(), 4u);
}

// Document options views.

TEST_F(ExternalFormTest, ViewOperationsGoToTheOptionsForm) {
  TComPtr<IDocumentOptionsView> view(new TDocumentOptionsView(NewForm<TProbeOptionsForm>()));
  g_events.clear();
  TUniqueBstr kind(L"PCB");
  EXPECT_EQ(view->SetDocumentKind(kind.get()), S_OK);
  BYTE bytes[4] = {0xCC, 0xCC, 0xCC, 0xCC};
  EXPECT_EQ(view->GetViewModified(bytes), S_OK);
  EXPECT_EQ(std::vector<BYTE>(bytes, bytes + 4), (std::vector<BYTE>{0xA5, 0xCC, 0xCC, 0xCC}));
  EXPECT_EQ(view->LoadViewOptions(), S_OK);
  EXPECT_EQ(view->SaveViewOptions(), E_UNEXPECTED);
  EXPECT_EQ(ThreadErrorDescription(), "Cannot save the view options");
  EXPECT_EQ(view->GetViewReady(bytes + 1), S_OK);
  EXPECT_EQ(std::vector<BYTE>(bytes, bytes + 4), (std::vector<BYTE>{0xA5, 1, 0xCC, 0xCC}));
  EXPECT_EQ(view->ApplyViewOptions(), S_OK);
  EXPECT_EQ(view->ResetViewOptions(), S_OK);
  EXPECT_EQ(view->SetViewTexts("Top", nullptr), S_OK);
  int32_t values[2] = {0, 0x22222222};
  EXPECT_EQ(view->QueryViewValue("Grid", values), S_OK);
  EXPECT_EQ(values[0], -70000);
  EXPECT_EQ(values[1], 0x22222222);
  EXPECT_EQ(view->QueryViewValue("Grid", nullptr), E_UNEXPECTED);
  EXPECT_EQ(g_events, (std::vector<std::string>{"kind PCB", "load", "apply", "reset", "texts Top/",
                                              "value Grid"}));

  // The first eleven operations are the external form's.
  HWND window = reinterpret_cast<HWND>(1);
  EXPECT_EQ(view->GetHandle(&window), S_OK);
  EXPECT_EQ(window, nullptr);
  EXPECT_TRUE(view.TryQuery<IExternalForm>(IID_IExternalForm));
  EXPECT_FALSE(view.TryQuery<IOptionsPage>(IID_IOptionsPage));
}

TEST_F(ExternalFormTest, AViewWithoutAFormAnswersZeros) {
  TComPtr<IDocumentOptionsView> view(new TDocumentOptionsView(nullptr));
  BYTE modified = 9;
  int32_t value = 9;
  EXPECT_EQ(view->GetViewModified(&modified), S_OK);
  EXPECT_EQ(modified, 0);
  EXPECT_EQ(view->QueryViewValue("Grid", &value), S_OK);
  EXPECT_EQ(value, 0);
  EXPECT_EQ(view->SaveViewOptions(), S_OK);
}

}  // namespace
