#include "help_browser.h"

#include "base/bstr.h"
#include "base/text_convert.h"
#include "help_panel.h"

#define HELP_UNNAMED(Interface, n) \
  HRESULT __stdcall Unnamed##n() override { return UnnamedOperation(#Interface ".Unnamed" #n); }

namespace {

HRESULT NavigateTo(const char* operation, BSTR address, int32_t* done) {
  const std::wstring text = BstrText(address);
  THostCall call(operation, TraceText(text.c_str()));
  if (done) *done = 0;
  if (call.Injected()) return call.Done(call.Injected());
  if (!done) return call.Done(E_POINTER);
  *done = NavigateHelpPanel(text) ? 1 : 0;
  return call.Done(S_OK, "done=" + std::to_string(*done));
}

class THelpView final : public IServerView {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_IServerView) return E_NOINTERFACE;
    *object = static_cast<IServerView*>(this);
    AddRef();
    return S_OK;
  }
  HOST_STATIC_REFCOUNT
  HRESULT __stdcall GetViewName(BSTR* name) override {
    THostCall call("HelpView.GetViewName", "");
    if (!name) return call.Done(E_POINTER);
    *name = TUniqueBstr(std::wstring(L"Knowledge Center")).Detach();
    return call.Done(S_OK, "name=\"Knowledge Center\"");
  }
  HRESULT __stdcall GetViewParameters(BSTR* parameters) override {
    THostCall call("HelpView.GetViewParameters", "");
    if (!parameters) return call.Done(E_POINTER);
    *parameters = nullptr;
    return call.Done(S_OK, "parameters=\"\"");
  }
  HRESULT __stdcall GetOwnerDocument(IServerDocument** document) override {
    THostCall call("HelpView.GetOwnerDocument", "");
    if (!document) return call.Done(E_POINTER);
    HelpBrowserDocument()->AddRef();
    *document = HelpBrowserDocument();
    return call.Done(S_OK, "document=present");
  }
  HRESULT __stdcall UpdateAfterCommand() override { return UnnamedOperation("HelpView.UpdateAfterCommand"); }
  HELP_UNNAMED(HelpView, 01) HELP_UNNAMED(HelpView, 02) HELP_UNNAMED(HelpView, 03) HELP_UNNAMED(HelpView, 04)
  HELP_UNNAMED(HelpView, 05) HELP_UNNAMED(HelpView, 06) HELP_UNNAMED(HelpView, 07) HELP_UNNAMED(HelpView, 08)
  HELP_UNNAMED(HelpView, 09) HELP_UNNAMED(HelpView, 10) HELP_UNNAMED(HelpView, 11) HELP_UNNAMED(HelpView, 12)
  HELP_UNNAMED(HelpView, 15) HELP_UNNAMED(HelpView, 16) HELP_UNNAMED(HelpView, 17) HELP_UNNAMED(HelpView, 18)
  HELP_UNNAMED(HelpView, 20)
};

THelpView& HelpView() {
  static THelpView view;
  return view;
}

class THelpDocument final : public IServerDocument, public IHelpNavigator, public IHelpAddress {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IServerDocument) *object = static_cast<IServerDocument*>(this);
    else if (iid == IID_IHelpNavigator) *object = static_cast<IHelpNavigator*>(this);
    else if (iid == IID_IHelpAddress) *object = static_cast<IHelpAddress*>(this);
    else return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  HOST_STATIC_REFCOUNT
  HRESULT __stdcall GetViewCount(int32_t* count) override {
    THostCall call("HelpDocument.GetViewCount", "");
    if (!count) return call.Done(E_POINTER);
    *count = 1;
    return call.Done(S_OK, "count=1");
  }
  HRESULT __stdcall GetFileName(BSTR* name) override {
    THostCall call("HelpDocument.GetFileName", "");
    if (!name) return call.Done(E_POINTER);
    *name = TUniqueBstr(ToWide(HelpPanelAddress())).Detach();
    return call.Done(S_OK, "file=" + TraceText(HelpPanelAddress()));
  }
  HRESULT __stdcall GetView(int32_t index, IServerView** view) override {
    THostCall call("HelpDocument.GetView", std::to_string(index));
    if (!view) return call.Done(E_POINTER);
    *view = nullptr;
    if (index != 0) return call.Done(E_INVALIDARG);
    HelpView().AddRef();
    *view = &HelpView();
    return call.Done(S_OK, "view=present");
  }
  HRESULT __stdcall BeforeDestroy() override { return UnnamedOperation("HelpDocument.BeforeDestroy"); }
  HRESULT __stdcall Navigate(BSTR address, int32_t* done) override {
    return NavigateTo("HelpDocument.Navigate", address, done);
  }
  HRESULT __stdcall GetAddress(BSTR* address) override {
    THostCall call("HelpDocument.GetAddress", "");
    if (!address) return call.Done(E_POINTER);
    *address = TUniqueBstr(ToWide(HelpPanelAddress())).Detach();
    return call.Done(S_OK, "address=" + TraceText(HelpPanelAddress()));
  }
  HRESULT __stdcall ShowsAddress(BSTR address, BYTE* shows) override {
    THostCall call("HelpDocument.ShowsAddress", TraceText(BstrText(address).c_str()));
    if (!shows) return call.Done(E_POINTER);
    // A hidden panel shows nothing.
    *shows = HelpPanelVisible() && !HelpPanelAddress().empty() && _stricmp(ToAnsi(BstrText(address)).c_str(), HelpPanelAddress().c_str()) == 0;
    return call.Done(S_OK, "shows=" + std::to_string(*shows));
  }
  HRESULT __stdcall Unnamed02() override { return UnnamedOperation("HelpDocument.Unnamed02"); }
  HELP_UNNAMED(HelpDocument, 01) HELP_UNNAMED(HelpDocument, 03) HELP_UNNAMED(HelpDocument, 04)
  HELP_UNNAMED(HelpDocument, 05) HELP_UNNAMED(HelpDocument, 06) HELP_UNNAMED(HelpDocument, 07)
  HELP_UNNAMED(HelpDocument, 08) HELP_UNNAMED(HelpDocument, 09) HELP_UNNAMED(HelpDocument, 12)
  HELP_UNNAMED(HelpDocument, 13) HELP_UNNAMED(HelpDocument, 14) HELP_UNNAMED(HelpDocument, 15)
  HELP_UNNAMED(HelpDocument, 16) HELP_UNNAMED(HelpDocument, 17) HELP_UNNAMED(HelpDocument, 18)
  HELP_UNNAMED(HelpDocument, 19) HELP_UNNAMED(HelpDocument, 21) HELP_UNNAMED(HelpDocument, 22)
  HELP_UNNAMED(HelpDocument, 23) HELP_UNNAMED(HelpDocument, 24) HELP_UNNAMED(HelpDocument, 25)
  HELP_UNNAMED(HelpDocument, 26) HELP_UNNAMED(HelpDocument, 27) HELP_UNNAMED(HelpDocument, 29)
  HELP_UNNAMED(HelpDocument, 30) HELP_UNNAMED(HelpDocument, 31) HELP_UNNAMED(HelpDocument, 32)
  HELP_UNNAMED(HelpDocument, 33) HELP_UNNAMED(HelpDocument, 34) HELP_UNNAMED(HelpDocument, 35)
  HELP_UNNAMED(HelpDocument, 36) HELP_UNNAMED(HelpDocument, 37) HELP_UNNAMED(HelpDocument, 38)
  HELP_UNNAMED(HelpDocument, 39) HELP_UNNAMED(HelpDocument, 40)
};

THelpDocument& HelpDocument() {
  static THelpDocument document;
  return document;
}

class THelpBrowserModule final : public IServerModule, public IHelpNavigator {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IServerModule) *object = static_cast<IServerModule*>(this);
    else if (iid == IID_IHelpNavigator) *object = static_cast<IHelpNavigator*>(this);
    else return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  HOST_STATIC_REFCOUNT
  HRESULT __stdcall Navigate(BSTR address, int32_t* done) override {
    return NavigateTo("HelpBrowser.Navigate", address, done);
  }
  HRESULT __stdcall GetDocumentCount(int32_t* count) override {
    THostCall call("HelpBrowser.GetDocumentCount", "");
    if (!count) return call.Done(E_POINTER);
    *count = 1;
    return call.Done(S_OK, "count=1");
  }
  HRESULT __stdcall GetDocument(int32_t index, IServerDocument** document) override {
    THostCall call("HelpBrowser.GetDocument", std::to_string(index));
    if (!document) return call.Done(E_POINTER);
    *document = nullptr;
    if (index != 0) return call.Done(E_INVALIDARG);
    *document = HelpBrowserDocument();
    (*document)->AddRef();
    return call.Done(S_OK, "document=present");
  }
  HRESULT __stdcall GetModuleName(BSTR* name) override {
    if (!name) return E_POINTER;
    *name = TUniqueBstr(std::wstring(L"HelpBrowser")).Detach();
    return S_OK;
  }
  HRESULT __stdcall Idle() override { return S_OK; }
  HRESULT __stdcall ReceiveNotification(DWORD) override { return S_OK; }
  HRESULT __stdcall CreateDocument(DWORD, DWORD, IServerDocument**) override { return E_NOTIMPL; }
  HRESULT __stdcall DestroyDocument(IServerDocument*) override { return E_NOTIMPL; }
  HRESULT __stdcall GetClient(IClient**) override { return E_NOTIMPL; }
  HRESULT __stdcall GetCommandLauncher(ICommandLauncher**) override { return E_NOTIMPL; }
  HRESULT __stdcall GetModuleHandle(DWORD*) override { return E_NOTIMPL; }
  HRESULT __stdcall GetProcessControl(IProcessControl**) override { return E_NOTIMPL; }
  HRESULT __stdcall GetRegisteredCount(int32_t*) override { return E_NOTIMPL; }
  HRESULT __stdcall GetRegistered(int32_t, IUnknown**) override { return E_NOTIMPL; }
  HRESULT __stdcall CreateOptionsView(BSTR, IDocumentOptionsView**) override { return E_NOTIMPL; }
  HRESULT __stdcall CreateServerObject(DWORD, IUnknown**) override { return E_NOTIMPL; }
  HRESULT __stdcall CreateServerObjectFor(DWORD, DWORD, IUnknown**) override { return E_NOTIMPL; }
  HRESULT __stdcall RemoveRegistered(IUnknown*) override { return E_NOTIMPL; }
  HRESULT __stdcall AddRegistered(IUnknown*) override { return E_NOTIMPL; }
  HRESULT __stdcall CreateDocument(DWORD, DWORD, BYTE, IServerDocument**) override { return E_NOTIMPL; }
};

}  // namespace

bool NavigateHelpPanel(const std::wstring& address) {
  const std::string text = ToAnsi(address);
  const size_t split = text.find("::");
  if (split == std::string::npos || split < 4 || _stricmp(text.substr(split - 4, 4).c_str(), ".chm") != 0) return false;
  ShowHelpAddress(text);
  ShowHelpPanel();
  return true;
}

IServerModule* HelpBrowserModule() {
  static THelpBrowserModule module;
  return &module;
}

IServerDocument* HelpBrowserDocument() { return &HelpDocument(); }
