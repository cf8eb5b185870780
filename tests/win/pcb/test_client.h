#pragma once
// A host client for the PCB layer's tests, where no host application runs: it answers
// GetServerModule with the server module a test gives it (the real "PCB" module of Dralith.dll) or
// with a chosen failing status; every other place answers E_NOTIMPL.

#include <windows.h>

#include <string>

#include "base/bstr.h"
#include "hostapi/i_client.h"
#include "hostapi/i_server_module.h"
#include "tests/win/support/client_stub.h"

class TTestClient final : public TClientStub {
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

  HRESULT __stdcall GetServerModule(BSTR server_name, IServerModule** module) override {
    *module = nullptr;
    ++Lookups;
    if (FAILED(LookupStatus)) return LookupStatus;
    if (Module && BstrText(server_name) == L"PCB") {
      Module->AddRef();
      *module = Module;
    }
    return S_OK;
  }
};
