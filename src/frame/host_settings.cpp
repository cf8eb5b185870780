#include "frame/host_settings.h"

#include "base/bstr.h"
#include "base/check_host.h"
#include "frame/client_services.h"

int32_t ReadHostSettingInteger(const std::wstring& module, const std::wstring& path,
                               const std::wstring& section, const std::wstring& key,
                               int32_t default_value) {
  TComPtr<ISettingsService> service = GetSettingsService();
  if (!service) return default_value;
  TComPtr<ISettingsStore> store;
  TUniqueBstr module_name(module), file(path);
  CheckHost(service->OpenModuleSettings(module_name.get(), file.get(), store.Put()));
  if (!store) return default_value;
  TUniqueBstr section_name(section), key_name(key);
  int32_t value = default_value;
  CheckHost(store->ReadInteger(section_name.get(), key_name.get(), default_value, &value));
  return value;
}
