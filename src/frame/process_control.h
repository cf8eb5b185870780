#pragma once
// The counter of nested host processes that the host keeps on the module (IProcessControl). Nothing
// in the plug-in reads it. Lives as long as its module; its interface counts no references.

#include <windows.h>

#include <cstdint>

#include "frame/interfaced_object_no_ref.h"
#include "hostapi/i_command_launcher.h"

class TProcessControl : public TInterfacedObjectNoRef, public IProcessControl {
  TAVRIN_CLASS(TProcessControl, TInterfacedObjectNoRef)
 public:
  explicit TProcessControl(int32_t depth = 0) : ProcessDepth(depth) {}

  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override { return 0; }
  ULONG __stdcall Release() override { return 0; }
  HRESULT __stdcall GetProcessDepth(int32_t* depth) override;
  HRESULT __stdcall DecrementProcessDepth(DWORD, DWORD) override;
  HRESULT __stdcall IncrementProcessDepth(DWORD, DWORD) override;
  HRESULT __stdcall SetProcessDepth(int32_t depth) override;

  // No bounds: decrementing below zero goes negative.
  int32_t ProcessDepth;
};
