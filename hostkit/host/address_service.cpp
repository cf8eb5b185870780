#include "address_service.h"

#include "base/bstr.h"
#include "base/text_convert.h"
#include "help_browser.h"

namespace {

std::wstring HelpFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  folder.resize(folder.find_last_of(L'\\') + 1);
  return folder + L"Help\\";
}

}  // namespace

THostAddressService& HostAddressService() {
  static THostAddressService service;
  return service;
}

HRESULT __stdcall THostAddressService::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid != IID_IUnknown && iid != IID_IAddressService) return E_NOINTERFACE;
  *object = static_cast<IAddressService*>(this);
  AddRef();
  return S_OK;
}

// "http://host/page" gives "http", "host" and "/page"; a drive letter is no protocol.
HRESULT __stdcall THostAddressService::SplitAddress(BSTR address, BSTR* protocol, BSTR* location, BSTR* rest) {
  THostCall call("IAddressService.SplitAddress", TraceText(BstrText(address).c_str()));
  if (protocol) *protocol = nullptr;
  if (location) *location = nullptr;
  if (rest) *rest = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!protocol || !location || !rest) return call.Done(E_POINTER);
  std::wstring text = BstrText(address);
  std::wstring scheme, place, remainder = text;
  size_t colon = text.find(L':');
  if (colon != std::wstring::npos && colon > 1) {
    scheme = text.substr(0, colon);
    remainder = text.substr(colon + 1);
    if (remainder.rfind(L"//", 0) == 0) {
      size_t slash = remainder.find(L'/', 2);
      place = remainder.substr(2, slash == std::wstring::npos ? std::wstring::npos : slash - 2);
      remainder = slash == std::wstring::npos ? std::wstring() : remainder.substr(slash);
    }
  }
  *protocol = TUniqueBstr(scheme).Detach();
  *location = TUniqueBstr(place).Detach();
  *rest = TUniqueBstr(remainder).Detach();
  return call.Done(S_OK, "protocol=" + TraceText(scheme.c_str()));
}

HRESULT __stdcall THostAddressService::OpenAddress(DWORD flags, const BSTR* address, IServerDocument** document,
                                                   int32_t* done) {
  const std::wstring text = address ? BstrText(*address) : std::wstring();
  THostCall call("IAddressService.OpenAddress", std::to_string(flags) + ", " + TraceText(text.c_str()));
  if (document) *document = nullptr;
  if (done) *done = 0;
  if (call.Injected()) return call.Done(call.Injected());
  if (!document || !done) return call.Done(E_POINTER);
  if (NavigateHelpPanel(text)) {
    *done = 1;
    HelpBrowserDocument()->AddRef();
    *document = HelpBrowserDocument();
  }
  return call.Done(S_OK, "done=" + std::to_string(*done));
}

HRESULT __stdcall THostAddressService::ExpandAddress(BSTR address, BSTR* expanded) {
  std::wstring text = BstrText(address);
  THostCall call("IAddressService.ExpandAddress", TraceText(text.c_str()));
  if (expanded) *expanded = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!expanded) return call.Done(E_POINTER);
  if (_wcsnicmp(text.c_str(), L"$HELP\\", 6) == 0) text = HelpFolder() + text.substr(6);
  *expanded = TUniqueBstr(text).Detach();
  return call.Done(S_OK, "expanded=" + TraceText(text.c_str()));
}
