#include "form_holder.h"

HRESULT __stdcall THostFormHolder::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid != IID_IUnknown && iid != IID_IExternalFormHolder) return E_NOINTERFACE;
  *object = static_cast<IExternalFormHolder*>(this);
  AddRef();
  return S_OK;
}

HRESULT __stdcall THostFormHolder::GetParentWindow(HWND* window) {
  THostCall call("IExternalFormHolder.GetParentWindow", "");
  if (window) *window = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!window) return call.Done(E_POINTER);
  *window = window_;
  return call.Done(S_OK, "window=" + TracePointer(window_));
}

HRESULT __stdcall THostFormHolder::FormChanged() {
  THostCall call("IExternalFormHolder.FormChanged", "");
  return call.Done(call.Injected() ? call.Injected() : S_OK);
}
