#pragma once
// The host's address service: splits addresses into protocol, location and the rest, expands the
// help folder mark "$HELP\" into the host's help folder, and opens addresses of compiled help pages
// ("file.chm::/page.htm") in the help panel. Every call is traced.

#include "host_call.h"
#include "hostapi/i_help_navigator.h"

class THostAddressService final : public IAddressService {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  HOST_STATIC_REFCOUNT
  HRESULT __stdcall SplitAddress(BSTR address, BSTR* protocol, BSTR* location, BSTR* rest) override;
  HRESULT __stdcall OpenAddress(DWORD flags, const BSTR* address, IServerDocument** document,
                                int32_t* done) override;
  HRESULT __stdcall ExpandAddress(BSTR address, BSTR* expanded) override;
  HRESULT __stdcall Unnamed01() override { return UnnamedOperation("IAddressService.Unnamed01"); }
  HRESULT __stdcall Unnamed02() override { return UnnamedOperation("IAddressService.Unnamed02"); }
  HRESULT __stdcall Unnamed03() override { return UnnamedOperation("IAddressService.Unnamed03"); }
  HRESULT __stdcall Unnamed04() override { return UnnamedOperation("IAddressService.Unnamed04"); }
  HRESULT __stdcall Unnamed07() override { return UnnamedOperation("IAddressService.Unnamed07"); }
};

THostAddressService& HostAddressService();
