#pragma once
// The common shape of every host operation a server calls: count the call for fault injection,
// answer an injected status at once, and write one trace line with the arguments and the status.

#include <windows.h>

#include <string>

#include "faults.h"
#include "trace.h"

class THostCall {
 public:
  // operation: "IClient.GetCurrentView"; arguments: the text between the parentheses.
  THostCall(const char* operation, std::string arguments)
      : operation_(operation), arguments_(std::move(arguments)), injected_(InjectedFault(operation)) {}
  // The injected status, 0 when the call is to proceed.
  HRESULT Injected() const { return injected_; }
  // Writes the trace line and gives back the status; results is appended after it.
  HRESULT Done(HRESULT status, const std::string& results = {}) {
    std::string line = operation_ + "(" + arguments_ + ") -> " + TraceStatus(status);
    if (!results.empty()) line += " " + results;
    TraceLine(line);
    return status;
  }

 private:
  std::string operation_;
  std::string arguments_;
  HRESULT injected_;
};

// The answer of a place no caller names.
inline HRESULT UnnamedOperation(const char* operation) {
  THostCall call(operation, "");
  return call.Done(call.Injected() ? call.Injected() : E_NOTIMPL);
}

// Counted objects that live as long as the host (the count is kept for tests, nothing is freed).
#define HOST_STATIC_REFCOUNT                                        \
  ULONG __stdcall AddRef() override { return ++references_; }       \
  ULONG __stdcall Release() override { return --references_; }      \
  ULONG references_ = 1;
