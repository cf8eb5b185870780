#include "dialogs/exception_conversion.h"

#include <windows.h>

#include <new>

#include "base/host_guard.h"
#include "base/text_convert.h"
#include "crash/crash_report.h"
#include "dialogs/exception_code_name.h"
#include "base/fault_guard.h"
#include "frame/client_api_bindings.h"
#include "frame/test_mode.h"

namespace {

decltype(ExceptionConversionHook)::TRoutine previous_hook;
bool installed = false;

std::wstring ReportFor(const Exception* object, uint32_t code, const std::string& message,
                        uintptr_t address) {
  TCrashRequest request;
  request.Object = object;
  request.Message = message;
  if (const auto* external = dynamic_cast<const EExternal*>(object)) code = external->Code();
  request.Code = code;
  // Codes without a name of their own show only their digits.
  std::string name = code ? ExceptionCodeName(code) : std::string();
  request.CodeName = name.starts_with("Error (") ? std::string() : name;
  request.Address = address;
  request.ThreadId = GetCurrentThreadId();
  request.WithDetails = !IsTestMode();
  return CreateCrashReport(request);
}

void ConversionHook(const std::exception_ptr& caught) {
  ReportCaughtException(caught);
  if (previous_hook) previous_hook(caught);
  else ExceptionConversionHook.Underlying(caught);
}

}  // namespace

std::unique_ptr<Exception> MapFaultRecord(const TExceptionRecord& record) {
  // Only processor faults have exception classes; other system codes stay without an object.
  if ((record.Code & 0xF0000000u) != 0xC0000000u) return nullptr;
  switch (record.Code) {
    case 0xC0000005: case 0xC0000006: case 0xC0000008: case 0xC0000017: case 0xC000001D:
    case 0xC0000025: case 0xC0000026: case 0xC000008C: case 0xC000008D: case 0xC000008E:
    case 0xC000008F: case 0xC0000090: case 0xC0000091: case 0xC0000092: case 0xC0000093:
    case 0xC0000094: case 0xC0000095: case 0xC0000096: case 0xC00000FD:
      break;
    default:
      return nullptr;
  }
  TFaultRecord fault;
  fault.Code = record.Code;
  fault.Address = record.Address;
  try {
    std::rethrow_exception(FaultException(fault));
  } catch (EAccessViolation& e) {
    return std::make_unique<EAccessViolation>(e);
  } catch (EExternal& e) {
    return std::make_unique<EExternal>(e);
  }
}

void ReportExceptionRecord(const TExceptionRecord& record, const TRecordMapping& mapping) {
  std::string message;
  uintptr_t address = record.Address;
  std::wstring report;
  const Exception* object = dynamic_cast<const Exception*>(record.Object);
  if (record.Code == kLanguageExceptionCode && object) {
    message = object->Message();
    address = record.RaiseAddress;
    report = ReportFor(object, 0, message, address);
  } else {
    bool made = false;
    // Whatever goes wrong here, a fault included, ends in the fallback below.
    std::exception_ptr failed = RunGuarded([&] {
      std::unique_ptr<Exception> mapped = mapping ? mapping(record) : nullptr;
      if (!mapped) return;
      std::string mapped_message = mapped->Message();
      report = ReportFor(mapped.get(), 0, mapped_message, record.Address);
      message = mapped_message;
      address = record.Address;
      made = true;
    });
    if (failed) made = false;
    if (!made) {
      message = ExceptionCodeName(record.Code);
      address = record.Address;
      report = ReportFor(nullptr, record.Code, message, address);
    }
  }
  ClientAPI_SetErrorInfo(ToWide(message), report, address);
}

void ReportCaughtException(const std::exception_ptr& caught) {
  if (!caught) return;
  TExceptionRecord record;
  record.Code = kLanguageExceptionCode;
  try {
    std::rethrow_exception(caught);
  } catch (const EExternal& e) {
    record.Object = &e;
    record.RaiseAddress = e.Address();
    ReportExceptionRecord(record);
  } catch (const Exception& e) {
    record.Object = &e;
    record.RaiseAddress = e.RaiseAddress();
    ReportExceptionRecord(record);
  } catch (const std::bad_alloc&) {
    const EOutOfMemory wrapped("Out of memory");
    record.Object = &wrapped;
    ReportExceptionRecord(record);
  } catch (const std::exception& e) {
    const Exception wrapped(e.what());
    record.Object = &wrapped;
    ReportExceptionRecord(record);
  } catch (...) {
    // Not an object of ours: only the code is known.
    ReportExceptionRecord(record);
  }
}

void InstallExceptionConversion() {
  if (installed) return;
  previous_hook = ExceptionConversionHook.Replacement();
  ExceptionConversionHook.Install(&ConversionHook);
  installed = true;
}

void RemoveExceptionConversion() {
  if (!installed) return;
  if (previous_hook) ExceptionConversionHook.Install(previous_hook);
  else ExceptionConversionHook.Remove();
  previous_hook = nullptr;
  installed = false;
}
