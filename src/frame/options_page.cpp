#include "frame/options_page.h"

#include "base/check_host.h"
#include "base/exceptions.h"
#include "base/host_guard.h"
#include "frame/require_out.h"

ComPtr<IOptionsPage> QueryFormOptionsPage(TCustomForm* form) {
  ComPtr<IOptionsPage> page;
  if (auto* unknown = dynamic_cast<IUnknown*>(form))
    unknown->QueryInterface(IID_IOptionsPage, page.put_void());
  return page;
}

ComPtr<IOptionsPage> TOptionsPage::FormPage() const {
  ComPtr<IOptionsPage> page = QueryFormOptionsPage(Form());
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
  return host_guard([&] {
    RequireOut(modified);
    if (!Form()) {
      *modified = 0;
      return;
    }
    check_host(FormPage()->GetModified(modified));
  });
}

HRESULT __stdcall TOptionsPage::SetModified(BYTE modified) {
  return host_guard([&] {
    if (Form()) check_host(FormPage()->SetModified(modified));
  });
}

HRESULT __stdcall TOptionsPage::LoadOptions() {
  return host_guard([&] {
    if (Form()) check_host(FormPage()->LoadOptions());
  });
}

HRESULT __stdcall TOptionsPage::SaveOptions() {
  return host_guard([&] {
    if (Form()) check_host(FormPage()->SaveOptions());
  });
}

HRESULT __stdcall TOptionsPage::GetHelpContext(int32_t* context) {
  return host_guard([&] {
    RequireOut(context);
    if (!Form()) {
      *context = -1;
      return;
    }
    check_host(FormPage()->GetHelpContext(context));
  });
}

HRESULT __stdcall TOptionsPage::SetDefaults() {
  return host_guard([&] {
    if (Form()) check_host(FormPage()->SetDefaults());
  });
}

HRESULT __stdcall TOptionsPage::CancelOptions() {
  return host_guard([&] {
    if (Form()) check_host(FormPage()->CancelOptions());
  });
}
