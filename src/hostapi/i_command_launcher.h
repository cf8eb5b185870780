#pragma once
// How the host runs a server's commands (ICommandLauncher) and keeps its process depth on the module
// (IProcessControl). Conventions: see server_module.h.

#include <windows.h>
#include <unknwn.h>

#include <cstdint>

#include "hostapi/guids.h"

struct IServerView;

struct ICommandLauncher : IUnknown {
  // parameters points into a host buffer of size bytes that a command may write results into.
  virtual HRESULT __stdcall LaunchCommand(const char* command, char* parameters, int32_t size,
                                          IServerView* view) = 0;                   // 1
  virtual HRESULT __stdcall GetCommandState(const char* command, const char* parameters,
                                            IServerView* view, int32_t* value1, int32_t* value2,
                                            int32_t* value3, BYTE* flag1,
                                            BYTE* flag2) = 0;                       // 2
};

struct IProcessControl : IUnknown {
  virtual HRESULT __stdcall GetProcessDepth(int32_t* depth) = 0;                     // 1
  virtual HRESULT __stdcall DecrementProcessDepth(DWORD unused1, DWORD unused2) = 0;  // 2
  virtual HRESULT __stdcall IncrementProcessDepth(DWORD unused1, DWORD unused2) = 0;  // 3
  virtual HRESULT __stdcall SetProcessDepth(int32_t depth) = 0;                      // 4
};
