#include "tests/win/dialogs/dialog_fixture.h"

#include <cstring>

#include "base/unique_handle.h"

std::wstring test_root_key() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "none";
  for (char& c : name)
    if (c == '/') c = '.';
  return L"Software\\TavrinDialogTests\\" + std::wstring(name.begin(), name.end());
}

std::wstring test_forms_key() { return test_root_key() + L"\\Plenvik\\Forms"; }

namespace {

UniqueHkey create_key(const std::wstring& dialogClass) {
  UniqueHkey key;
  std::wstring path = test_forms_key() + L"\\" + dialogClass;
  RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(),
                  nullptr);
  return key;
}

}  // namespace

std::optional<StoredValue> stored_value(const std::wstring& dialogClass, const wchar_t* name) {
  UniqueHkey key;
  std::wstring path = test_forms_key() + L"\\" + dialogClass;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS)
    return std::nullopt;
  BYTE data[512] = {};
  DWORD type = 0, size = sizeof data - sizeof(wchar_t);
  if (RegQueryValueExW(key.get(), name, nullptr, &type, data, &size) != ERROR_SUCCESS)
    return std::nullopt;
  StoredValue v;
  v.type = type;
  if (type == REG_DWORD) std::memcpy(&v.number, data, sizeof v.number);
  if (type == REG_SZ) v.text = reinterpret_cast<const wchar_t*>(data);
  return v;
}

void store_number(const std::wstring& dialogClass, const wchar_t* name, DWORD value) {
  UniqueHkey key = create_key(dialogClass);
  RegSetValueExW(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

void store_text(const std::wstring& dialogClass, const wchar_t* name, const std::wstring& value) {
  UniqueHkey key = create_key(dialogClass);
  RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}
