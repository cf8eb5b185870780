#pragma once
// The plug-in-wide slots. Neither holds a counted reference: the host keeps its client alive for the
// library's whole life, and the module keeps itself alive through the host's reference.

#include "hostapi/i_client.h"
#include "hostapi/i_server_module.h"

class TServerModule;

// The host client. Written at library load and again by module creation; never cleared by the module.
extern IClient* ClientSlot;

struct TModuleSlot {
  TServerModule* Module = nullptr;
  IServerModule* Interface = nullptr;
};
// Set during module creation, cleared at the end of module destruction.
extern TModuleSlot ModuleSlot;
