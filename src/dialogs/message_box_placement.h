#pragma once
// Message boxes open centred on the monitor of the active window, whatever placement their creator
// asked for; in test mode a message box writes "Running modal dialog CLASS CAPTION" and ends the
// process with exit code 1 instead. Installed on the hook point ShowingChangedHook; every other
// form, and every form being hidden, gets the framework's own handling.

#include "base/object.h"

void InstallMessageBoxPlacement();
void RemoveMessageBoxPlacement();
// The class of the framework's message boxes found at installation, or none.
const TClassInfo* MessageDialogClass();
