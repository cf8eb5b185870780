#include "test_mode_key.h"

#include <windows.h>

namespace {
const wchar_t kTestModeKey[] = L"Software\\Quorvel\\TestMode";
}

void SetTestModeKey(bool present) {
  if (present) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kTestModeKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) == ERROR_SUCCESS)
      RegCloseKey(key);
  } else {
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kTestModeKey);
  }
}
