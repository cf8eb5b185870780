#pragma once
// The benchmarks' way into the real Dralith.dll beside them: loaded by name, its board opener found.

#include <windows.h>

#include <cstdio>

#include "hostkit/bridge/host_bridge.h"

// The module's HostKitPcb_OpenBoard, or null after saying on standard error what is missing.
inline HostKitPcb_OpenBoardProc LoadDralithBoardOpener() {
  HMODULE module = LoadLibraryW(L"Dralith.dll");
  if (!module) {
    std::fprintf(stderr, "Dralith.dll is not beside the benchmark\n");
    return nullptr;
  }
  auto open = reinterpret_cast<HostKitPcb_OpenBoardProc>(
      reinterpret_cast<void*>(GetProcAddress(module, "HostKitPcb_OpenBoard")));
  if (!open) std::fprintf(stderr, "Dralith.dll has no HostKitPcb_OpenBoard\n");
  return open;
}
