#include "ui_manager.h"

#include <commctrl.h>

#include "base/bstr.h"
#include "host_state.h"

THostUiManager& HostUiManager() {
  static THostUiManager manager;
  return manager;
}

HRESULT __stdcall THostUiManager::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid != IID_IUnknown && iid != IID_IClientUiManager) return E_NOINTERFACE;
  *object = static_cast<IClientUiManager*>(this);
  AddRef();
  return S_OK;
}

HRESULT __stdcall THostUiManager::SetStatusText(int32_t panel, BSTR text) {
  THostCall call("IClientUiManager.SetStatusText", std::to_string(panel) + ", " + TraceText(text));
  if (call.Injected()) return call.Done(call.Injected());
  if (panel >= 1 && panel <= 3 && Host().StatusBar) {
    std::wstring value = BstrText(text);
    SendMessageW(Host().StatusBar, SB_SETTEXTW, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(value.c_str()));
  }
  return call.Done(S_OK);
}

HRESULT __stdcall THostUiManager::OfferKey(int32_t key, int32_t alt, int32_t shift, int32_t ctrl,
                                           BYTE* handled) {
  THostCall call("IClientUiManager.OfferKey", std::to_string(key) + ", " + std::to_string(alt) +
                                                  ", " + std::to_string(shift) + ", " +
                                                  std::to_string(ctrl));
  if (handled) *handled = 0;
  if (call.Injected()) return call.Done(call.Injected());
  if (!handled) return call.Done(E_POINTER);
  *handled = HostSettingInt(L"Keys", L"Handled", 0) ? 1 : 0;
  return call.Done(S_OK, "handled=" + std::to_string(*handled));
}

HRESULT __stdcall THostUiManager::AfterKeyHandled() {
  THostCall call("IClientUiManager.AfterKeyHandled", "");
  return call.Done(call.Injected());
}
