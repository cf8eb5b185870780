// The frame's own steps of library start-up and shut-down.

#include "frame/client_api_bindings.h"
#include "frame/error_info_hook.h"
#include "frame/library_steps.h"

namespace {
void bind_client() {
  BindClientApi();
  BindClientCursorApi();
}

const TLibraryStepRegistration client_step(TLibraryStep::ClientBindings, bind_client, UnbindClientApi);
const TLibraryStepRegistration error_info_step(TLibraryStep::ErrorInfoHook, InstallErrorInfoHook,
                                               RemoveErrorInfoHook);
}  // namespace
