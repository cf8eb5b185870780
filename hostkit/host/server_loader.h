#pragma once
// Loading a server library by name and creating its module through its exported ServerFactory.

#include <windows.h>

#include <string>

#include "base/com_ptr.h"
#include "hostapi/i_client.h"
#include "hostapi/i_server_module.h"

struct TLoadedServer {
  HMODULE Library = nullptr;
  TComPtr<IServerModule> Module;
  HRESULT Status = E_FAIL;
};

// Loads the library, reports failures, and calls ServerFactory(client, out or none).
TLoadedServer LoadServer(const std::wstring& name, IClient* client, bool with_out);
// Hands out the host kit's exports of the PCB module (each may be missing).
void BindPcbModuleExports(HMODULE library);
