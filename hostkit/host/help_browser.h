#pragma once
// The host's help browser: the server "HelpBrowser" (the workspace's server for the "PickATask"
// kind) with one document, the help panel's page, and its one view. Server and document navigate to
// compiled help pages (IHelpNavigator); the document tells and compares its address (IHelpAddress).

#include <string>

#include "host_call.h"
#include "hostapi/i_help_navigator.h"
#include "hostapi/i_server_document.h"
#include "hostapi/i_server_module.h"

// Shows a "file.chm::/page.htm" address in the help panel; false for any other address.
bool NavigateHelpPanel(const std::wstring& address);

IServerModule* HelpBrowserModule();
IServerDocument* HelpBrowserDocument();
