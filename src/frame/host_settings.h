#pragma once
// Reading a server's settings through the host's settings service.

#include <cstdint>
#include <string>

// The integer stored under section and key in the named module's settings file at path; the
// default when the host offers no settings service or nothing is stored. A failing status raises.
int32_t ReadHostSettingInteger(const std::wstring& module, const std::wstring& path,
                               const std::wstring& section, const std::wstring& key,
                               int32_t default_value);
