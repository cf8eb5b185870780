#include "test_mode_key.h"

#include <windows.h>

void SetTestModeKey(bool present) {
  if (present) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Quorvel\\TestMode", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS)
      RegCloseKey(key);
  } else {
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Quorvel\\TestMode");
  }
}
