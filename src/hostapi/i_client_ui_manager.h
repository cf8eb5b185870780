#pragma once
// The host's user-interface manager (IClient::GetUiManager): status-bar texts and the keys a plug-in
// dialog offers the host. Conventions: see server_module.h.

#include <windows.h>
#include <unknwn.h>

#include <cstdint>

#include "hostapi/guids.h"

struct IClientUiManager : IUnknown {
  virtual HRESULT __stdcall Unnamed01() = 0;
  virtual HRESULT __stdcall Unnamed02() = 0;
  virtual HRESULT __stdcall Unnamed03() = 0;
  virtual HRESULT __stdcall Unnamed04() = 0;
  virtual HRESULT __stdcall Unnamed05() = 0;
  virtual HRESULT __stdcall Unnamed06() = 0;
  virtual HRESULT __stdcall Unnamed07() = 0;
  virtual HRESULT __stdcall Unnamed08() = 0;
  virtual HRESULT __stdcall Unnamed09() = 0;
  // 10: panel 1, 2, 3 are the status bar's panels; negative panels are the host's own business.
  virtual HRESULT __stdcall SetStatusText(int32_t panel, BSTR text) = 0;
  // 11: the modifier flags are 32-bit truth values (-1 held, 0 not).
  virtual HRESULT __stdcall OfferKey(int32_t key, int32_t alt, int32_t shift, int32_t ctrl,
                                     BYTE* handled) = 0;
  // 12: called after the host reported an offered key handled.
  virtual HRESULT __stdcall AfterKeyHandled() = 0;
};
