#include "pcb/pcb_server.h"

#include "base/bstr.h"
#include "base/check_host.h"
#include "base/exceptions.h"
#include "base/scope_guard.h"
#include "frame/client_services.h"
#include "frame/guarded_host_call.h"
#include "hostapi/client.h"
#include "hostapi/server_module.h"
#include "pcb/pad_via_records.h"
#include "pcb/pcb_api_wrappers.h"

void GetPcbServerInterface(ComPtr<IPCB_ServerInterface>& server) {
  server.reset();
  ComPtr<IClient> client = GetClient();
  if (!client) return;
  UniqueBstr name(L"PCB");
  ComPtr<IServerModule> module;
  check_host(CallHost([&] { return client->GetServerModule(name.get(), module.put()); }));
  if (!module) return;
  server = module.try_query<IPCB_ServerInterface>(IID_IPCB_ServerInterface);
}

ComPtr<IPCB_ServerInterface> RequirePcbServerInterface() {
  ComPtr<IPCB_ServerInterface> server;
  GetPcbServerInterface(server);
  if (!server) throw Exception("The PCB server is no longer available");
  return server;
}

bool GetPrimitiveInterface(IPCB_ServerInterface* server, uint32_t handle, const GUID& iid,
                           ComPtr<IUnknown>& primitive) {
  primitive.reset();
  BYTE found = 0;
  ComPtr<IUnknown> result;
  check_host(CallHost([&] { return server->GetPrimitiveInterface(handle, &iid, result.put(), &found); }));
  if (!found || !result) return false;
  primitive = std::move(result);
  return true;
}

void ProcessStart(IPCB_ServerInterface* server) {
  check_host(CallHost([&] { return server->ProcessStart(); }));
}
void ProcessEnd(IPCB_ServerInterface* server) {
  check_host(CallHost([&] { return server->ProcessEnd(); }));
}
void BeginModify(IPCB_PrimitiveObject* primitive) {
  check_host(CallHost([&] { return primitive->BeginModify(); }));
}
void EndModify(IPCB_PrimitiveObject* primitive) {
  check_host(CallHost([&] { return primitive->EndModify(); }));
}

bool ModifyPrimitive(uint32_t handle, const std::function<void()>& change) {
  ComPtr<IUnknown> found;
  if (!GetPrimitiveInterface(RequirePcbServerInterface().get(), handle, IID_IPCB_PrimitiveObject,
                             found)) {
    return false;
  }
  // The host hands out the interface of the identifier asked for.
  auto primitive =
      ComPtr<IPCB_PrimitiveObject>::attach(reinterpret_cast<IPCB_PrimitiveObject*>(found.detach()));
  BeginModify(primitive.get());
  auto end = on_scope_exit([&primitive] { EndModify(primitive.get()); });
  change();
  return true;
}

bool WriteHoleSizes(std::span<const THoleSizeWrite> writes) {
  ComPtr<IPCB_ServerInterface> server;
  GetPcbServerInterface(server);
  if (!server) return false;
  server.reset();
  ProcessStart(RequirePcbServerInterface().get());
  auto end = on_scope_exit([] { ProcessEnd(RequirePcbServerInterface().get()); });
  for (const THoleSizeWrite& write : writes) {
    if (write.Handle == 0) continue;
    ModifyPrimitive(write.Handle, [&write] {
      RewriteHoleSize(write.Handle, PcbApi_GetObjectIdFromObjectHandle(write.Handle),
                      write.NewSize);
    });
  }
  return true;
}
