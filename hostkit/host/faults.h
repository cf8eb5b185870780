#pragma once
// Fault injection: the n-th call of a chosen operation (or of any) fails with a chosen status, and
// optionally leaves a description in the thread's error information; exports can be removed.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct TFaultRule {
  std::string Operation;  // "IClient.GetCurrentView", "PcbApi_QueryPad", or "*" for any
  int Call = 1;           // the n-th call (1-based) of that operation; 0: every call
  HRESULT Status = E_FAIL;
  std::string Description;  // left as error information when not empty
};

// "OPERATION,N,STATUS[,DESCRIPTION]"; false when the text does not read so.
bool ParseFaultRule(const std::string& text, TFaultRule& rule);

void AddFaultRule(const TFaultRule& rule);
// Counts one call of the operation and answers the status chosen for it (0: proceed). A failing
// answer also sets or clears the thread's error information.
HRESULT InjectedFault(const std::string& operation);
