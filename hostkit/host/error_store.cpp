#include "error_store.h"

#include <cstdio>

#include "base/text_convert.h"
#include "host_report.h"
#include "host_state.h"
#include "trace.h"

namespace {

struct TErrorStore {
  bool Set = false;
  std::wstring Message;
  std::wstring Report;
  DWORD Address = 0;
};

TErrorStore store;
int reports_written = 0;

std::wstring HostFolderFile(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  size_t slash = folder.find_last_of(L"\\/");
  folder = slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash + 1);
  return folder + name;
}

}  // namespace

void StoreErrorInfo(const std::wstring& message, const std::wstring& report, DWORD address) {
  store = {true, message, report, address};
}

void ClearStoredErrorInfo() { store = TErrorStore(); }

std::wstring NextCrashReportPath() {
  const std::wstring& board = Host().Options.Board;
  std::wstring base = board.empty() ? HostFolderFile(L"TavrinHost") : board;
  int n = reports_written + 1;
  return base + (n == 1 ? L".crash.txt" : L".crash-" + std::to_wstring(n) + L".txt");
}

void HandleStoredException() {
  if (!store.Set) {
    HostReport("exception handled without error information");
    return;
  }
  char address[16];
  std::snprintf(address, sizeof address, "0x%08lX", static_cast<unsigned long>(store.Address));
  HostReport("exception: " + ToAnsi(store.Message) + " at " + address);
  std::wstring path = NextCrashReportPath();
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (!file) {
    HostReport("crash report not written: cannot create " + ToAnsi(path));
    return;
  }
  std::string text = ToAnsi(store.Report);
  size_t written = std::fwrite(text.data(), 1, text.size(), file);
  bool closed = std::fclose(file) == 0;
  if (written != text.size() || !closed) {
    HostReport("crash report not written completely: " + ToAnsi(path));
    return;
  }
  ++reports_written;
  HostReport("crash report written to " + ToAnsi(path));
}
