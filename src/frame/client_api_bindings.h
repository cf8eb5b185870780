#pragma once
// The flat exports of the host executable, bound once at load. Every call goes through a wrapper
// that checks its slot and gives a fixed default when the host does not export the name.

#include <windows.h>

#include <cstdint>
#include <string>

#include "hostapi/client_api.h"

// Looks up the 135 names in the process's executable unless they are bound already, then stores the
// host client that ClientAPI_GetClientInterface gives in ClientSlot (keeping no reference of its own).
void BindClientApi();
// Looks up ClientAPI_BeginCursor and ClientAPI_EndCursor.
void BindClientCursorApi();
// Forgets every binding (library unload; tests).
void UnbindClientApi();
bool ClientApiBound();
// The bound address of a name of kClientApiNames, nullptr when unbound or not exported.
void* ClientApiAddress(int index);

// The wrappers; the comment gives the default for a missing export.
IClient* ClientAPI_GetClientInterface();              // none; the reference is the caller's
bool ClientAPI_GetPrefUseLuna();                      // false
bool ClientAPI_GetPrefHideFloatingPanels();           // false
void ClientAPI_SetPrefHideFloatingPanels(bool hide);  // nothing
bool ClientAPI_GetUseExternalWebBrowser();            // true
bool ClientAPI_GetIntegratedHelpSystem();             // false
bool ClientAPI_GetUseSystemLocaleLanguage();          // false
bool ClientAPI_GetUseLocalizedDialogs();              // false
ITranslationManager* ClientAPI_GetTranslationManager();  // none; the reference is the caller's
int32_t ClientAPI_UpdateFont(LOGFONTW* font);         // 0
void ClientAPI_SetErrorInfo(const std::wstring& message, const std::wstring& report,
                            uintptr_t address);       // nothing
void ClientAPI_ClearErrorInfo();                      // nothing
void ClientAPI_HandleException(int32_t reserved);     // nothing
void ClientAPI_BeginCursor(int32_t cursor);           // nothing
void ClientAPI_EndCursor();                           // nothing
