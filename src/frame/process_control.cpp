#include "frame/process_control.h"

HRESULT __stdcall TProcessControl::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IUnknown || iid == IID_IProcessControl) {
    *object = static_cast<IProcessControl*>(this);
    return S_OK;
  }
  return E_NOINTERFACE;
}

HRESULT __stdcall TProcessControl::GetProcessDepth(int32_t* depth) {
  if (depth) *depth = ProcessDepth;
  return S_OK;
}

HRESULT __stdcall TProcessControl::DecrementProcessDepth(DWORD, DWORD) {
  // Wraps like the host's own 32-bit counter instead of overflowing into undefined behaviour.
  ProcessDepth = static_cast<int32_t>(static_cast<uint32_t>(ProcessDepth) - 1u);
  return S_OK;
}

HRESULT __stdcall TProcessControl::IncrementProcessDepth(DWORD, DWORD) {
  ProcessDepth = static_cast<int32_t>(static_cast<uint32_t>(ProcessDepth) + 1u);
  return S_OK;
}

HRESULT __stdcall TProcessControl::SetProcessDepth(int32_t depth) {
  ProcessDepth = depth;
  return S_OK;
}
