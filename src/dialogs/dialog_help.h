#pragma once
// How help requests of a dialog reach the host. The topic lookups in the help files' ID files are
// not in place yet: every lookup finds no topic, so topic help and what's-this popups show
// nothing, while the keys and requests are already routed as they will be.

#include <windows.h>

#include <string>

#include "forms/form_types.h"

class TControl;
class TFormWithHelp;

// A help key pressed with Shift, Ctrl or Alt goes to the host's user-interface manager; when the
// host takes it, it is told so. Nothing happens without a client.
void OfferHelpKeyToHost(WORD key, TShiftState shift);

// The what's-this popup for the window under a help request, at the request's mouse position.
void ShowWhatsThisPopup(TFormWithHelp& form, HWND window, POINT position);

// The host's help advisor follows the user: it shows the topic of the control (the dialog itself
// when it opens) when the form finds a help context for it.
void ShowDynamicHelpFor(TFormWithHelp& form, TControl* control);

// Asks the host's help advisor to show an address ("file.chm::/topic.htm").
void ShowDynamicHelp(const std::string& address, bool force_update);
// The address of a topic page in a compiled help file; a file without a folder is located with
// the help folders.
std::string HelpTopicAddress(const std::wstring& help_file, const std::string& topic);
