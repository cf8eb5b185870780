#include "dialogs/handler_end.h"

#include "base/host_guard.h"
#include "frame/client_api_bindings.h"

namespace {

HandlerEndHook previous_hook = nullptr;
bool installed = false;

void clear_error_store() {
  ClientAPI_ClearErrorInfo();
  if (previous_hook) previous_hook();
}

}  // namespace

void InstallHandlerEndClearing() {
  if (installed) return;
  previous_hook = set_handler_end_hook(&clear_error_store);
  installed = true;
}

void RemoveHandlerEndClearing() {
  if (!installed) return;
  set_handler_end_hook(previous_hook);
  previous_hook = nullptr;
  installed = false;
}
