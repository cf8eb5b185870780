#pragma once
// The host's holder of an embedded server form (IExternalFormHolder): it names the window the form
// is parented to. Its calls are traced and can be made to fail (--fail
// IExternalFormHolder.GetParentWindow,1,0x80004005).

#include <windows.h>

#include "host_call.h"
#include "hostapi/i_external_form.h"

class THostFormHolder final : public IExternalFormHolder {
 public:
  explicit THostFormHolder(HWND window) : window_(window) {}

  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  HOST_STATIC_REFCOUNT
  HRESULT __stdcall GetParentWindow(HWND* window) override;
  HRESULT __stdcall FormChanged() override;

  HWND Window() const { return window_; }
  ULONG References() const { return references_; }

 private:
  HWND window_;
};
