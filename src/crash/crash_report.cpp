#include "crash/crash_report.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <exception>
#include <functional>
#include <memory>

#include "base/exceptions.h"
#include "base/text_convert.h"
#include "base/unique_handle.h"
#include "forms/fault_guard.h"

#ifndef TAVRIN_VERSION
#define TAVRIN_VERSION "unknown"
#endif
#ifndef TAVRIN_BUILD
#define TAVRIN_BUILD "unknown"
#endif

namespace {

std::string file_part(const std::wstring& path) {
  size_t slash = path.find_last_of(L"\\/:");
  return to_ansi(slash == std::wstring::npos ? path : path.substr(slash + 1));
}

// Runs one gathering step; a failure or fault ends the gathering with what failed.
bool gather(TCrashReportFacts& facts, const char* step, const std::function<void()>& fn) {
  if (!facts.Incomplete.empty()) return false;
  std::exception_ptr failed = run_guarded(fn);
  if (!failed) return true;
  std::string reason;
  try {
    std::rethrow_exception(failed);
  } catch (const std::exception& e) {
    reason = e.what();
  } catch (...) {
    reason = "unknown failure";
  }
  facts.Incomplete = std::string(step) + " failed: " + reason;
  return false;
}

}  // namespace

std::vector<TCrashModule> TCrashFactsSource::Modules() {
  std::vector<TCrashModule> modules;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0);
  if (snapshot == INVALID_HANDLE_VALUE) throw EOSError("no module snapshot", GetLastError());
  MODULEENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Module32FirstW(snapshot, &entry); more; more = Module32NextW(snapshot, &entry))
    modules.push_back({to_ansi(entry.szModule), reinterpret_cast<uintptr_t>(entry.modBaseAddr), entry.modBaseSize});
  CloseHandle(snapshot);
  return modules;
}

std::vector<uintptr_t> TCrashFactsSource::Stack() {
  void* frames[62];
  // The first two frames are this step and its caller inside the report.
  USHORT count = RtlCaptureStackBackTrace(2, 62, frames, nullptr);
  std::vector<uintptr_t> stack;
  for (USHORT i = 0; i < count; ++i) stack.push_back(reinterpret_cast<uintptr_t>(frames[i]));
  return stack;
}

std::string TCrashFactsSource::WindowsVersion() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  OSVERSIONINFOEXW info{};
  info.dwOSVersionInfoSize = sizeof info;
  using GetVersionProc = LONG(WINAPI*)(OSVERSIONINFOEXW*);
  auto rtl_get_version = ntdll ? reinterpret_cast<GetVersionProc>(
                                     reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                               : nullptr;
  if (!rtl_get_version || rtl_get_version(&info) != 0) throw Exception("the system gave no version");
  char text[96];
  std::snprintf(text, sizeof text, "%lu.%lu build %lu", info.dwMajorVersion, info.dwMinorVersion,
                info.dwBuildNumber);
  std::string version = text;
  if (info.szCSDVersion[0]) version += " " + to_ansi(info.szCSDVersion);
  using WineVersionProc = const char*(CDECL*)();
  if (auto wine = reinterpret_cast<WineVersionProc>(
          reinterpret_cast<void*>(GetProcAddress(ntdll, "wine_get_version"))))
    version += std::string(" (Wine ") + wine() + ")";
  return version;
}

std::wstring CreateCrashReport(const TCrashRequest& request) {
  TCrashFactsSource source;
  return CreateCrashReport(request, source);
}

std::wstring CreateCrashReport(const TCrashRequest& request, TCrashFactsSource& source) {
  TCrashReportFacts facts;
  facts.Address = request.Address;
  facts.ThreadId = request.ThreadId;
  facts.WithDetails = request.WithDetails;
  facts.PluginVersion = TAVRIN_VERSION;
  facts.PluginBuild = TAVRIN_BUILD;
  facts.Code = request.Code;
  facts.Message = request.Message;
  facts.CodeName = request.CodeName;
  gather(facts, "exception", [&] {
    if (!request.Object) return;
    facts.ExceptionClass = request.Object->ClassName();
    facts.Message = request.Object->Message();
    if (auto* external = dynamic_cast<const EExternal*>(request.Object)) facts.Code = external->Code();
  });
  // Modules are read also without details: they name the exception address.
  gather(facts, "modules", [&] { facts.Modules = source.Modules(); });
  gather(facts, "Windows version", [&] { facts.WindowsVersion = source.WindowsVersion(); });
  if (request.WithDetails) gather(facts, "call stack", [&] { facts.Stack = source.Stack(); });
  std::wstring report;
  std::exception_ptr failed = run_guarded([&] { report = to_wide(ComposeCrashReportText(facts)); });
  if (failed) report = L"Tavrin crash report\r\nReport incomplete: the report text could not be composed\r\n";
  return report;
}
