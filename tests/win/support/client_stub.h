#pragma once
// A host client for tests in which every place answers E_NOTIMPL; a test's client derives from it and
// overrides just the places it plays. Reference counting is left to the derived client.

#include <windows.h>

#include "hostapi/i_client.h"

class TClientStub : public IClient {
 public:
  HRESULT __stdcall Unnamed01() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed02() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed03() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed04() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed05() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed06() override { return E_NOTIMPL; }
  HRESULT __stdcall GetApplicationHandle(HWND*) override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed08() override { return E_NOTIMPL; }
  HRESULT __stdcall GetServerModuleCount(int32_t*) override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed10() override { return E_NOTIMPL; }
  HRESULT __stdcall GetCurrentView(IServerView**) override { return E_NOTIMPL; }
  HRESULT __stdcall LookupServerModule(BSTR, IServerModule**) override { return E_NOTIMPL; }
  HRESULT __stdcall HostMainWindow(HWND*) override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed14() override { return E_NOTIMPL; }
  HRESULT __stdcall GetUiManager(IClientUiManager**) override { return E_NOTIMPL; }
  HRESULT __stdcall GetServerModuleAt(int32_t, IServerModule**) override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed18() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed19() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed20() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed21() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed22() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed23() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed24() override { return E_NOTIMPL; }
  HRESULT __stdcall IsShuttingDown(BYTE*) override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed26() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed27() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed28() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed29() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed30() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed31() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed32() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed33() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed34() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed35() override { return E_NOTIMPL; }
  HRESULT __stdcall ShowDocument(IServerDocument*) override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed37() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed38() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed39() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed40() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed41() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed42() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed43() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed44() override { return E_NOTIMPL; }
  HRESULT __stdcall FileForHelpAlias(BSTR, BSTR*) override { return E_NOTIMPL; }
  HRESULT __stdcall QueryDialogFont(DWORD, BYTE*, BSTR*, int32_t*, BYTE*, DWORD*, BYTE*) override {
    return E_NOTIMPL;
  }
  HRESULT __stdcall GetAddressService(IAddressService**) override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed48() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed49() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed50() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed51() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed52() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed53() override { return E_NOTIMPL; }
  HRESULT __stdcall GetSettingsService(ISettingsService**) override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed55() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed56() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed57() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed58() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed59() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed60() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed61() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed62() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed63() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed64() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed65() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed66() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed67() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed68() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed69() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed70() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed71() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed72() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed73() override { return E_NOTIMPL; }
  HRESULT __stdcall GetServerModule(BSTR, IServerModule**) override { return E_NOTIMPL; }
};
