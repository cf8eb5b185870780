#pragma once
// The host's settings service over INI files: a module's settings are the file at the path it
// names. A missing key or a value that is not a decimal integer reads as the default.

#include "host_call.h"
#include "hostapi/i_settings_service.h"

class THostSettingsService final : public ISettingsService {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  HOST_STATIC_REFCOUNT
  HRESULT __stdcall OpenModuleSettings(BSTR module, BSTR path, ISettingsStore** store) override;
};

THostSettingsService& HostSettingsService();

// The integer of an INI value: optional blanks, sign and decimal digits; false otherwise.
bool ParseIniInteger(const std::wstring& text, int32_t& value);
