#pragma once
// The host's settings service (IClient::GetSettingsService): a server's settings live in a file of
// sections and keys (an INI file for the host kit) that the service opens on the server's behalf.
//
//   ISettingsService::OpenModuleSettings(module, path, out store)
//     opens the settings of the named module ("Dralith") kept in the file at path (a full path); a
//     missing file is not an error: it reads as empty and is created by the first write.
//   ISettingsStore::ReadInteger(section, key, default, out value)
//     the stored integer, or default when the key is missing or does not hold a decimal integer.
//   ISettingsStore::ReadString(section, key, default, out value)    the stored text, or default.
//   ISettingsStore::WriteInteger / WriteString                      store a value (file written at once).
//
// Conventions: see server_module.h.

#include <windows.h>
#include <unknwn.h>

#include <cstdint>

#include "hostapi/guids.h"

struct ISettingsStore : IUnknown {
  virtual HRESULT __stdcall ReadInteger(BSTR section, BSTR key, int32_t default_value,
                                        int32_t* value) = 0;                         // 1
  virtual HRESULT __stdcall WriteInteger(BSTR section, BSTR key, int32_t value) = 0;   // 2
  virtual HRESULT __stdcall ReadString(BSTR section, BSTR key, BSTR default_value,
                                       BSTR* value) = 0;                             // 3
  virtual HRESULT __stdcall WriteString(BSTR section, BSTR key, BSTR value) = 0;       // 4
};

struct ISettingsService : IUnknown {
  virtual HRESULT __stdcall OpenModuleSettings(BSTR module, BSTR path,
                                               ISettingsStore** store) = 0;          // 1
};
