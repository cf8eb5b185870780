#pragma once
// The binding to the PCB editor module's flat exports. The plug-in never loads Dralith.dll itself:
// it looks the library up among the modules of the host process and resolves every export name into
// the entry table. While the library is not there the table stays empty and binding is tried again
// at the next wrapper call, so a host that loads its PCB module late is picked up.

#include <windows.h>

#include "hostapi/pcb_api.h"

// The module handle of Dralith.dll, 0 while it was not found. It doubles as the bound flag.
extern HMODULE PcbApiModule;

void BindPcbApi();
void EnsurePcbApiBound();

// The entry point bound to a slot; null when the export is missing or nothing is bound.
void* PcbApiEntry(TPcbApiSlot slot);

// Forgets the module and empties every slot, as at load. The plug-in never unbinds; test benches do
// when they unload and reload the module within one process.
void ResetPcbApiBinding();
