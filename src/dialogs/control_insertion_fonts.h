#pragma once
// A control inserted into a form that takes the host's fonts (a TFormWithHelp) gets the host's
// dialog font, also when it is inserted after the layout was read. Installed on the hook point
// ControlInsertedHook. Server dialogs do this themselves when their control-change notification
// reports the insertion, so they are left to it: one place applies the fonts per form.

void InstallControlInsertionFonts();
void RemoveControlInsertionFonts();
