#pragma once
// What the plug-in asks of its host client. An empty ClientSlot is no error here: each service then
// does nothing and gives its empty result. A failing status from the host raises (CheckHost).

#include <windows.h>

#include <cstdint>
#include <string>

#include "base/com_ptr.h"
#include "hostapi/i_client.h"
#include "hostapi/i_client_ui_manager.h"
#include "hostapi/i_server_document.h"
#include "hostapi/i_settings_service.h"

// The client with a reference of the caller's own, or empty.
TComPtr<IClient> GetClient();
// The host's current view, or empty (also when there is no client).
TComPtr<IServerView> GetCurrentView();
// Runs a host process ("PCB:Zoom") with a parameter buffer of bufferSize bytes the host may write
// into. Raises "Interface not supported" for a client without a process launcher.
void RunHostProcess(const std::string& process_name, char* parameters, int32_t buffer_size,
                    IServerView* view);
// The window that owns the plug-in's dialogs; 0 without a client.
HWND HostMainWindow();
// The window of the host's application object; 0 without a client.
HWND HostApplicationWindow();
// Sets the text of a status-bar panel; nothing without a client. Raises when the client gives no
// user-interface manager.
void SetStatusText(int32_t panel, const std::wstring& text);
// The host's user-interface manager; raises when the client has none. Requires a client.
TComPtr<IClientUiManager> GetUiManager();
// The server module of a named host server ("PCB"), or empty.
TComPtr<IServerModule> GetServerModule(const std::wstring& server_name);
// The host's settings service, or empty (also when there is no client).
TComPtr<ISettingsService> GetSettingsService();
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
