#include "dialogs/handler_end.h"

#include "base/host_guard.h"
#include "frame/client_api_bindings.h"

namespace {

THandlerEndHook previous_hook = nullptr;
bool installed = false;

void ClearErrorStore() {
  ClientAPI_ClearErrorInfo();
  if (previous_hook) previous_hook();
}

}  // namespace

void InstallHandlerEndClearing() {
  if (installed) return;
  previous_hook = SetHandlerEndHook(&ClearErrorStore);
  installed = true;
}

void RemoveHandlerEndClearing() {
  if (!installed) return;
  SetHandlerEndHook(previous_hook);
  previous_hook = nullptr;
  installed = false;
}
