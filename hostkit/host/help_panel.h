#pragma once
// The host's help panel ("Knowledge Center"), docked at the right of the main window. The help
// advisor process ("HelpAdvisor:ShowDynamicHelp", "Address=file.chm::/page.htm") loads a page of a
// compiled help file into it; "Client:CustomizeResources" with "Id=KnowledgeCenter" shows it.

#include <windows.h>

#include <string>

void CreateHelpPanel(HWND main_window);
// Loads the page of a "file.chm::/page.htm" address; the page stays there until the next one.
void ShowHelpAddress(const std::string& address);
void ShowHelpPanel();
bool HelpPanelVisible();
// Width the panel takes from the main window's client area (0 while hidden).
int HelpPanelWidth();
void LayoutHelpPanel(int left, int height);
// The address shown and the panel's text (for traces and tests).
const std::string& HelpPanelAddress();
std::string HelpPanelText();
