#pragma once
// The host client handed to every server: IClient with all 73 places (those no caller names answer
// E_NOTIMPL) and, on the same object, the process launcher.

#include <windows.h>

#include "host_call.h"
#include "hostapi/client.h"
#include "hostapi/process_launcher.h"

class THostClient final : public IClient, public IProcessLauncher {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  HOST_STATIC_REFCOUNT

  HRESULT __stdcall GetApplicationHandle(HWND* window) override;
  HRESULT __stdcall GetServerModuleCount(int32_t* count) override;
  HRESULT __stdcall GetCurrentView(IServerView** view) override;
  HRESULT __stdcall LookupServerModule(BSTR serverName, IServerModule** module) override;
  HRESULT __stdcall HostMainWindow(HWND* window) override;
  HRESULT __stdcall GetUiManager(IClientUiManager** manager) override;
  HRESULT __stdcall GetServerModuleAt(int32_t index, IServerModule** module) override;
  HRESULT __stdcall GetServerModule(BSTR serverName, IServerModule** module) override;
  HRESULT __stdcall IsShuttingDown(BYTE* shuttingDown) override;
  HRESULT __stdcall ShowDocument(IServerDocument* document) override;
  HRESULT __stdcall FileForHelpAlias(BSTR alias, BSTR* fileName) override;
  HRESULT __stdcall QueryDialogFont(DWORD kind, BYTE* exists, BSTR* name, int32_t* size,
                                    BYTE* style, DWORD* colour, BYTE* charset) override;
  HRESULT __stdcall GetAddressService(IAddressService** service) override;
  HRESULT __stdcall GetSettingsService(ISettingsService** service) override;

  HRESULT __stdcall CanRunProcess(const char* process, BYTE* available) override;
  HRESULT __stdcall RunProcess(const char* process, char* parameters, int32_t size,
                               IServerView* view) override;

  HRESULT __stdcall Unnamed01() override { return unnamed_operation("IClient.Unnamed01"); }
  HRESULT __stdcall Unnamed02() override { return unnamed_operation("IClient.Unnamed02"); }
  HRESULT __stdcall Unnamed03() override { return unnamed_operation("IClient.Unnamed03"); }
  HRESULT __stdcall Unnamed04() override { return unnamed_operation("IClient.Unnamed04"); }
  HRESULT __stdcall Unnamed05() override { return unnamed_operation("IClient.Unnamed05"); }
  HRESULT __stdcall Unnamed06() override { return unnamed_operation("IClient.Unnamed06"); }
  HRESULT __stdcall Unnamed08() override { return unnamed_operation("IClient.Unnamed08"); }
  HRESULT __stdcall Unnamed10() override { return unnamed_operation("IClient.Unnamed10"); }
  HRESULT __stdcall Unnamed14() override { return unnamed_operation("IClient.Unnamed14"); }
  HRESULT __stdcall Unnamed18() override { return unnamed_operation("IClient.Unnamed18"); }
  HRESULT __stdcall Unnamed19() override { return unnamed_operation("IClient.Unnamed19"); }
  HRESULT __stdcall Unnamed20() override { return unnamed_operation("IClient.Unnamed20"); }
  HRESULT __stdcall Unnamed21() override { return unnamed_operation("IClient.Unnamed21"); }
  HRESULT __stdcall Unnamed22() override { return unnamed_operation("IClient.Unnamed22"); }
  HRESULT __stdcall Unnamed23() override { return unnamed_operation("IClient.Unnamed23"); }
  HRESULT __stdcall Unnamed24() override { return unnamed_operation("IClient.Unnamed24"); }
  HRESULT __stdcall Unnamed26() override { return unnamed_operation("IClient.Unnamed26"); }
  HRESULT __stdcall Unnamed27() override { return unnamed_operation("IClient.Unnamed27"); }
  HRESULT __stdcall Unnamed28() override { return unnamed_operation("IClient.Unnamed28"); }
  HRESULT __stdcall Unnamed29() override { return unnamed_operation("IClient.Unnamed29"); }
  HRESULT __stdcall Unnamed30() override { return unnamed_operation("IClient.Unnamed30"); }
  HRESULT __stdcall Unnamed31() override { return unnamed_operation("IClient.Unnamed31"); }
  HRESULT __stdcall Unnamed32() override { return unnamed_operation("IClient.Unnamed32"); }
  HRESULT __stdcall Unnamed33() override { return unnamed_operation("IClient.Unnamed33"); }
  HRESULT __stdcall Unnamed34() override { return unnamed_operation("IClient.Unnamed34"); }
  HRESULT __stdcall Unnamed35() override { return unnamed_operation("IClient.Unnamed35"); }
  HRESULT __stdcall Unnamed37() override { return unnamed_operation("IClient.Unnamed37"); }
  HRESULT __stdcall Unnamed38() override { return unnamed_operation("IClient.Unnamed38"); }
  HRESULT __stdcall Unnamed39() override { return unnamed_operation("IClient.Unnamed39"); }
  HRESULT __stdcall Unnamed40() override { return unnamed_operation("IClient.Unnamed40"); }
  HRESULT __stdcall Unnamed41() override { return unnamed_operation("IClient.Unnamed41"); }
  HRESULT __stdcall Unnamed42() override { return unnamed_operation("IClient.Unnamed42"); }
  HRESULT __stdcall Unnamed43() override { return unnamed_operation("IClient.Unnamed43"); }
  HRESULT __stdcall Unnamed44() override { return unnamed_operation("IClient.Unnamed44"); }
  HRESULT __stdcall Unnamed48() override { return unnamed_operation("IClient.Unnamed48"); }
  HRESULT __stdcall Unnamed49() override { return unnamed_operation("IClient.Unnamed49"); }
  HRESULT __stdcall Unnamed50() override { return unnamed_operation("IClient.Unnamed50"); }
  HRESULT __stdcall Unnamed51() override { return unnamed_operation("IClient.Unnamed51"); }
  HRESULT __stdcall Unnamed52() override { return unnamed_operation("IClient.Unnamed52"); }
  HRESULT __stdcall Unnamed53() override { return unnamed_operation("IClient.Unnamed53"); }
  HRESULT __stdcall Unnamed55() override { return unnamed_operation("IClient.Unnamed55"); }
  HRESULT __stdcall Unnamed56() override { return unnamed_operation("IClient.Unnamed56"); }
  HRESULT __stdcall Unnamed57() override { return unnamed_operation("IClient.Unnamed57"); }
  HRESULT __stdcall Unnamed58() override { return unnamed_operation("IClient.Unnamed58"); }
  HRESULT __stdcall Unnamed59() override { return unnamed_operation("IClient.Unnamed59"); }
  HRESULT __stdcall Unnamed60() override { return unnamed_operation("IClient.Unnamed60"); }
  HRESULT __stdcall Unnamed61() override { return unnamed_operation("IClient.Unnamed61"); }
  HRESULT __stdcall Unnamed62() override { return unnamed_operation("IClient.Unnamed62"); }
  HRESULT __stdcall Unnamed63() override { return unnamed_operation("IClient.Unnamed63"); }
  HRESULT __stdcall Unnamed64() override { return unnamed_operation("IClient.Unnamed64"); }
  HRESULT __stdcall Unnamed65() override { return unnamed_operation("IClient.Unnamed65"); }
  HRESULT __stdcall Unnamed66() override { return unnamed_operation("IClient.Unnamed66"); }
  HRESULT __stdcall Unnamed67() override { return unnamed_operation("IClient.Unnamed67"); }
  HRESULT __stdcall Unnamed68() override { return unnamed_operation("IClient.Unnamed68"); }
  HRESULT __stdcall Unnamed69() override { return unnamed_operation("IClient.Unnamed69"); }
  HRESULT __stdcall Unnamed70() override { return unnamed_operation("IClient.Unnamed70"); }
  HRESULT __stdcall Unnamed71() override { return unnamed_operation("IClient.Unnamed71"); }
  HRESULT __stdcall Unnamed72() override { return unnamed_operation("IClient.Unnamed72"); }
  HRESULT __stdcall Unnamed73() override { return unnamed_operation("IClient.Unnamed73"); }
};

THostClient& HostClient();
