#pragma once
// How a dialog finds and shows help. Topics are named after components ("Dlg_" + name) and mapped to
// help contexts by the ID files beside the help files: Tavrin.chm with Tavrin.id for the dialogs,
// Tavrinwth.hlp with Tavrinwth.id for the what's-this popups of their controls. Topics are shown
// through the host: its help advisor (dynamic help), its integrated viewer or its knowledge centre.

#include <windows.h>

#include <string>

#include "base/string_list.h"
#include "dialogs/help_id_list.h"
#include "forms/form_types.h"

class TControl;
class TFormWithHelp;

// The dialog help file: the library's file name with ".chm", located with the help folders.
std::wstring DialogHelpFile();
// The what's-this help file beside it: "…\Tavrinwth.hlp".
std::wstring WhatsThisHelpFile();
// The master what's-this file, shown at context 1 when a dialog has no topic at all.
std::wstring MasterWhatsThisFile();
// Tests name the help file after themselves instead of the library (empty: the library's name).
void SetHelpFileNameForTest(const std::wstring& file_name);

// The help context of a key (0: none) in the ID file of help_file, loading the lists from it when
// the ID list is empty. With a prefix the topic is "Dlg_" + prefix + "_" + key. A key that is an
// alias leads into the help file the host names for it: topic and help_file then are that file's.
int LookupHelpContext(const std::string& key, const std::string& prefix, std::string& topic,
                      std::wstring& help_file, THelpIdList& ids, TStrings& aliases);
// The help context of an alias ("PCB:Zoom" → key "PCB_Zoom" in the file the host names for it).
int ResolveHelpAlias(const std::string& alias, std::string& topic, std::wstring& help_file);

// Shows a topic page of a compiled help file: dynamically in the host's help advisor, else in its
// integrated viewer when it has one, else in its knowledge centre.
void ShowHelpTopic(const std::wstring& help_file, const std::string& topic, bool dynamic);
// Asks the host's help advisor to show an address ("file.chm::/topic.htm").
void ShowDynamicHelp(const std::string& address, bool force_update);
// The address of a topic page in a compiled help file; a file without a folder is located with
// the help folders.
std::string HelpTopicAddress(const std::wstring& help_file, const std::string& topic);
// HTML Help's entry: command 0 (show a topic) goes to the host's knowledge centre instead; others
// to "HHCtrl.ocx", loaded on first use (-1 when it cannot be).
int CallHtmlHelp(HWND window, const std::wstring& file, UINT command, const std::string& data);
// Frees the HTML Help library if it was loaded (library end).
void FreeHtmlHelp();
// The what's-this popup of a context at a screen position, with the host's floating panels kept
// visible meanwhile (its preference is put back afterwards, also when WinHelp fails).
void ShowPopupHelpAt(HWND window, POINT position, const std::wstring& file, int context);

// A help key pressed with Shift, Ctrl or Alt goes to the host's user-interface manager; when the
// host takes it, it is told so. Nothing happens without a client.
void OfferHelpKeyToHost(WORD key, TShiftState shift);
// The what's-this popup for the window under a help request, at the request's mouse position.
void ShowWhatsThisPopup(TFormWithHelp& form, HWND window, POINT position);
// The host's help advisor follows the user: it shows the topic of the control (the dialog itself
// when it opens) when the form finds a help context for it.
void ShowDynamicHelpFor(TFormWithHelp& form, TControl* control);

// Dynamic help for the control under a hint: the hint-show event of the plug-in's application.
void ShowDynamicHelpForHint(TControl* control);
// The application's hint-show event and the toolkit's link handlers; undone with HTML Help freed.
void InstallDialogHelp();
void RemoveDialogHelp();
