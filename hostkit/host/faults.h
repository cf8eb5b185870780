#pragma once
// Fault injection: the n-th call of a chosen operation (or of any) fails with a chosen status, and
// optionally leaves a description in the thread's error information; exports can be removed.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TFaultRule {
  std::string Operation;  // "IClient.GetCurrentView", "PcbApi_QueryPad", or "*" for any
  int Call = 1;           // the n-th call (1-based) of that operation; 0: every call
  HRESULT Status = E_FAIL;
  std::string Description;  // left as error information when not empty
  // The call does not answer at all: it faults with an access violation inside the host.
  bool AccessViolation = false;
};

// "OPERATION,N,STATUS[,DESCRIPTION]"; false when the text does not read so.
bool ParseFaultRule(const std::string& text, TFaultRule& rule);
// "OPERATION,N": the n-th call of the operation faults with an access violation.
bool ParseAccessViolationRule(const std::string& text, TFaultRule& rule);

void AddFaultRule(const TFaultRule& rule);
// Counts one call of the operation and answers the status chosen for it (0: proceed). A failing
// answer also sets or clears the thread's error information. A rule for an access violation
// writes to an invalid address right here, inside the host's operation.
HRESULT InjectedFault(std::string_view operation);

// Numbers every call of the session, rules or none: each counted call writes "call K OPERATION" to
// the trace before its own line, and CountedCalls gives the number so far. A fault sweep records a
// session this way and then fails or faults "*,K" for every K up to that number.
void SetCallNumbering(bool on);
int CountedCalls();
