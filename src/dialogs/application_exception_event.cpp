#include "dialogs/application_exception_event.h"

#include <windows.h>

#include "base/text_convert.h"
#include "crash/crash_report.h"
#include "dialogs/exception_code_name.h"
#include "dialogs/severe_exception.h"
#include "frame/client_api_bindings.h"
#include "frame/message_boxes.h"
#include "frame/test_mode.h"

void HandleApplicationException(TObject*, Exception& error) {
  if (!IsSevereException(&error)) {
    ShowError(error.Message());
    return;
  }
  const EExternal* external = class_cast<EExternal>(&error);
  // A fault is reported where it happened, any other exception where it was raised.
  uintptr_t address = external ? external->Address() : error.RaiseAddress();
  TCrashRequest request;
  request.Object = &error;
  request.Address = address;
  if (external) {
    request.Code = external->Code();
    request.CodeName = ExceptionCodeName(external->Code());
  }
  request.ThreadId = GetCurrentThreadId();
  request.WithDetails = !IsTestMode();
  std::wstring report = CreateCrashReport(request);
  ClientAPI_SetErrorInfo(ToWide(error.Message()), report, address);
  ClientAPI_HandleException(0);
}

void InstallApplicationExceptionEvent() { Application->OnException = &HandleApplicationException; }

void RemoveApplicationExceptionEvent() { Application->OnException = nullptr; }
