#pragma once
// The font dialog opens centred on the monitor of the active window: after the framework's own
// handling of WM_INITDIALOG in its hook procedure (hook point FontDialogHookProc).

void InstallFontDialogPlacement();
void RemoveFontDialogPlacement();
