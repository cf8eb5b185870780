#include "pcb/pcb_api_binding.h"

HMODULE PcbApiModule = nullptr;

namespace {
void* entries[kPcbApiNameCount];
}

void BindPcbApi() {
  PcbApiModule = GetModuleHandleA("Dralith.dll");
  for (int i = 0; i < kPcbApiNameCount; ++i) {
    entries[i] = PcbApiModule
                     ? reinterpret_cast<void*>(GetProcAddress(PcbApiModule, kPcbApiNames[i]))
                     : nullptr;
  }
}

void EnsurePcbApiBound() {
  if (!PcbApiModule) BindPcbApi();
}

void* PcbApiEntry(TPcbApiSlot slot) { return entries[static_cast<int>(slot)]; }

void ResetPcbApiBinding() {
  PcbApiModule = nullptr;
  for (void*& entry : entries) entry = nullptr;
}
