#pragma once
// From library load to unload every error the plug-in raises first records the thread's error
// information for the host (source: the library's file name; description: the error's message), so
// a host that receives 0x8000FFFF can read what went wrong. A system fault records nothing when it
// is raised inside the plug-in; one that reaches the host boundary records its description there.

void InstallErrorInfoHook();
void RemoveErrorInfoHook();

// What the hook records for an error message (also used by tests).
void RecordErrorInfo(const char* message);
// The library's file name without its folder, as GetModuleFileNameA gives it.
const char* PluginFileName();
