// The library's load and unload. Start-up runs before the host calls anything, in the order of
// TLibraryStep (client bindings, millimetre precision, PCB module binding, dialog framework, error
// information); unload undoes it in reverse. The one export, ServerFactory, lives in the frame.

#include <windows.h>

#include "base/host_guard.h"
#include "frame/library_steps.h"
#include "frame/server_factory.h"
#include "pcb/pcb_api_binding.h"

TAVRIN_DEFINE_RAISE_WRAPPER()

namespace {
// The PCB module's exports are bound at load, after the millimetre precision.
const TLibraryStepRegistration PcbBindingStep(TLibraryStep::PcbBinding, BindPcbApi, nullptr);
}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      DisableThreadLibraryCalls(instance);
      RunLibraryStart();
      break;
    case DLL_PROCESS_DETACH:
      // At process end the host and the other libraries may be gone already; undo only on unload.
      if (!reserved) RunLibraryEnd();
      break;
    default:
      break;
  }
  return TRUE;
}
