#include "pcb/pcb_server.h"

#include <exception>

#include "base/bstr.h"
#include "base/check_host.h"
#include "base/exceptions.h"
#include "base/scope_guard.h"
#include "frame/client_services.h"
#include "frame/guarded_host_call.h"
#include "hostapi/i_client.h"
#include "hostapi/i_server_module.h"

void GetPcbServerInterface(TComPtr<IPCB_ServerInterface>& server) {
  server.reset();
  TComPtr<IClient> client = GetClient();
  if (!client) return;
  TUniqueBstr name(L"PCB");
  TComPtr<IServerModule> module;
  CheckHost(CallHost([&] { return client->GetServerModule(name.get(), module.Put()); }));
  if (!module) return;
  server = module.TryQuery<IPCB_ServerInterface>(IID_IPCB_ServerInterface);
}

TComPtr<IPCB_ServerInterface> RequirePcbServerInterface() {
  TComPtr<IPCB_ServerInterface> server;
  GetPcbServerInterface(server);
  if (!server) throw Exception("The PCB server is no longer available");
  return server;
}

bool GetPrimitiveInterface(IPCB_ServerInterface* server, uint32_t handle, const GUID& iid,
                           TComPtr<IUnknown>& primitive) {
  primitive.reset();
  BYTE found = 0;
  TComPtr<IUnknown> result;
  CheckHost(CallHost([&] { return server->GetPrimitiveInterface(handle, &iid, result.Put(), &found); }));
  if (!found || !result) return false;
  primitive = std::move(result);
  return true;
}

void ProcessStart(IPCB_ServerInterface* server) {
  CheckHost(CallHost([&] { return server->ProcessStart(); }));
}
void ProcessEnd(IPCB_ServerInterface* server) {
  CheckHost(CallHost([&] { return server->ProcessEnd(); }));
}

void EndProcessOn(TComPtr<IPCB_ServerInterface>& started) {
  TComPtr<IPCB_ServerInterface> kept = std::move(started);
  TComPtr<IPCB_ServerInterface> server;
  std::exception_ptr lookup_failed;
  try {
    server = RequirePcbServerInterface();
  } catch (...) {
    if (!kept) throw;
    lookup_failed = std::current_exception();
    server = std::move(kept);
  }
  ProcessEnd(server.get());
  if (lookup_failed) std::rethrow_exception(lookup_failed);
}
void BeginModify(IPCB_PrimitiveObject* primitive) {
  CheckHost(CallHost([&] { return primitive->BeginModify(); }));
}
void EndModify(IPCB_PrimitiveObject* primitive) {
  CheckHost(CallHost([&] { return primitive->EndModify(); }));
}

bool ModifyPrimitive(uint32_t handle, const std::function<void()>& change) {
  TComPtr<IUnknown> found;
  if (!GetPrimitiveInterface(RequirePcbServerInterface().get(), handle, IID_IPCB_PrimitiveObject,
                             found)) {
    return false;
  }
  // The host hands out the interface of the identifier asked for.
  auto primitive =
      TComPtr<IPCB_PrimitiveObject>::Attach(reinterpret_cast<IPCB_PrimitiveObject*>(found.Detach()));
  BeginModify(primitive.get());
  auto end = OnScopeExit([&primitive] { EndModify(primitive.get()); });
  change();
  return true;
}
