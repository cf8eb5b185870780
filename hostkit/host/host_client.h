#pragma once
// The host client handed to every server: IClient with all 73 places (those no caller names answer
// E_NOTIMPL) and, on the same object, the process launcher.

#include <windows.h>

#include "host_call.h"
#include "hostapi/i_client.h"
#include "hostapi/i_process_launcher.h"

class THostClient final : public IClient, public IProcessLauncher {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  HOST_STATIC_REFCOUNT

  HRESULT __stdcall GetApplicationHandle(HWND* window) override;
  HRESULT __stdcall GetServerModuleCount(int32_t* count) override;
  HRESULT __stdcall GetCurrentView(IServerView** view) override;
  HRESULT __stdcall LookupServerModule(BSTR server_name, IServerModule** module) override;
  HRESULT __stdcall HostMainWindow(HWND* window) override;
  HRESULT __stdcall GetUiManager(IClientUiManager** manager) override;
  HRESULT __stdcall GetServerModuleAt(int32_t index, IServerModule** module) override;
  HRESULT __stdcall GetServerModule(BSTR server_name, IServerModule** module) override;
  HRESULT __stdcall IsShuttingDown(BYTE* shutting_down) override;
  HRESULT __stdcall ShowDocument(IServerDocument* document) override;
  HRESULT __stdcall FileForHelpAlias(BSTR alias, BSTR* file_name) override;
  HRESULT __stdcall QueryDialogFont(DWORD kind, BYTE* exists, BSTR* name, int32_t* size,
                                    BYTE* style, DWORD* colour, BYTE* charset) override;
  HRESULT __stdcall GetAddressService(IAddressService** service) override;
  HRESULT __stdcall GetSettingsService(ISettingsService** service) override;

  HRESULT __stdcall CanRunProcess(const char* process, BYTE* available) override;
  HRESULT __stdcall RunProcess(const char* process, char* parameters, int32_t size,
                               IServerView* view) override;

  HRESULT __stdcall Unnamed01() override { return UnnamedOperation("IClient.Unnamed01"); }
  HRESULT __stdcall Unnamed02() override { return UnnamedOperation("IClient.Unnamed02"); }
  HRESULT __stdcall Unnamed03() override { return UnnamedOperation("IClient.Unnamed03"); }
  HRESULT __stdcall Unnamed04() override { return UnnamedOperation("IClient.Unnamed04"); }
  HRESULT __stdcall Unnamed05() override { return UnnamedOperation("IClient.Unnamed05"); }
  HRESULT __stdcall Unnamed06() override { return UnnamedOperation("IClient.Unnamed06"); }
  HRESULT __stdcall Unnamed08() override { return UnnamedOperation("IClient.Unnamed08"); }
  HRESULT __stdcall Unnamed10() override { return UnnamedOperation("IClient.Unnamed10"); }
  HRESULT __stdcall Unnamed14() override { return UnnamedOperation("IClient.Unnamed14"); }
  HRESULT __stdcall Unnamed18() override { return UnnamedOperation("IClient.Unnamed18"); }
  HRESULT __stdcall Unnamed19() override { return UnnamedOperation("IClient.Unnamed19"); }
  HRESULT __stdcall Unnamed20() override { return UnnamedOperation("IClient.Unnamed20"); }
  HRESULT __stdcall Unnamed21() override { return UnnamedOperation("IClient.Unnamed21"); }
  HRESULT __stdcall Unnamed22() override { return UnnamedOperation("IClient.Unnamed22"); }
  HRESULT __stdcall Unnamed23() override { return UnnamedOperation("IClient.Unnamed23"); }
  HRESULT __stdcall Unnamed24() override { return UnnamedOperation("IClient.Unnamed24"); }
  HRESULT __stdcall Unnamed26() override { return UnnamedOperation("IClient.Unnamed26"); }
  HRESULT __stdcall Unnamed27() override { return UnnamedOperation("IClient.Unnamed27"); }
  HRESULT __stdcall Unnamed28() override { return UnnamedOperation("IClient.Unnamed28"); }
  HRESULT __stdcall Unnamed29() override { return UnnamedOperation("IClient.Unnamed29"); }
  HRESULT __stdcall Unnamed30() override { return UnnamedOperation("IClient.Unnamed30"); }
  HRESULT __stdcall Unnamed31() override { return UnnamedOperation("IClient.Unnamed31"); }
  HRESULT __stdcall Unnamed32() override { return UnnamedOperation("IClient.Unnamed32"); }
  HRESULT __stdcall Unnamed33() override { return UnnamedOperation("IClient.Unnamed33"); }
  HRESULT __stdcall Unnamed34() override { return UnnamedOperation("IClient.Unnamed34"); }
  HRESULT __stdcall Unnamed35() override { return UnnamedOperation("IClient.Unnamed35"); }
  HRESULT __stdcall Unnamed37() override { return UnnamedOperation("IClient.Unnamed37"); }
  HRESULT __stdcall Unnamed38() override { return UnnamedOperation("IClient.Unnamed38"); }
  HRESULT __stdcall Unnamed39() override { return UnnamedOperation("IClient.Unnamed39"); }
  HRESULT __stdcall Unnamed40() override { return UnnamedOperation("IClient.Unnamed40"); }
  HRESULT __stdcall Unnamed41() override { return UnnamedOperation("IClient.Unnamed41"); }
  HRESULT __stdcall Unnamed42() override { return UnnamedOperation("IClient.Unnamed42"); }
  HRESULT __stdcall Unnamed43() override { return UnnamedOperation("IClient.Unnamed43"); }
  HRESULT __stdcall Unnamed44() override { return UnnamedOperation("IClient.Unnamed44"); }
  HRESULT __stdcall Unnamed48() override { return UnnamedOperation("IClient.Unnamed48"); }
  HRESULT __stdcall Unnamed49() override { return UnnamedOperation("IClient.Unnamed49"); }
  HRESULT __stdcall Unnamed50() override { return UnnamedOperation("IClient.Unnamed50"); }
  HRESULT __stdcall Unnamed51() override { return UnnamedOperation("IClient.Unnamed51"); }
  HRESULT __stdcall Unnamed52() override { return UnnamedOperation("IClient.Unnamed52"); }
  HRESULT __stdcall Unnamed53() override { return UnnamedOperation("IClient.Unnamed53"); }
  HRESULT __stdcall Unnamed55() override { return UnnamedOperation("IClient.Unnamed55"); }
  HRESULT __stdcall Unnamed56() override { return UnnamedOperation("IClient.Unnamed56"); }
  HRESULT __stdcall Unnamed57() override { return UnnamedOperation("IClient.Unnamed57"); }
  HRESULT __stdcall Unnamed58() override { return UnnamedOperation("IClient.Unnamed58"); }
  HRESULT __stdcall Unnamed59() override { return UnnamedOperation("IClient.Unnamed59"); }
  HRESULT __stdcall Unnamed60() override { return UnnamedOperation("IClient.Unnamed60"); }
  HRESULT __stdcall Unnamed61() override { return UnnamedOperation("IClient.Unnamed61"); }
  HRESULT __stdcall Unnamed62() override { return UnnamedOperation("IClient.Unnamed62"); }
  HRESULT __stdcall Unnamed63() override { return UnnamedOperation("IClient.Unnamed63"); }
  HRESULT __stdcall Unnamed64() override { return UnnamedOperation("IClient.Unnamed64"); }
  HRESULT __stdcall Unnamed65() override { return UnnamedOperation("IClient.Unnamed65"); }
  HRESULT __stdcall Unnamed66() override { return UnnamedOperation("IClient.Unnamed66"); }
  HRESULT __stdcall Unnamed67() override { return UnnamedOperation("IClient.Unnamed67"); }
  HRESULT __stdcall Unnamed68() override { return UnnamedOperation("IClient.Unnamed68"); }
  HRESULT __stdcall Unnamed69() override { return UnnamedOperation("IClient.Unnamed69"); }
  HRESULT __stdcall Unnamed70() override { return UnnamedOperation("IClient.Unnamed70"); }
  HRESULT __stdcall Unnamed71() override { return UnnamedOperation("IClient.Unnamed71"); }
  HRESULT __stdcall Unnamed72() override { return UnnamedOperation("IClient.Unnamed72"); }
  HRESULT __stdcall Unnamed73() override { return UnnamedOperation("IClient.Unnamed73"); }
};

THostClient& HostClient();
