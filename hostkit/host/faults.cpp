#include "faults.h"

#include <oleauto.h>

#include <cstdlib>
#include <map>

#include "base/bstr.h"
#include "base/com_ptr.h"
#include "base/text_convert.h"
#include "host_report.h"
#include "trace.h"

namespace {
std::vector<TFaultRule> rules;
std::map<std::string, int> calls;
int any_calls = 0;
bool numbering = false;

void LeaveErrorInfo(const std::string& description) {
  if (description.empty()) {
    SetErrorInfo(0, nullptr);
    return;
  }
  TComPtr<ICreateErrorInfo> create;
  if (FAILED(CreateErrorInfo(create.Put()))) return;
  TUniqueBstr source(L"TavrinHost"), text(ToWide(description));
  create->SetSource(source.get());
  create->SetDescription(text.get());
  TComPtr<IErrorInfo> info = create.TryQuery<IErrorInfo>(IID_IErrorInfo);
  SetErrorInfo(0, info.get());
}

// Read through a volatile, so the compiler cannot see that the write goes nowhere.
int* volatile g_invalid_address = reinterpret_cast<int*>(0x10);

[[gnu::noinline]] void FaultHere() { *g_invalid_address = 0x1234; }
}  // namespace

bool ParseFaultRule(const std::string& text, TFaultRule& rule) {
  size_t first = text.find(',');
  if (first == std::string::npos || first == 0) return false;
  size_t second = text.find(',', first + 1);
  if (second == std::string::npos) return false;
  size_t third = text.find(',', second + 1);
  rule.Operation = text.substr(0, first);
  std::string call = text.substr(first + 1, second - first - 1);
  std::string status = text.substr(second + 1, third == std::string::npos ? std::string::npos
                                                                          : third - second - 1);
  char* end = nullptr;
  long n = std::strtol(call.c_str(), &end, 10);
  if (call.empty() || *end || n < 0) return false;
  unsigned long s = std::strtoul(status.c_str(), &end, 0);
  if (status.empty() || *end) return false;
  rule.Call = static_cast<int>(n);
  rule.Status = static_cast<HRESULT>(s);
  rule.Description = third == std::string::npos ? std::string() : text.substr(third + 1);
  return true;
}

bool ParseAccessViolationRule(const std::string& text, TFaultRule& rule) {
  size_t comma = text.find(',');
  if (comma == std::string::npos || comma == 0) return false;
  std::string call = text.substr(comma + 1);
  char* end = nullptr;
  long n = std::strtol(call.c_str(), &end, 10);
  if (call.empty() || *end || n < 0) return false;
  rule.Operation = text.substr(0, comma);
  rule.Call = static_cast<int>(n);
  rule.Status = S_OK;
  rule.Description.clear();
  rule.AccessViolation = true;
  return true;
}

void AddFaultRule(const TFaultRule& rule) { rules.push_back(rule); }

HRESULT InjectedFault(std::string_view operation) {
  // Rules come from the command line before any call: without one, nothing needs counting.
  if (rules.empty() && !numbering) return S_OK;
  int n = ++calls[std::string(operation)];
  int any = ++any_calls;
  if (numbering && TraceOpen()) TraceLine("call " + std::to_string(any) + " " + std::string(operation));
  for (const TFaultRule& rule : rules) {
    bool named = rule.Operation == operation;
    bool wildcard = rule.Operation == "*";
    if (!named && !wildcard) continue;
    int count = named ? n : any;
    if (rule.Call == 0 || rule.Call == count) {
      if (rule.AccessViolation) {
        HostReport("access violation injected in " + std::string(operation));
        FaultHere();
      }
      LeaveErrorInfo(rule.Description);
      return rule.Status;
    }
  }
  return S_OK;
}

void SetCallNumbering(bool on) { numbering = on; }

int CountedCalls() { return any_calls; }
