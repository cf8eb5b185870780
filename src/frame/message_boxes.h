#pragma once
// The plug-in's message boxes: one OK button, owned by the plug-in's application window, in the
// screen's centre. In test mode they print one line and end the process instead (see test_mode.h).

#include <string>

#include "forms/dialogs/message_dialog.h"

// The framework's message dialog with the kind's icon (error or information), the buttons and the
// title, centred on the screen and run modally. Returns its modal result (OK gives 1).
int ShowDialogWithCaption(const std::string& title, const std::string& message, TMsgDlgType kind,
                          TMsgDlgButtons buttons);
// Title "Error" when empty.
int ShowError(const std::string& message, const std::string& title = {});
// Title "Information" when empty.
int ShowInformation(const std::string& message, const std::string& title = {});
