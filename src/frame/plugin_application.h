#pragma once
// What the frame asks of the plug-in's application object: its window (the owner of the plug-in's
// forms and message boxes, and the target of Idle's wake-up message), adopting the host's
// application window as its owner, and one idle step.

#include <windows.h>

HWND PluginApplicationWindow();
void AdoptHostApplicationWindow(HWND host_window);
// Runs idle handlers and action updates once; when they have nothing more to do it waits for the
// next message, which returns at once when one is queued.
void RunApplicationIdleStep();
