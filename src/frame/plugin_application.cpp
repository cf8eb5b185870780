#include "frame/plugin_application.h"

#include "forms/application.h"

HWND PluginApplicationWindow() { return Application->Handle(); }

void AdoptHostApplicationWindow(HWND hostWindow) { Application->SetOwnerWindow(hostWindow); }

void RunApplicationIdleStep() { Application->Idle(); }
