#include "frame/plugin_application.h"

#include "forms/application.h"

HWND PluginApplicationWindow() { return Application->Handle(); }

void AdoptHostApplicationWindow(HWND host_window) { Application->SetOwnerWindow(host_window); }

void RunApplicationIdleStep() { Application->Idle(); }
