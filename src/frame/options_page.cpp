#include "frame/options_page.h"

#include "base/check_host.h"
#include "base/exceptions.h"
#include "base/host_guard.h"
#include "frame/require_out.h"

TComPtr<IOptionsPage> QueryFormOptionsPage(TCustomForm* form) {
  TComPtr<IOptionsPage> page;
  if (auto* unknown = dynamic_cast<IUnknown*>(form))
    unknown->QueryInterface(IID_IOptionsPage, page.PutVoid());
  return page;
}

TComPtr<IOptionsPage> TOptionsPage::FormPage() const {
  TComPtr<IOptionsPage> page = QueryFormOptionsPage(Form());
  if (!page) throw Exception("Interface not supported");
  return page;
}

HRESULT __stdcall TOptionsPage::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid != IID_IOptionsPage) return TExternalForm::QueryInterface(iid, object);
  *object = static_cast<IOptionsPage*>(this);
  AddRef();
  return S_OK;
}

HRESULT __stdcall TOptionsPage::GetModified(BYTE* modified) {
  return HostGuard([&] {
    RequireOut(modified);
    if (!Form()) {
      *modified = 0;
      return;
    }
    CheckHost(FormPage()->GetModified(modified));
  });
}

HRESULT __stdcall TOptionsPage::SetModified(BYTE modified) {
  return HostGuard([&] {
    if (Form()) CheckHost(FormPage()->SetModified(modified));
  });
}

HRESULT __stdcall TOptionsPage::LoadOptions() {
  return HostGuard([&] {
    if (Form()) CheckHost(FormPage()->LoadOptions());
  });
}

HRESULT __stdcall TOptionsPage::SaveOptions() {
  return HostGuard([&] {
    if (Form()) CheckHost(FormPage()->SaveOptions());
  });
}

HRESULT __stdcall TOptionsPage::GetHelpContext(int32_t* context) {
  return HostGuard([&] {
    RequireOut(context);
    if (!Form()) {
      *context = -1;
      return;
    }
    CheckHost(FormPage()->GetHelpContext(context));
  });
}

HRESULT __stdcall TOptionsPage::SetDefaults() {
  return HostGuard([&] {
    if (Form()) CheckHost(FormPage()->SetDefaults());
  });
}

HRESULT __stdcall TOptionsPage::CancelOptions() {
  return HostGuard([&] {
    if (Form()) CheckHost(FormPage()->CancelOptions());
  });
}
