#pragma once
// The library's one export: creates the module "Tavrin" for the host's client.

#include "hostapi/i_client.h"
#include "hostapi/i_server_module.h"

extern "C" HRESULT __stdcall ServerFactory(IClient* client, IServerModule** module);
