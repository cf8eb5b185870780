#include "frame/locations.h"

#include <windows.h>
#include <shlobj.h>

#include <optional>

#include "base/unique_handle.h"
#include "frame/client_api_bindings.h"
#include "frame/language_mapping.h"

namespace {

std::optional<std::wstring> settled_location;
std::optional<TLanguageMapping> language_mapping;

constexpr wchar_t kDefaultLocation[] = L"Quorvel2004";

// The text of a registry value, or nothing when the key or the value is missing or not a text.
std::optional<std::wstring> RegistryText(HKEY root, const wchar_t* key, const wchar_t* name) {
  TUniqueHkey opened;
  if (RegOpenKeyExW(root, key, 0, KEY_READ, opened.Put()) != ERROR_SUCCESS) return std::nullopt;
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(opened.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return std::nullopt;
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  DWORD read = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegQueryValueExW(opened.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                       &read) != ERROR_SUCCESS)
    return std::nullopt;
  text.resize(wcsnlen(text.c_str(), text.size()));
  return text;
}

bool FileExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// An empty name is taken as no name at all: "\" would put the settings into the application-data
// folder itself and the preferences directly under "Software".
std::wstring ComputeLocation() {
  if (auto name = RegistryText(HKEY_CURRENT_USER, L"Software\\Quorvel2004\\Preference Location",
                                L"Application");
      name && !name->empty())
    return L"\\" + *name;
  std::wstring ini = SystemFolder() + L"PrefFolder.ini";
  if (FileExists(ini)) {
    wchar_t value[MAX_PATH] = {};
    GetPrivateProfileStringW(L"Preference Location", L"Application", kDefaultLocation, value,
                             MAX_PATH, ini.c_str());
    if (value[0]) return std::wstring(L"\\") + value;
  }
  return std::wstring(L"\\") + kDefaultLocation;
}

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> ReadFileText(const std::wstring& path) {
  TUniqueKernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    file.release();
    return std::nullopt;
  }
  std::string text;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) {
    if (read == 0) return text;
    text.append(buffer, read);
  }
  return std::nullopt;
}

const TLanguageMapping& Mapping() {
  if (!language_mapping) {
    language_mapping.emplace();
    if (auto text = ReadFileText(ResourcesFolder() + L"LanguageMappings.dat"))
      language_mapping->Parse(*text);
  }
  return *language_mapping;
}

}  // namespace

std::wstring PreferenceLocation() {
  if (!settled_location) settled_location = ComputeLocation();
  return *settled_location;
}

std::wstring PreferencesKey() { return L"Software" + PreferenceLocation(); }

std::wstring SettingsFolder() {
  wchar_t app_data_path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, app_data_path)))
    app_data_path[0] = 0;
  std::wstring folder = app_data_path + PreferenceLocation();
  if (!FolderExists(folder)) CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

std::wstring InstallFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  path.resize(path.find_last_of(L"\\/:") + 1);
  if (!path.empty()) CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
  if (path.empty() || path.back() != L'\\') path += L'\\';
  return path;
}

std::wstring SystemFolder() { return InstallFolder() + L"System\\"; }
std::wstring ResourcesFolder() { return SystemFolder() + L"Resources\\"; }
std::wstring InstallHelpFolder() { return InstallFolder() + L"Help\\"; }

unsigned MapLocaleIdentifier(unsigned identifier) { return Mapping().Map(identifier); }

std::wstring LanguageFolder() {
  if (!ClientAPI_GetUseSystemLocaleLanguage()) return SystemFolder();
  unsigned locale = GetSystemDefaultLCID();
  std::wstring candidate = ResourcesFolder() + std::to_wstring(MapLocaleIdentifier(locale)) + L"\\";
  if (!FolderExists(candidate))
    candidate = ResourcesFolder() + std::to_wstring(locale & ~0xFC00u) + L"\\";
  return candidate;
}

std::wstring HelpFolder() { return LanguageFolder() + L"Help\\"; }

std::wstring ResolveHelpFile(const std::wstring& file_name) {
  if (file_name.find_first_of(L"\\/:") != std::wstring::npos) return file_name;
  std::wstring in_help_folder = HelpFolder() + file_name;
  if (FileExists(in_help_folder)) return in_help_folder;
  return InstallHelpFolder() + file_name;
}

void ResetLocationsForTest() {
  settled_location.reset();
  language_mapping.reset();
}
