#include "frame/host_settings.h"

#include "base/bstr.h"
#include "base/check_host.h"
#include "frame/client_services.h"

int32_t ReadHostSettingInteger(const std::wstring& module, const std::wstring& path,
                               const std::wstring& section, const std::wstring& key,
                               int32_t defaultValue) {
  ComPtr<ISettingsService> service = GetSettingsService();
  if (!service) return defaultValue;
  ComPtr<ISettingsStore> store;
  UniqueBstr moduleName(module), file(path);
  check_host(service->OpenModuleSettings(moduleName.get(), file.get(), store.put()));
  if (!store) return defaultValue;
  UniqueBstr sectionName(section), keyName(key);
  int32_t value = defaultValue;
  check_host(store->ReadInteger(sectionName.get(), keyName.get(), defaultValue, &value));
  return value;
}
