#pragma once
// The crash report of a severe exception: the one call the exception routing makes. It gathers the
// facts (crash_report_text.h) on the calling thread and never raises: a step that fails, or faults,
// ends the report with one line saying which.

#include <cstdint>
#include <string>
#include <vector>

#include "crash/crash_report_text.h"

class Exception;

struct TCrashRequest {
  int Kind = 0;                       // 0: a report for the host's error store
  const Exception* Object = nullptr;  // none for a system exception without an object
  uint32_t Code = 0;                  // the system exception code, when there is no object
  std::string Message;                // the message, when there is no object
  std::string CodeName;               // the name of the code ("Access Violation"), if it has one
  uintptr_t Address = 0;              // where the exception was raised
  uint32_t ThreadId = 0;
  bool WithDetails = true;            // gather the call stack and the module list
};

// Where the facts come from; tests replace steps to make them fail.
class TCrashFactsSource {
 public:
  virtual ~TCrashFactsSource() = default;
  virtual std::vector<TCrashModule> Modules();
  virtual std::vector<uintptr_t> Stack();
  virtual std::string WindowsVersion();
};

std::wstring CreateCrashReport(const TCrashRequest& request);
std::wstring CreateCrashReport(const TCrashRequest& request, TCrashFactsSource& source);
