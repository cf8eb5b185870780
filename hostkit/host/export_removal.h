#pragma once
// Hides an export of a loaded module from GetProcAddress without rebuilding it: the export's entry
// in the module's function table is cleared in memory, so a look-up by name finds no address.

#include <windows.h>

// True when the module exports the name and its entry was cleared.
bool RemoveExport(HMODULE module, const char* name);
