#include "dialogs/handler_end.h"

#include "base/host_guard.h"
#include "frame/client_api_bindings.h"

namespace {

decltype(ExceptionHandlerEndHook)::TRoutine previous_hook;
bool installed = false;

void ClearErrorStore() {
  ClientAPI_ClearErrorInfo();
  if (previous_hook) previous_hook();
  else ExceptionHandlerEndHook.Underlying();
}

}  // namespace

void InstallHandlerEndClearing() {
  if (installed) return;
  previous_hook = ExceptionHandlerEndHook.Replacement();
  ExceptionHandlerEndHook.Install(&ClearErrorStore);
  installed = true;
}

void RemoveHandlerEndClearing() {
  if (!installed) return;
  if (previous_hook) ExceptionHandlerEndHook.Install(previous_hook);
  else ExceptionHandlerEndHook.Remove();
  previous_hook = nullptr;
  installed = false;
}
