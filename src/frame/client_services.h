#pragma once
// What the plug-in asks of its host client. An empty ClientSlot is no error here: each service then
// does nothing and gives its empty result. A failing status from the host raises (check_host).

#include <windows.h>

#include <cstdint>
#include <string>

#include "base/com_ptr.h"
#include "hostapi/client.h"
#include "hostapi/client_ui_manager.h"
#include "hostapi/server_document.h"
#include "hostapi/settings_service.h"

// The client with a reference of the caller's own, or empty.
ComPtr<IClient> GetClient();
// The host's current view, or empty (also when there is no client).
ComPtr<IServerView> GetCurrentView();
// Runs a host process ("PCB:Zoom") with a parameter buffer of bufferSize bytes the host may write
// into. Raises "Interface not supported" for a client without a process launcher.
void RunHostProcess(const std::string& processName, char* parameters, int32_t bufferSize,
                    IServerView* view);
// The window that owns the plug-in's dialogs; 0 without a client.
HWND HostMainWindow();
// The window of the host's application object; 0 without a client.
HWND HostApplicationWindow();
// Sets the text of a status-bar panel; nothing without a client. Raises when the client gives no
// user-interface manager.
void SetStatusText(int32_t panel, const std::wstring& text);
// The host's user-interface manager; raises when the client has none. Requires a client.
ComPtr<IClientUiManager> GetUiManager();
// The server module of a named host server ("PCB"), or empty.
ComPtr<IServerModule> GetServerModule(const std::wstring& serverName);
// The host's settings service, or empty (also when there is no client).
ComPtr<ISettingsService> GetSettingsService();
// The host's answer to its 25th place: true when external forms are to be freed at once.
bool HostIsShuttingDown();
// The file name the host gives a help alias; empty without a client.
std::wstring FileForHelpAlias(const std::wstring& alias);

// The host's dialog font of a kind (0 for dialogs).
struct THostDialogFont {
  bool Exists = false;
  std::wstring Name;
  int32_t Size = 0;
  uint8_t Style = 0;  // bit 0 bold, 1 italic, 2 underline, 3 strike-out
  uint32_t Colour = 0;
  uint8_t Charset = 0;
};
// Exists is false without a client.
THostDialogFont QueryDialogFont(uint32_t kind);
