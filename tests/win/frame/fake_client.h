#pragma once
// A host client for the frame's unit tests: records the calls the frame makes, in order, and
// answers what a test sets up. Just enough host for one unit; the host kit is the real one.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "base/bstr.h"
#include "hostapi/i_client.h"
#include "hostapi/i_client_ui_manager.h"
#include "hostapi/i_command_launcher.h"
#include "hostapi/i_process_launcher.h"
#include "hostapi/i_server_document.h"
#include "hostapi/i_settings_service.h"
#include "tests/win/support/client_stub.h"

// Leaves a description in the thread's error information, as a failing host does; null clears it.
void LeaveHostError(const wchar_t* description);

class TFakeView final : public IServerView {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override { return ++references; }
  ULONG __stdcall Release() override { return --references; }
  HRESULT __stdcall Unnamed01() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed02() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed03() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed04() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed05() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed06() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed07() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed08() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed09() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed10() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed11() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed12() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed15() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed16() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed17() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed18() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed20() override { return E_NOTIMPL; }
  HRESULT __stdcall GetViewName(BSTR*) override { return E_NOTIMPL; }
  HRESULT __stdcall GetViewParameters(BSTR*) override { return E_NOTIMPL; }
  HRESULT __stdcall GetOwnerDocument(IServerDocument**) override { return E_NOTIMPL; }
  HRESULT __stdcall UpdateAfterCommand() override;

  std::vector<std::string>* log = nullptr;
  HRESULT update_status = S_OK;
  ULONG references = 1;
};

class TFakeDocument final : public IServerDocument {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override { return ++references; }
  ULONG __stdcall Release() override { return --references; }
  HRESULT __stdcall Unnamed01() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed02() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed03() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed04() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed05() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed06() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed07() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed08() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed09() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed12() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed13() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed14() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed15() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed16() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed17() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed18() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed19() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed21() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed22() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed23() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed24() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed25() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed26() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed27() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed29() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed30() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed31() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed32() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed33() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed34() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed35() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed36() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed37() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed38() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed39() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed40() override { return E_NOTIMPL; }
  HRESULT __stdcall GetViewCount(int32_t*) override { return E_NOTIMPL; }
  HRESULT __stdcall GetFileName(BSTR*) override { return E_NOTIMPL; }
  HRESULT __stdcall GetView(int32_t, IServerView**) override { return E_NOTIMPL; }
  HRESULT __stdcall BeforeDestroy() override {
    ++before_destroy_calls;
    return before_destroy_status;
  }

  HRESULT before_destroy_status = S_OK;
  int before_destroy_calls = 0;
  ULONG references = 1;
};

class TFakeUiManager final : public IClientUiManager {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override { return ++references; }
  ULONG __stdcall Release() override { return --references; }
  HRESULT __stdcall Unnamed01() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed02() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed03() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed04() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed05() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed06() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed07() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed08() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed09() override { return E_NOTIMPL; }
  HRESULT __stdcall SetStatusText(int32_t panel, BSTR text) override;
  HRESULT __stdcall OfferKey(int32_t, int32_t, int32_t, int32_t, BYTE*) override { return E_NOTIMPL; }
  HRESULT __stdcall AfterKeyHandled() override { return E_NOTIMPL; }

  std::vector<std::string>* log = nullptr;
  HRESULT status = S_OK;
  ULONG references = 1;
};

class TFakeSettingsStore final : public ISettingsStore {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override { return ++references; }
  ULONG __stdcall Release() override { return --references; }
  HRESULT __stdcall ReadInteger(BSTR section, BSTR key, int32_t default_value,
                                int32_t* value) override;
  HRESULT __stdcall WriteInteger(BSTR, BSTR, int32_t) override { return E_NOTIMPL; }
  HRESULT __stdcall ReadString(BSTR, BSTR, BSTR, BSTR*) override { return E_NOTIMPL; }
  HRESULT __stdcall WriteString(BSTR, BSTR, BSTR) override { return E_NOTIMPL; }

  std::vector<std::string>* log = nullptr;
  std::map<std::wstring, int32_t> values;  // key "Section/Key"
  HRESULT status = S_OK;
  ULONG references = 1;
};

class TFakeSettingsService final : public ISettingsService {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override { return ++references; }
  ULONG __stdcall Release() override { return --references; }
  HRESULT __stdcall OpenModuleSettings(BSTR module, BSTR path, ISettingsStore** store) override;

  std::vector<std::string>* log = nullptr;
  TFakeSettingsStore* store = nullptr;
  HRESULT status = S_OK;
  ULONG references = 1;
};

class TFakeClient final : public TClientStub, public IProcessLauncher {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override { return ++references; }
  ULONG __stdcall Release() override { return --references; }

  HRESULT __stdcall GetApplicationHandle(HWND* window) override;
  HRESULT __stdcall GetCurrentView(IServerView** view) override;
  HRESULT __stdcall HostMainWindow(HWND* window) override;
  HRESULT __stdcall GetUiManager(IClientUiManager** manager) override;
  HRESULT __stdcall QueryDialogFont(DWORD kind, BYTE* exists, BSTR* name, int32_t* size,
                                    BYTE* style, DWORD* colour, BYTE* charset) override;
  HRESULT __stdcall GetSettingsService(ISettingsService** service) override;

  HRESULT __stdcall CanRunProcess(const char*, BYTE*) override { return E_NOTIMPL; }
  HRESULT __stdcall RunProcess(const char* process, char* parameters, int32_t size,
                               IServerView* view) override;

  std::vector<std::string> log;
  ULONG references = 1;
  bool offers_process_launcher = true;
  HWND application_window = nullptr;
  HWND main_window = nullptr;
  TFakeView* view = nullptr;              // the current view; none when null
  TFakeUiManager* ui_manager = nullptr;    // GetUiManager answers empty when null
  TFakeSettingsService* settings = nullptr;
  // A failing status per operation name, and the description left with it.
  std::map<std::string, HRESULT> failures;
  std::map<std::string, std::wstring> failure_texts;
  // What RunProcess writes back into the parameter buffer (nothing when empty).
  std::string process_answer;

 private:
  HRESULT FailureStatus(const char* operation, const std::string& logged = {});
};
