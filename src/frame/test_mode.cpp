#include "frame/test_mode.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "base/unique_handle.h"

bool IsTestMode() {
  TUniqueHkey key;
  return RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Quorvel\\TestMode", 0, KEY_ALL_ACCESS,
                       key.Put()) == ERROR_SUCCESS;
}

void WriteTestLine(std::string_view text) {
  std::string line(text);
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
}

void EndProcessForTest(unsigned exit_code) {
  std::fflush(stdout);
  ExitProcess(exit_code);
}
