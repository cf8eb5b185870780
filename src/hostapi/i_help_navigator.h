#pragma once
// What help-document opening asks of the host: its address service (IClient::GetAddressService) and
// the help interfaces some documents and servers implement. Conventions: see server_module.h.

#include <windows.h>
#include <unknwn.h>

#include <cstdint>

#include "hostapi/guids.h"

struct IServerDocument;

struct IAddressService : IUnknown {
  virtual HRESULT __stdcall Unnamed01() = 0;
  virtual HRESULT __stdcall Unnamed02() = 0;
  virtual HRESULT __stdcall Unnamed03() = 0;
  virtual HRESULT __stdcall Unnamed04() = 0;
  virtual HRESULT __stdcall SplitAddress(BSTR address, BSTR* protocol, BSTR* location,
                                         BSTR* rest) = 0;                            // 5
  // flags is 0 for every caller of ours; done is a 32-bit truth value.
  virtual HRESULT __stdcall OpenAddress(DWORD flags, const BSTR* address,
                                        IServerDocument** document, int32_t* done) = 0;  // 6
  virtual HRESULT __stdcall Unnamed07() = 0;
  virtual HRESULT __stdcall ExpandAddress(BSTR address, BSTR* expanded) = 0;           // 8
};

struct IHelpNavigator : IUnknown {
  virtual HRESULT __stdcall Navigate(BSTR address, int32_t* done) = 0;                 // 1
};

struct IHelpAddress : IUnknown {
  virtual HRESULT __stdcall GetAddress(BSTR* address) = 0;                             // 1
  virtual HRESULT __stdcall Unnamed02() = 0;
  virtual HRESULT __stdcall ShowsAddress(BSTR address, BYTE* shows) = 0;               // 3
};
