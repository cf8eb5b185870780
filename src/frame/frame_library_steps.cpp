// The frame's own steps of library start-up and shut-down.

#include "frame/client_api_bindings.h"
#include "frame/error_info_hook.h"
#include "frame/library_steps.h"

namespace {
void BindClient() {
  BindClientApi();
  BindClientCursorApi();
}

const TLibraryStepRegistration ClientStep(TLibraryStep::ClientBindings, BindClient, UnbindClientApi);
const TLibraryStepRegistration ErrorInfoStep(TLibraryStep::ErrorInfoHook, InstallErrorInfoHook,
                                               RemoveErrorInfoHook);
}  // namespace
