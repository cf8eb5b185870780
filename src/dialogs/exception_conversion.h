#pragma once
// The host boundary's conversion of an exception into a status describes the exception to the
// host's error store first (ClientAPI_SetErrorInfo with message, crash report and address). Installed
// on the boundary's conversion hook from library start to end.

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>

#include "base/exceptions.h"

// The code of exceptions raised by the plug-in's own language runtime (an exception object).
constexpr uint32_t kLanguageExceptionCode = 0x0EEDFADE;

// An exception as the conversion sees it.
struct TExceptionRecord {
  uint32_t Code = 0;
  uint32_t Flags = 0;
  uintptr_t Address = 0;
  // For kLanguageExceptionCode: where it was raised and the object (may be none).
  uintptr_t RaiseAddress = 0;
  const TObject* Object = nullptr;
};

// The runtime's mapping from a system exception record to an exception object; none when it has
// no object for the code.
using TRecordMapping = std::function<std::unique_ptr<Exception>(const TExceptionRecord&)>;
// Processor faults get their EExternal-derived object; other codes none.
std::unique_ptr<Exception> MapFaultRecord(const TExceptionRecord& record);

// Describes the exception to the host's error store. A failure while making an object from a
// system record falls back to the code's name.
void ReportExceptionRecord(const TExceptionRecord& record, const TRecordMapping& mapping = &MapFaultRecord);
// The record of a caught exception (what the conversion hook receives).
void ReportCaughtException(const std::exception_ptr& caught);

void InstallExceptionConversion();
void RemoveExceptionConversion();
