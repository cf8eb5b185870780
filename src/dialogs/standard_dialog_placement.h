#pragma once
// Standard dialogs (open file, font) open centred on the monitor of the active form. On Windows 6
// and later the parameterless run step (hook point CommonDialogExecuteHook) runs the dialog with a
// hidden TRedirectorWindow as its parent, which centres it. On older Windows the run step notes the
// dialog monitor and the framework's open-file hook procedure (hook point OpenDialogHookProc,
// found with a TFakeDialog) centres the dialog when it has been made.

#include <windows.h>

enum class TDialogPlacementPath { Redirector, HookProcedure };

// Redirector on Windows 6 and later, the hook procedure on older Windows.
TDialogPlacementPath DialogPlacementPathForSystem();

// False when the hook-procedure path finds no hook procedure: then nothing was installed, and
// the font dialog keeps its own placement too.
bool InstallStandardDialogPlacement(TDialogPlacementPath path);
void RemoveStandardDialogPlacement();

// The monitor the next standard dialog is centred on.
HMONITOR DialogMonitor();
void SetDialogMonitor(HMONITOR monitor);
