#include "frame/server_factory.h"

#include "base/com_ptr.h"
#include "base/exceptions.h"
#include "base/host_guard.h"
#include "frame/tavrin_server_module.h"

extern "C" HRESULT __stdcall ServerFactory(IClient* client, IServerModule** module) {
  if (module) *module = nullptr;
  return HostGuard([&] {
    TComPtr<IServerModule> created(
        TServerModule::Create<TTavrinServerModule>(client, L"Tavrin")->ServerModuleInterface());
    // Without a place to store it the new module is released, and so destroyed, again.
    if (!module) throw Exception("ServerFactory was given no place for the module");
    *module = created.Detach();
  });
}
