#include "tests/win/dialogs/dialog_fixture.h"

#include <cstring>

#include "base/unique_handle.h"

std::wstring TestRootKey() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "none";
  for (char& c : name)
    if (c == '/') c = '.';
  return L"Software\\TavrinDialogTests\\" + std::wstring(name.begin(), name.end());
}

std::wstring TestFormsKey() { return TestRootKey() + L"\\Plenvik\\Forms"; }

namespace {

TUniqueHkey CreateKey(const std::wstring& dialog_class) {
  TUniqueHkey key;
  std::wstring path = TestFormsKey() + L"\\" + dialog_class;
  RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.Put(),
                  nullptr);
  return key;
}

}  // namespace

std::optional<TStoredValue> ReadStoredValue(const std::wstring& dialog_class, const wchar_t* name) {
  TUniqueHkey key;
  std::wstring path = TestFormsKey() + L"\\" + dialog_class;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.Put()) != ERROR_SUCCESS)
    return std::nullopt;
  BYTE data[512] = {};
  DWORD type = 0, size = sizeof data - sizeof(wchar_t);
  if (RegQueryValueExW(key.get(), name, nullptr, &type, data, &size) != ERROR_SUCCESS)
    return std::nullopt;
  TStoredValue v;
  v.type = type;
  if (type == REG_DWORD) std::memcpy(&v.number, data, sizeof v.number);
  if (type == REG_SZ) v.text = reinterpret_cast<const wchar_t*>(data);
  return v;
}

void StoreNumber(const std::wstring& dialog_class, const wchar_t* name, DWORD value) {
  TUniqueHkey key = CreateKey(dialog_class);
  RegSetValueExW(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

void StoreText(const std::wstring& dialog_class, const wchar_t* name, const std::wstring& value) {
  TUniqueHkey key = CreateKey(dialog_class);
  RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}
