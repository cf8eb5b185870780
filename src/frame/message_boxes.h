#pragma once
// The plug-in's message boxes: one OK button, the host's application window as owner, the screen's
// centre. In test mode they print one line and end the process instead (see test_mode.h).

#include <string>

enum TMessageKind { mkError, mkInformation };
enum TMessageButton { mbOK = 1, mbCancel = 2 };
using TMessageButtons = unsigned;  // a set of TMessageButton bits

// Returns the dialog's modal result (OK gives 1).
int ShowDialogWithCaption(const std::string& title, const std::string& message, TMessageKind kind,
                          TMessageButtons buttons);
// Title "Error" when empty.
int ShowError(const std::string& message, const std::string& title = {});
// Title "Information" when empty.
int ShowInformation(const std::string& message, const std::string& title = {});
