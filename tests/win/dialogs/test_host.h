#pragma once
// Just enough host for the dialog tests: a client whose main window owns the dialogs and whose
// dialog font the tests choose, a user-interface manager that records what it is told, and the
// test program's own ClientAPI_ exports. The host kit is the real host; these keep unit tests
// in one process.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/unique_handle.h"
#include "forms/form.h"
#include "hostapi/client.h"
#include "hostapi/client_ui_manager.h"

class TestUiManager final : public IClientUiManager {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override { return 2; }
  ULONG __stdcall Release() override { return 1; }
#define TEST_UNNAMED(n) \
  HRESULT __stdcall Unnamed##n() override { return E_NOTIMPL; }
  TEST_UNNAMED(01) TEST_UNNAMED(02) TEST_UNNAMED(03) TEST_UNNAMED(04) TEST_UNNAMED(05)
  TEST_UNNAMED(06) TEST_UNNAMED(07) TEST_UNNAMED(08) TEST_UNNAMED(09)
  HRESULT __stdcall SetStatusText(int32_t panel, BSTR text) override;
  HRESULT __stdcall OfferKey(int32_t key, int32_t alt, int32_t shift, int32_t ctrl,
                             BYTE* handled) override;
  HRESULT __stdcall AfterKeyHandled() override;

  std::vector<std::string> log;
  bool takesKeys = false;
};

struct TestDialogFont {
  bool exists = false;
  std::wstring name;
  int32_t size = 0;
  BYTE style = 0;
  DWORD colour = 0;
  BYTE charset = DEFAULT_CHARSET;
};

class TestClient final : public IClient {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override { return 2; }
  ULONG __stdcall Release() override { return 1; }

  HRESULT __stdcall GetApplicationHandle(HWND* window) override;
  HRESULT __stdcall GetServerModuleCount(int32_t*) override { return E_NOTIMPL; }
  HRESULT __stdcall GetCurrentView(IServerView**) override { return E_NOTIMPL; }
  HRESULT __stdcall LookupServerModule(BSTR, IServerModule**) override { return E_NOTIMPL; }
  HRESULT __stdcall HostMainWindow(HWND* window) override;
  HRESULT __stdcall GetUiManager(IClientUiManager** manager) override;
  HRESULT __stdcall GetServerModuleAt(int32_t, IServerModule**) override { return E_NOTIMPL; }
  HRESULT __stdcall GetServerModule(BSTR, IServerModule**) override { return E_NOTIMPL; }
  HRESULT __stdcall IsShuttingDown(BYTE*) override { return E_NOTIMPL; }
  HRESULT __stdcall ShowDocument(IServerDocument*) override { return E_NOTIMPL; }
  HRESULT __stdcall FileForHelpAlias(BSTR, BSTR*) override { return E_NOTIMPL; }
  HRESULT __stdcall QueryDialogFont(DWORD kind, BYTE* exists, BSTR* name, int32_t* size,
                                    BYTE* style, DWORD* colour, BYTE* charset) override;
  HRESULT __stdcall GetAddressService(IAddressService**) override { return E_NOTIMPL; }
  HRESULT __stdcall GetSettingsService(ISettingsService**) override { return E_NOTIMPL; }
  TEST_UNNAMED(01) TEST_UNNAMED(02) TEST_UNNAMED(03) TEST_UNNAMED(04) TEST_UNNAMED(05)
  TEST_UNNAMED(06) TEST_UNNAMED(08) TEST_UNNAMED(10) TEST_UNNAMED(14) TEST_UNNAMED(18)
  TEST_UNNAMED(19) TEST_UNNAMED(20) TEST_UNNAMED(21) TEST_UNNAMED(22) TEST_UNNAMED(23)
  TEST_UNNAMED(24) TEST_UNNAMED(26) TEST_UNNAMED(27) TEST_UNNAMED(28) TEST_UNNAMED(29)
  TEST_UNNAMED(30) TEST_UNNAMED(31) TEST_UNNAMED(32) TEST_UNNAMED(33) TEST_UNNAMED(34)
  TEST_UNNAMED(35) TEST_UNNAMED(37) TEST_UNNAMED(38) TEST_UNNAMED(39) TEST_UNNAMED(40)
  TEST_UNNAMED(41) TEST_UNNAMED(42) TEST_UNNAMED(43) TEST_UNNAMED(44) TEST_UNNAMED(48)
  TEST_UNNAMED(49) TEST_UNNAMED(50) TEST_UNNAMED(51) TEST_UNNAMED(52) TEST_UNNAMED(53)
  TEST_UNNAMED(55) TEST_UNNAMED(56) TEST_UNNAMED(57) TEST_UNNAMED(58) TEST_UNNAMED(59)
  TEST_UNNAMED(60) TEST_UNNAMED(61) TEST_UNNAMED(62) TEST_UNNAMED(63) TEST_UNNAMED(64)
  TEST_UNNAMED(65) TEST_UNNAMED(66) TEST_UNNAMED(67) TEST_UNNAMED(68) TEST_UNNAMED(69)
  TEST_UNNAMED(70) TEST_UNNAMED(71) TEST_UNNAMED(72) TEST_UNNAMED(73)
#undef TEST_UNNAMED

  HWND mainWindow = nullptr;
  TestDialogFont font;
  HRESULT fontStatus = S_OK;
  int fontQueries = 0;
  TestUiManager uiManager;
};

// What the test program's ClientAPI_ exports answer.
struct TestExports {
  BYTE useSystemLocaleLanguage = 0;
  // ClientAPI_UpdateFont puts this face name into every font it is offered and answers 1; empty:
  // it changes nothing and answers 0.
  std::wstring localeFace;
  int updateFontCalls = 0;
};
TestExports& test_exports();

// A visible top-level window standing in for the host's main window.
class HostWindow {
 public:
  HostWindow();
  HWND get() const { return window_.get(); }

 private:
  UniqueHwnd window_;
};

// One test's host: installs the client (or none) and binds the exports; undoes both at the end.
class TestHost {
 public:
  explicit TestHost(bool withClient = true);
  ~TestHost();
  TestHost(const TestHost&) = delete;
  TestHost& operator=(const TestHost&) = delete;

  TestClient client;
  HostWindow mainWindow;
};

// Processes every waiting message.
void pump();
// Runs the form modally; the script runs once from the idle step after the form is on screen (a
// script that does not end the run within a bounded number of idle steps ends it with -1).
TModalResult run_modal_with(TCustomForm& form, std::function<void()> script);
