#include "settings_service.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cwchar>
#include <string>

#include "base/bstr.h"

namespace {

class TIniStore final : public ISettingsStore {
 public:
  explicit TIniStore(std::wstring path) : path_(std::move(path)) {}

  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_ISettingsStore) return E_NOINTERFACE;
    *object = static_cast<ISettingsStore*>(this);
    AddRef();
    return S_OK;
  }
  ULONG __stdcall AddRef() override { return ++references_; }
  ULONG __stdcall Release() override {
    ULONG count = --references_;
    if (count == 0) delete this;
    return count;
  }

  HRESULT __stdcall ReadInteger(BSTR section, BSTR key, int32_t default_value,
                                int32_t* value) override {
    THostCall call("ISettingsStore.ReadInteger", TraceText(section) + ", " + TraceText(key) +
                                                     ", " + std::to_string(default_value));
    if (value) *value = default_value;
    if (call.Injected()) return call.Done(call.Injected());
    if (!value) return call.Done(E_POINTER);
    std::wstring text = Read(section, key);
    int32_t parsed = 0;
    if (ParseIniInteger(text, parsed)) *value = parsed;
    return call.Done(S_OK, "value=" + std::to_string(*value));
  }

  HRESULT __stdcall WriteInteger(BSTR section, BSTR key, int32_t value) override {
    THostCall call("ISettingsStore.WriteInteger",
                   TraceText(section) + ", " + TraceText(key) + ", " + std::to_string(value));
    if (call.Injected()) return call.Done(call.Injected());
    std::wstring text = std::to_wstring(value);
    return call.Done(Write(section, key, text.c_str()));
  }

  HRESULT __stdcall ReadString(BSTR section, BSTR key, BSTR default_value, BSTR* value) override {
    THostCall call("ISettingsStore.ReadString",
                   TraceText(section) + ", " + TraceText(key) + ", " + TraceText(default_value));
    if (value) *value = nullptr;
    if (call.Injected()) return call.Done(call.Injected());
    if (!value) return call.Done(E_POINTER);
    std::wstring text = Read(section, key, BstrText(default_value));
    *value = TUniqueBstr(text).Detach();
    return call.Done(S_OK, "value=" + TraceText(text.c_str()));
  }

  HRESULT __stdcall WriteString(BSTR section, BSTR key, BSTR value) override {
    THostCall call("ISettingsStore.WriteString",
                   TraceText(section) + ", " + TraceText(key) + ", " + TraceText(value));
    if (call.Injected()) return call.Done(call.Injected());
    return call.Done(Write(section, key, BstrText(value).c_str()));
  }

 private:
  std::wstring Read(BSTR section, BSTR key, const std::wstring& fallback = L"") const {
    std::wstring buffer(4096, L'\0');
    DWORD length = GetPrivateProfileStringW(BstrText(section).c_str(), BstrText(key).c_str(),
                                            fallback.c_str(), buffer.data(),
                                            static_cast<DWORD>(buffer.size()), path_.c_str());
    buffer.resize(length);
    return buffer;
  }
  HRESULT Write(BSTR section, BSTR key, const wchar_t* value) const {
    return WritePrivateProfileStringW(BstrText(section).c_str(), BstrText(key).c_str(), value,
                                      path_.c_str())
               ? S_OK
               : HRESULT_FROM_WIN32(GetLastError());
  }

  std::wstring path_;
  std::atomic<ULONG> references_{1};
};

}  // namespace

bool ParseIniInteger(const std::wstring& text, int32_t& value) {
  size_t begin = text.find_first_not_of(L" \t");
  size_t end = text.find_last_not_of(L" \t");
  if (begin == std::wstring::npos) return false;
  std::wstring digits = text.substr(begin, end - begin + 1);
  wchar_t* stop = nullptr;
  errno = 0;
  long long number = std::wcstoll(digits.c_str(), &stop, 10);
  if (*stop || errno || number < INT32_MIN || number > INT32_MAX) return false;
  value = static_cast<int32_t>(number);
  return true;
}

THostSettingsService& HostSettingsService() {
  static THostSettingsService service;
  return service;
}

HRESULT __stdcall THostSettingsService::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid != IID_IUnknown && iid != IID_ISettingsService) return E_NOINTERFACE;
  *object = static_cast<ISettingsService*>(this);
  AddRef();
  return S_OK;
}

HRESULT __stdcall THostSettingsService::OpenModuleSettings(BSTR module, BSTR path,
                                                           ISettingsStore** store) {
  THostCall call("ISettingsService.OpenModuleSettings", TraceText(module) + ", " + TraceText(path));
  if (store) *store = nullptr;
  if (call.Injected()) return call.Done(call.Injected());
  if (!store) return call.Done(E_POINTER);
  if (BstrText(path).empty()) return call.Done(E_INVALIDARG);
  // The new store's one reference is the caller's.
  *store = new TIniStore(BstrText(path));
  return call.Done(S_OK);
}
