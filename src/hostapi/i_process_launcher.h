#pragma once
// The host's process launcher, found on the client object by interface query. A process name is a
// server name, ":" and a process name ("PCB:Zoom"). Conventions: see server_module.h.

#include <windows.h>
#include <unknwn.h>

#include <cstdint>

#include "hostapi/guids.h"

struct IServerView;

struct IProcessLauncher : IUnknown {
  virtual HRESULT __stdcall CanRunProcess(const char* process, BYTE* available) = 0;  // 1 unnamed
  // The host may write results into parameters, up to size bytes (size 0: it writes nothing).
  virtual HRESULT __stdcall RunProcess(const char* process, char* parameters, int32_t size,
                                       IServerView* view) = 0;                      // 2
};
