#pragma once
// Opening the address of a help link the way the host would: web addresses in the system's browser,
// PDF pages in Acrobat, addresses a host document already shows by bringing it forward, files the
// host can open through its address service, and anything else in the host's help browser. Host
// failures raise (CheckHost).

#include <string>

#include "base/com_ptr.h"
#include "hostapi/i_server_document.h"

// True when the address was handed to an opener that took it.
bool OpenHelpDocument(const std::wstring& address);
// The system's web browser for web addresses, else the navigator of the host's "PickATask" server.
bool OpenInHelpBrowser(const std::wstring& address);
// True when the host lets the system's browser open web addresses and this is one (http, https,
// ftp); the browser was then asked to open it.
bool OpenInExternalBrowser(const std::wstring& address);

// The text that identifies what a view shows; empty without a view or owner document.
std::wstring ViewAddress(IServerView* view);
// The first view of any host server's documents that shows the address, or empty.
TComPtr<IServerView> FindViewShowingAddress(const std::wstring& address);
