#include "frame/help_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/bstr.h"
#include "base/exceptions.h"
#include "frame/client_api_bindings.h"
#include "frame/slots.h"
#include "hostapi/i_help_navigator.h"
#include "hostapi/i_server_module.h"
#include "tests/win/frame/test_exports.h"
#include "tests/win/support/test_client.h"

// A host with an address service, one server with one document of up to two views, and a current
// view; every call the opening makes is logged.
namespace {

#define UNNAMED(n) \
  HRESULT __stdcall Unnamed##n() override { return E_NOTIMPL; }

std::vector<std::string>* g_log = nullptr;
void Note(const std::string& line) { g_log->push_back(line); }

class TAddresses final : public IAddressService {
 public:
  HRESULT __stdcall QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG __stdcall AddRef() override { return 2; }
  ULONG __stdcall Release() override { return 1; }
  UNNAMED(01) UNNAMED(02) UNNAMED(03) UNNAMED(04) UNNAMED(07)
  HRESULT __stdcall SplitAddress(BSTR address, BSTR* protocol, BSTR* location, BSTR* rest) override {
    std::wstring text = BstrText(address);
    size_t colon = text.find(L"://");
    *protocol = TUniqueBstr(colon == std::wstring::npos ? L"" : text.substr(0, colon)).Detach();
    *location = nullptr;
    *rest = nullptr;
    return S_OK;
  }
  HRESULT __stdcall OpenAddress(DWORD flags, const BSTR* address, IServerDocument** document,
                                int32_t* done) override {
    Note("OpenAddress " + std::to_string(flags) + " " + TUniqueBstr(BstrText(*address)).Ansi());
    *document = nullptr;
    *done = -1;
    return S_OK;
  }
  HRESULT __stdcall ExpandAddress(BSTR address, BSTR* expanded) override {
    std::wstring text = BstrText(address);
    if (text.rfind(L"$HELP\\", 0) == 0) text = L"C:\\HELP\\" + text.substr(6);
    *expanded = TUniqueBstr(text).Detach();
    return S_OK;
  }
};

class TNavigator final : public IHelpNavigator {
 public:
  HRESULT __stdcall QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG __stdcall AddRef() override { return 2; }
  ULONG __stdcall Release() override { return 1; }
  HRESULT __stdcall Navigate(BSTR address, int32_t* done) override {
    Note(who + ".Navigate " + TUniqueBstr(BstrText(address)).Ansi());
    *done = 1;
    return S_OK;
  }
  std::string who;
};

class THelpAddressImpl final : public IHelpAddress {
 public:
  HRESULT __stdcall QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG __stdcall AddRef() override { return 2; }
  ULONG __stdcall Release() override { return 1; }
  UNNAMED(02)
  HRESULT __stdcall GetAddress(BSTR* address) override {
    *address = TUniqueBstr(shown).Detach();
    return S_OK;
  }
  HRESULT __stdcall ShowsAddress(BSTR address, BYTE* shows) override {
    *shows = _wcsicmp(BstrText(address).c_str(), shown.c_str()) == 0;
    return S_OK;
  }
  std::wstring shown;
};

class TView;

class TDocument final : public IServerDocument {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override {
    *object = nullptr;
    if (iid == IID_IHelpNavigator && navigates) *object = &navigator;
    if (iid == IID_IHelpAddress && tells_address) *object = &help_address;
    return *object ? S_OK : E_NOINTERFACE;
  }
  ULONG __stdcall AddRef() override { return 2; }
  ULONG __stdcall Release() override { return 1; }
  UNNAMED(01) UNNAMED(02) UNNAMED(03) UNNAMED(04) UNNAMED(05) UNNAMED(06) UNNAMED(07) UNNAMED(08)
  UNNAMED(09) UNNAMED(12) UNNAMED(13) UNNAMED(14) UNNAMED(15) UNNAMED(16) UNNAMED(17) UNNAMED(18)
  UNNAMED(19) UNNAMED(21) UNNAMED(22) UNNAMED(23) UNNAMED(24) UNNAMED(25) UNNAMED(26) UNNAMED(27)
  UNNAMED(29) UNNAMED(30) UNNAMED(31) UNNAMED(32) UNNAMED(33) UNNAMED(34) UNNAMED(35) UNNAMED(36)
  UNNAMED(37) UNNAMED(38) UNNAMED(39) UNNAMED(40)
  HRESULT __stdcall BeforeDestroy() override { return S_OK; }
  HRESULT __stdcall GetViewCount(int32_t* count) override {
    *count = static_cast<int32_t>(views.size());
    return S_OK;
  }
  HRESULT __stdcall GetFileName(BSTR* name) override {
    *name = TUniqueBstr(file).Detach();
    return S_OK;
  }
  HRESULT __stdcall GetView(int32_t index, IServerView** view) override;

  std::wstring file = L"C:\\Boards\\b.PcbDoc";
  std::vector<TView*> views;
  bool navigates = false;
  bool tells_address = false;
  TNavigator navigator;
  THelpAddressImpl help_address;
};

class TView final : public IServerView, public IViewActivation {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override {
    *object = iid == IID_IViewActivation ? static_cast<IViewActivation*>(this) : nullptr;
    return *object ? S_OK : E_NOINTERFACE;
  }
  ULONG __stdcall AddRef() override { return 2; }
  ULONG __stdcall Release() override { return 1; }
  UNNAMED(01) UNNAMED(02) UNNAMED(03) UNNAMED(04) UNNAMED(05) UNNAMED(06) UNNAMED(07) UNNAMED(08)
  UNNAMED(09) UNNAMED(10) UNNAMED(11) UNNAMED(12) UNNAMED(15) UNNAMED(16) UNNAMED(17) UNNAMED(18)
  UNNAMED(20)
  HRESULT __stdcall UpdateAfterCommand() override { return S_OK; }
  HRESULT __stdcall GetViewName(BSTR* name) override {
    *name = TUniqueBstr(view_name).Detach();
    return S_OK;
  }
  HRESULT __stdcall GetViewParameters(BSTR* parameters) override {
    *parameters = TUniqueBstr(view_parameters).Detach();
    return S_OK;
  }
  HRESULT __stdcall GetOwnerDocument(IServerDocument** document) override {
    *document = owner;
    return S_OK;
  }
  HRESULT __stdcall ActivateView() override {
    Note("ActivateView " + TUniqueBstr(view_name).Ansi());
    return S_OK;
  }

  std::wstring view_name;
  std::wstring view_parameters;
  TDocument* owner = nullptr;
};

HRESULT TDocument::GetView(int32_t index, IServerView** view) {
  *view = static_cast<IServerView*>(views.at(static_cast<size_t>(index)));
  return S_OK;
}

class TModule final : public IServerModule {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override {
    *object = iid == IID_IHelpNavigator && navigates ? &navigator : nullptr;
    return *object ? S_OK : E_NOINTERFACE;
  }
  ULONG __stdcall AddRef() override { return 2; }
  ULONG __stdcall Release() override { return 1; }
  HRESULT __stdcall Idle() override { return E_NOTIMPL; }
  HRESULT __stdcall ReceiveNotification(DWORD) override { return E_NOTIMPL; }
  HRESULT __stdcall CreateDocument(DWORD, DWORD, IServerDocument**) override { return E_NOTIMPL; }
  HRESULT __stdcall DestroyDocument(IServerDocument*) override { return E_NOTIMPL; }
  HRESULT __stdcall GetClient(IClient**) override { return E_NOTIMPL; }
  HRESULT __stdcall GetCommandLauncher(ICommandLauncher**) override { return E_NOTIMPL; }
  HRESULT __stdcall GetModuleHandle(DWORD*) override { return E_NOTIMPL; }
  HRESULT __stdcall GetModuleName(BSTR*) override { return E_NOTIMPL; }
  HRESULT __stdcall GetProcessControl(IProcessControl**) override { return E_NOTIMPL; }
  HRESULT __stdcall GetRegisteredCount(int32_t*) override { return E_NOTIMPL; }
  HRESULT __stdcall GetRegistered(int32_t, IUnknown**) override { return E_NOTIMPL; }
  HRESULT __stdcall CreateOptionsView(BSTR, IDocumentOptionsView**) override { return E_NOTIMPL; }
  HRESULT __stdcall CreateServerObject(DWORD, IUnknown**) override { return E_NOTIMPL; }
  HRESULT __stdcall CreateServerObjectFor(DWORD, DWORD, IUnknown**) override { return E_NOTIMPL; }
  HRESULT __stdcall RemoveRegistered(IUnknown*) override { return E_NOTIMPL; }
  HRESULT __stdcall AddRegistered(IUnknown*) override { return E_NOTIMPL; }
  HRESULT __stdcall CreateDocument(DWORD, DWORD, BYTE, IServerDocument**) override { return E_NOTIMPL; }
  HRESULT __stdcall GetDocumentCount(int32_t* count) override {
    *count = static_cast<int32_t>(documents.size());
    return S_OK;
  }
  HRESULT __stdcall GetDocument(int32_t index, IServerDocument** document) override {
    *document = documents.at(static_cast<size_t>(index));
    return S_OK;
  }
  std::vector<TDocument*> documents;
  bool navigates = false;
  TNavigator navigator;
};

class HelpDocumentTest : public testing::Test {
 protected:
  void SetUp() override {
    UnbindClientApi();
    BindClientApi();
    g_log = &log;
    ClientSlot = &client;
    TestExportTable().use_external_web_browser = 0;
    document.navigator.who = "document";
    // The client answers with one server and the current view; of its own calls only the showing
    // of a document goes into this test's log.
    server.navigator.who = "server";
    server.documents = {&document};
    client.listed_modules = {&server};
    client.address_service = &addresses;
    client.offers_process_launcher = false;
    client.on_call = [](const std::string& line) {
      if (line.starts_with("ShowDocument ")) Note(line);
    };
    main.owner = &document;
    main.view_name = L"Main";
    second.owner = &document;
    second.view_name = L"3D";
    document.views = {&main};
  }
  void TearDown() override {
    ClientSlot = nullptr;
    UnbindClientApi();
    g_log = nullptr;
  }

  std::vector<std::string> log;
  TTestClient client;
  TAddresses addresses;
  TModule server;
  TDocument document;
  TView main, second;
};

TEST_F(HelpDocumentTest, ACurrentDocumentAlreadyShowingTheAddressGivesFalseAndNothingElse) {
  document.navigates = document.tells_address = true;
  document.help_address.shown = L"c:\\help\\tavrin.chm::/Dlg_HoleSizeEditor.htm";
  client.view = &main;
  EXPECT_FALSE(OpenHelpDocument(L"$HELP\\Tavrin.chm::/Dlg_HoleSizeEditor.htm"));
  EXPECT_TRUE(log.empty());
}

TEST_F(HelpDocumentTest, ANavigatingCurrentDocumentIsToldTheExpandedAddress) {
  document.navigates = true;
  client.view = &main;
  EXPECT_TRUE(OpenHelpDocument(L"$HELP\\Tavrin.chm::/x.htm"));
  EXPECT_EQ(log, std::vector<std::string>{"document.Navigate C:\\HELP\\Tavrin.chm::/x.htm"});
}

TEST_F(HelpDocumentTest, AnOpenViewShowingTheAddressIsBroughtForward) {
  document.views = {&main, &second};
  second.view_parameters = L"Layer=Top|Zoom=2";
  EXPECT_EQ(ViewAddress(&second), L"C:\\Boards\\b.PcbDoc?ViewName=3D;Layer=Top;Zoom=2");
  EXPECT_FALSE(OpenHelpDocument(L"c:\\boards\\B.PCBDOC?viewname=3d;layer=top;zoom=2"));
  EXPECT_EQ(log, (std::vector<std::string>{"ShowDocument C:\\Boards\\b.PcbDoc", "ActivateView 3D"}));
}

TEST_F(HelpDocumentTest, WebAddressesGoToTheSystemBrowserOnlyWhenTheHostSaysSo) {
  // Off: the address goes on to the help browser, which needs the host's workspace.
  EXPECT_FALSE(OpenInExternalBrowser(L"http://example.invalid/help"));
  EXPECT_THROW(OpenInHelpBrowser(L"http://example.invalid/help"), Exception);
  TestExportTable().use_external_web_browser = 1;
  EXPECT_FALSE(OpenInExternalBrowser(L"file://C:/x.htm"));
  EXPECT_FALSE(OpenInExternalBrowser(L"C:\\x.htm"));
}

TEST_F(HelpDocumentTest, AVeryLongAddressIsHandled) {
  std::wstring address(100000, L'a');
  EXPECT_EQ(ViewAddress(nullptr), L"");
  EXPECT_FALSE(FindViewShowingAddress(address));
  EXPECT_THROW(OpenHelpDocument(address), Exception);  // no workspace in this host
  EXPECT_TRUE(log.empty());
}

}  // namespace
