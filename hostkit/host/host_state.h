#pragma once
// What the host application holds while it runs: its options, its windows, the loaded servers and
// the PCB module's host-kit exports. One instance, owned by main.

#include <windows.h>

#include <string>

#include "../bridge/host_bridge.h"
#include "base/com_ptr.h"
#include "host_options.h"
#include "hostapi/i_server_module.h"

struct TPcbModuleExports {
  HostKitPcb_OpenBoardProc OpenBoard = nullptr;
  HostKitPcb_SaveBoardProc SaveBoard = nullptr;
  HostKitPcb_SetDocumentKindProc SetDocumentKind = nullptr;
  HostKitPcb_PaintProc Paint = nullptr;
  HostKitPcb_SetEditorWindowProc SetEditorWindow = nullptr;
  HostKitPcb_UndoProc Undo = nullptr;
  HostKitPcb_RedoProc Redo = nullptr;
  HostKitPcb_CallTicksProc CallTicks = nullptr;
  HostKitPcb_CheckBracketsClosedProc CheckBracketsClosed = nullptr;
};

struct THostState {
  THostOptions Options;
  std::wstring SettingsFile;      // the host kit's settings file (may not exist)
  HWND ApplicationWindow = nullptr;
  HWND MainWindow = nullptr;
  HWND StatusBar = nullptr;
  HWND ViewWindow = nullptr;      // the board view inside the main window
  HMODULE PcbLibrary = nullptr;
  TComPtr<IServerModule> PcbModule;
  TPcbModuleExports Pcb;
  HMODULE PluginLibrary = nullptr;
  TComPtr<IServerModule> PluginModule;
  int DocumentKind = 0;           // 0 none, 1 other, 2 pcb
};

THostState& Host();

// A value of the host kit's settings file ([section] key), or the default.
std::wstring HostSetting(const wchar_t* section, const wchar_t* key, const wchar_t* fallback);
int HostSettingInt(const wchar_t* section, const wchar_t* key, int fallback);
