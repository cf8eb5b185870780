#pragma once
// The host client: the one object through which a server library reaches its host. 73 operations
// after IUnknown's, in slot order. The places no caller of ours names are placeholders
// (UnnamedNN, no arguments): they exist so that the named ones sit at their places, and a host may
// answer them E_NOTIMPL. Conventions: see server_module.h.

#include <windows.h>
#include <unknwn.h>

#include <cstdint>

#include "hostapi/guids.h"

struct IServerModule;
struct IServerView;
struct IServerDocument;
struct IClientUiManager;
struct IAddressService;
struct ISettingsService;

struct IClient : IUnknown {
  virtual HRESULT __stdcall Unnamed01() = 0;
  virtual HRESULT __stdcall Unnamed02() = 0;
  virtual HRESULT __stdcall Unnamed03() = 0;
  virtual HRESULT __stdcall Unnamed04() = 0;
  virtual HRESULT __stdcall Unnamed05() = 0;
  virtual HRESULT __stdcall Unnamed06() = 0;
  // 7: the window of the host's application object
  virtual HRESULT __stdcall GetApplicationHandle(HWND* window) = 0;
  virtual HRESULT __stdcall Unnamed08() = 0;
  // 9
  virtual HRESULT __stdcall GetServerModuleCount(int32_t* count) = 0;
  virtual HRESULT __stdcall Unnamed10() = 0;
  // 11: the view the user works in, or empty
  virtual HRESULT __stdcall GetCurrentView(IServerView** view) = 0;
  // 12
  virtual HRESULT __stdcall LookupServerModule(BSTR server_name, IServerModule** module) = 0;
  // 13: the window that owns the plug-in's dialogs
  virtual HRESULT __stdcall HostMainWindow(HWND* window) = 0;
  virtual HRESULT __stdcall Unnamed14() = 0;
  // 15
  virtual HRESULT __stdcall GetUiManager(IClientUiManager** manager) = 0;
  // 16
  virtual HRESULT __stdcall GetServerModuleAt(int32_t index, IServerModule** module) = 0;
  // 17: the module of a named server ("PCB"), or empty
  virtual HRESULT __stdcall GetServerModule(BSTR server_name, IServerModule** module) = 0;
  virtual HRESULT __stdcall Unnamed18() = 0;
  virtual HRESULT __stdcall Unnamed19() = 0;
  virtual HRESULT __stdcall Unnamed20() = 0;
  virtual HRESULT __stdcall Unnamed21() = 0;
  virtual HRESULT __stdcall Unnamed22() = 0;
  virtual HRESULT __stdcall Unnamed23() = 0;
  virtual HRESULT __stdcall Unnamed24() = 0;
  // 25: unnamed; true: external forms are freed at once
  virtual HRESULT __stdcall IsShuttingDown(BYTE* shutting_down) = 0;
  virtual HRESULT __stdcall Unnamed26() = 0;
  virtual HRESULT __stdcall Unnamed27() = 0;
  virtual HRESULT __stdcall Unnamed28() = 0;
  virtual HRESULT __stdcall Unnamed29() = 0;
  virtual HRESULT __stdcall Unnamed30() = 0;
  virtual HRESULT __stdcall Unnamed31() = 0;
  virtual HRESULT __stdcall Unnamed32() = 0;
  virtual HRESULT __stdcall Unnamed33() = 0;
  virtual HRESULT __stdcall Unnamed34() = 0;
  virtual HRESULT __stdcall Unnamed35() = 0;
  // 36
  virtual HRESULT __stdcall ShowDocument(IServerDocument* document) = 0;
  virtual HRESULT __stdcall Unnamed37() = 0;
  virtual HRESULT __stdcall Unnamed38() = 0;
  virtual HRESULT __stdcall Unnamed39() = 0;
  virtual HRESULT __stdcall Unnamed40() = 0;
  virtual HRESULT __stdcall Unnamed41() = 0;
  virtual HRESULT __stdcall Unnamed42() = 0;
  virtual HRESULT __stdcall Unnamed43() = 0;
  virtual HRESULT __stdcall Unnamed44() = 0;
  // 45
  virtual HRESULT __stdcall FileForHelpAlias(BSTR alias, BSTR* file_name) = 0;
  // 46: style: bit 0 bold, 1 italic, 2 underline, 3 strike-out
  virtual HRESULT __stdcall QueryDialogFont(DWORD kind, BYTE* exists, BSTR* name, int32_t* size, BYTE* style,
                                           DWORD* colour, BYTE* charset) = 0;
  // 47
  virtual HRESULT __stdcall GetAddressService(IAddressService** service) = 0;
  virtual HRESULT __stdcall Unnamed48() = 0;
  virtual HRESULT __stdcall Unnamed49() = 0;
  virtual HRESULT __stdcall Unnamed50() = 0;
  virtual HRESULT __stdcall Unnamed51() = 0;
  virtual HRESULT __stdcall Unnamed52() = 0;
  virtual HRESULT __stdcall Unnamed53() = 0;
  // 54
  virtual HRESULT __stdcall GetSettingsService(ISettingsService** service) = 0;
  virtual HRESULT __stdcall Unnamed55() = 0;
  virtual HRESULT __stdcall Unnamed56() = 0;
  virtual HRESULT __stdcall Unnamed57() = 0;
  virtual HRESULT __stdcall Unnamed58() = 0;
  virtual HRESULT __stdcall Unnamed59() = 0;
  virtual HRESULT __stdcall Unnamed60() = 0;
  virtual HRESULT __stdcall Unnamed61() = 0;
  virtual HRESULT __stdcall Unnamed62() = 0;
  virtual HRESULT __stdcall Unnamed63() = 0;
  virtual HRESULT __stdcall Unnamed64() = 0;
  virtual HRESULT __stdcall Unnamed65() = 0;
  virtual HRESULT __stdcall Unnamed66() = 0;
  virtual HRESULT __stdcall Unnamed67() = 0;
  virtual HRESULT __stdcall Unnamed68() = 0;
  virtual HRESULT __stdcall Unnamed69() = 0;
  virtual HRESULT __stdcall Unnamed70() = 0;
  virtual HRESULT __stdcall Unnamed71() = 0;
  virtual HRESULT __stdcall Unnamed72() = 0;
  virtual HRESULT __stdcall Unnamed73() = 0;
};
