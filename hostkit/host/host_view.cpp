#include "host_view.h"

#include "base/bstr.h"
#include "host_state.h"

THostDocument& HostDocument() {
  static THostDocument document;
  return document;
}

THostView& HostView() {
  static THostView view;
  return view;
}

IServerView* CurrentHostView() {
  if (Host().DocumentKind == 0 || Host().Options.NoView) return nullptr;
  return &HostView();
}

HRESULT __stdcall THostDocument::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid != IID_IUnknown && iid != IID_IServerDocument) return E_NOINTERFACE;
  *object = static_cast<IServerDocument*>(this);
  AddRef();
  return S_OK;
}

HRESULT __stdcall THostDocument::GetViewCount(int32_t* count) {
  THostCall call("IServerDocument.GetViewCount", "");
  if (call.Injected()) return call.Done(call.Injected());
  if (!count) return call.Done(E_POINTER);
  *count = 1;
  return call.Done(S_OK, "count=1");
}

HRESULT __stdcall THostDocument::GetFileName(BSTR* file_name) {
  THostCall call("IServerDocument.GetFileName", "");
  if (file_name) *file_name = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!file_name) return call.Done(E_POINTER);
  *file_name = TUniqueBstr(Host().Options.Board).Detach();
  return call.Done(S_OK, "file=" + TraceText(Host().Options.Board.c_str()));
}

HRESULT __stdcall THostDocument::GetView(int32_t index, IServerView** view) {
  THostCall call("IServerDocument.GetView", std::to_string(index));
  if (view) *view = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!view) return call.Done(E_POINTER);
  if (index != 0) return call.Done(E_INVALIDARG);
  HostView().AddRef();
  *view = &HostView();
  return call.Done(S_OK, "view=present");
}

HRESULT __stdcall THostDocument::BeforeDestroy() {
  THostCall call("IServerDocument.BeforeDestroy", "");
  return call.Done(call.Injected());
}

HRESULT __stdcall THostView::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid != IID_IUnknown && iid != IID_IServerView) return E_NOINTERFACE;
  *object = static_cast<IServerView*>(this);
  AddRef();
  return S_OK;
}

HRESULT __stdcall THostView::GetViewName(BSTR* name) {
  THostCall call("IServerView.GetViewName", "");
  if (name) *name = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!name) return call.Done(E_POINTER);
  const wchar_t* text = Host().DocumentKind == 2 ? L"PCB" : L"Document";
  *name = TUniqueBstr(text).Detach();
  return call.Done(S_OK, "name=" + TraceText(text));
}

HRESULT __stdcall THostView::GetViewParameters(BSTR* parameters) {
  THostCall call("IServerView.GetViewParameters", "");
  if (parameters) *parameters = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!parameters) return call.Done(E_POINTER);
  return call.Done(S_OK, "parameters=\"\"");
}

HRESULT __stdcall THostView::GetOwnerDocument(IServerDocument** document) {
  THostCall call("IServerView.GetOwnerDocument", "");
  if (document) *document = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!document) return call.Done(E_POINTER);
  HostDocument().AddRef();
  *document = &HostDocument();
  return call.Done(S_OK, "document=present");
}

HRESULT __stdcall THostView::UpdateAfterCommand() {
  THostCall call("IServerView.UpdateAfterCommand", "");
  if (call.Injected()) return call.Done(call.Injected());
  if (Host().ViewWindow) InvalidateRect(Host().ViewWindow, nullptr, TRUE);
  return call.Done(S_OK);
}
