#include "crash/crash_report.h"

#include <windows.h>
#include <tlhelp32.h>
#include <unwind.h>

#include <cstdio>
#include <exception>
#include <functional>
#include <memory>

#include "base/exceptions.h"
#include "base/text_convert.h"
#include "base/unique_handle.h"
#include "base/fault_guard.h"

#ifndef TAVRIN_VERSION
#define TAVRIN_VERSION "unknown"
#endif
#ifndef TAVRIN_BUILD
#define TAVRIN_BUILD "unknown"
#endif

namespace {

// Runs one gathering step; a failure or fault ends the gathering with what failed.
bool Gather(TCrashReportFacts& facts, const char* step, const std::function<void()>& fn) {
  if (!facts.Incomplete.empty()) return false;
  std::exception_ptr failed = RunGuarded(fn);
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
    modules.push_back({ToAnsi(entry.szModule), reinterpret_cast<uintptr_t>(entry.modBaseAddr), entry.modBaseSize});
  CloseHandle(snapshot);
  return modules;
}

std::vector<uintptr_t> TCrashFactsSource::Stack() {
  // The plug-in is built without frame pointers; its unwind tables know every frame of ours.
  struct TWalk {
    std::vector<uintptr_t> frames;
  } walk;
  _Unwind_Backtrace(
      [](_Unwind_Context* context, void* data) -> _Unwind_Reason_Code {
        auto* w = static_cast<TWalk*>(data);
        uintptr_t ip = _Unwind_GetIP(context);
        if (!ip || w->frames.size() >= 62) return _URC_END_OF_STACK;
        w->frames.push_back(ip);
        return _URC_NO_REASON;
      },
      &walk);
  return walk.frames;
}

std::string TCrashFactsSource::WindowsVersion() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  OSVERSIONINFOEXW info{};
  info.dwOSVersionInfoSize = sizeof info;
  using TGetVersionProc = LONG(WINAPI*)(OSVERSIONINFOEXW*);
  auto rtl_get_version = ntdll ? reinterpret_cast<TGetVersionProc>(
                                     reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                               : nullptr;
  if (!rtl_get_version || rtl_get_version(&info) != 0) throw Exception("the system gave no version");
  char text[96];
  std::snprintf(text, sizeof text, "%lu.%lu build %lu", info.dwMajorVersion, info.dwMinorVersion,
                info.dwBuildNumber);
  std::string version = text;
  if (info.szCSDVersion[0]) version += " " + ToAnsi(info.szCSDVersion);
  using TWineVersionProc = const char*(CDECL*)();
  if (auto wine = reinterpret_cast<TWineVersionProc>(
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
  Gather(facts, "exception", [&] {
    if (!request.Object) return;
    facts.ExceptionClass = request.Object->ClassName();
    facts.Message = request.Object->Message();
    if (auto* external = dynamic_cast<const EExternal*>(request.Object); external && !facts.Code)
      facts.Code = external->Code();
  });
  // Modules are read also without details: they name the exception address.
  Gather(facts, "modules", [&] { facts.Modules = source.Modules(); });
  Gather(facts, "Windows version", [&] { facts.WindowsVersion = source.WindowsVersion(); });
  // Sections that were not gathered are left out rather than shown empty.
  // A fault brings the stack it was read at; anything else gets the stack of the report.
  if (request.WithDetails && !Gather(facts, "call stack", [&] {
        auto* external = dynamic_cast<const EExternal*>(request.Object);
        facts.Stack = external && !external->Stack().empty() ? external->Stack() : source.Stack();
      }))
    facts.WithDetails = false;
  std::wstring report;
  std::exception_ptr failed = RunGuarded([&] { report = ToWide(ComposeCrashReportText(facts)); });
  if (failed) report = L"Tavrin crash report\r\nReport incomplete: the report text could not be composed\r\n";
  return report;
}
