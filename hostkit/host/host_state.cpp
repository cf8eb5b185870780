#include "host_state.h"

#include <cwchar>

THostState& Host() {
  static THostState state;
  return state;
}

std::wstring HostSetting(const wchar_t* section, const wchar_t* key, const wchar_t* fallback) {
  if (Host().SettingsFile.empty()) return fallback;
  wchar_t value[1024] = {};
  GetPrivateProfileStringW(section, key, fallback, value, 1024, Host().SettingsFile.c_str());
  return value;
}

int HostSettingInt(const wchar_t* section, const wchar_t* key, int fallback) {
  std::wstring text = HostSetting(section, key, L"");
  if (text.empty()) return fallback;
  wchar_t* end = nullptr;
  long value = std::wcstol(text.c_str(), &end, 0);
  return *end ? fallback : static_cast<int>(value);
}
