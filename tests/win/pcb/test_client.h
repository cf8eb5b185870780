#pragma once
// A host client for the PCB layer's tests, where no host application runs: it answers
// GetServerModule with the server module a test gives it (the real "PCB" module of Dralith.dll) or
// with a chosen failing status; every other place answers E_NOTIMPL.

#include <windows.h>

#include <string>

#include "base/bstr.h"
#include "hostapi/client.h"
#include "hostapi/server_module.h"

class TestClient final : public IClient {
 public:
  IServerModule* Module = nullptr;  // handed out for the name "PCB"; not owned
  HRESULT LookupStatus = S_OK;      // a failing status makes GetServerModule fail
  int Lookups = 0;

  HRESULT __stdcall QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IClient) return E_NOINTERFACE;
    *out = static_cast<IClient*>(this);
    return S_OK;
  }
  // Lives on the test's stack: counts are not kept.
  ULONG __stdcall AddRef() override { return 2; }
  ULONG __stdcall Release() override { return 1; }

  HRESULT __stdcall GetServerModule(BSTR serverName, IServerModule** module) override {
    *module = nullptr;
    ++Lookups;
    if (FAILED(LookupStatus)) return LookupStatus;
    if (Module && bstr_text(serverName) == L"PCB") {
      Module->AddRef();
      *module = Module;
    }
    return S_OK;
  }

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
};
