#pragma once
// The host's user-interface manager: status-bar panels 1 to 3 show SetStatusText; offered keys are
// recorded and answered from the settings file ([Keys] Handled).

#include "host_call.h"
#include "hostapi/i_client_ui_manager.h"

class THostUiManager final : public IClientUiManager {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  HOST_STATIC_REFCOUNT

  HRESULT __stdcall Unnamed01() override { return UnnamedOperation("IClientUiManager.Unnamed01"); }
  HRESULT __stdcall Unnamed02() override { return UnnamedOperation("IClientUiManager.Unnamed02"); }
  HRESULT __stdcall Unnamed03() override { return UnnamedOperation("IClientUiManager.Unnamed03"); }
  HRESULT __stdcall Unnamed04() override { return UnnamedOperation("IClientUiManager.Unnamed04"); }
  HRESULT __stdcall Unnamed05() override { return UnnamedOperation("IClientUiManager.Unnamed05"); }
  HRESULT __stdcall Unnamed06() override { return UnnamedOperation("IClientUiManager.Unnamed06"); }
  HRESULT __stdcall Unnamed07() override { return UnnamedOperation("IClientUiManager.Unnamed07"); }
  HRESULT __stdcall Unnamed08() override { return UnnamedOperation("IClientUiManager.Unnamed08"); }
  HRESULT __stdcall Unnamed09() override { return UnnamedOperation("IClientUiManager.Unnamed09"); }
  HRESULT __stdcall SetStatusText(int32_t panel, BSTR text) override;
  HRESULT __stdcall OfferKey(int32_t key, int32_t alt, int32_t shift, int32_t ctrl,
                             BYTE* handled) override;
  HRESULT __stdcall AfterKeyHandled() override;
};

THostUiManager& HostUiManager();
