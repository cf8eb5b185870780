#pragma once
// The stand-in host client of the Windows unit tests: it records every call the plug-in's code
// makes, in order, in one log (its parts too, once a test points their log at it), and answers
// what a test sets up; a place nobody set up answers empty. Just enough host for one unit; the host
// kit is the real one.

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/bstr.h"
#include "hostapi/i_client.h"
#include "hostapi/i_client_ui_manager.h"
#include "hostapi/i_command_launcher.h"
#include "hostapi/i_help_navigator.h"
#include "hostapi/i_process_launcher.h"
#include "hostapi/i_server_document.h"
#include "hostapi/i_settings_service.h"

// Leaves a description in the thread's error information, as a failing host does; null clears it.
void LeaveHostError(const wchar_t* description);

class TTestView final : public IServerView {
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

class TTestDocument final : public IServerDocument {
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

class TTestUiManager final : public IClientUiManager {
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
  HRESULT __stdcall OfferKey(int32_t key, int32_t alt, int32_t shift, int32_t ctrl,
                             BYTE* handled) override;
  HRESULT __stdcall AfterKeyHandled() override;

  std::vector<std::string>* log = nullptr;
  HRESULT status = S_OK;
  bool takes_keys = false;  // what OfferKey answers
  ULONG references = 1;
};

class TTestSettingsStore final : public ISettingsStore {
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

class TTestSettingsService final : public ISettingsService {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override { return ++references; }
  ULONG __stdcall Release() override { return --references; }
  HRESULT __stdcall OpenModuleSettings(BSTR module, BSTR path, ISettingsStore** store) override;

  std::vector<std::string>* log = nullptr;
  TTestSettingsStore* store = nullptr;
  HRESULT status = S_OK;
  ULONG references = 1;
};

// Expands nothing and names no protocol; logs what it is asked to open.
class TTestAddressService final : public IAddressService {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override { return ++references; }
  ULONG __stdcall Release() override { return --references; }
  HRESULT __stdcall Unnamed01() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed02() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed03() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed04() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed07() override { return E_NOTIMPL; }
  HRESULT __stdcall SplitAddress(BSTR address, BSTR* protocol, BSTR* location, BSTR* rest) override;
  HRESULT __stdcall OpenAddress(DWORD flags, const BSTR* address, IServerDocument** document,
                                int32_t* done) override;
  HRESULT __stdcall ExpandAddress(BSTR address, BSTR* expanded) override;

  std::vector<std::string>* log = nullptr;
  ULONG references = 1;
};

// The dialog font the host prescribes (QueryDialogFont answers it for kind 0 only).
struct TTestDialogFont {
  bool exists = false;
  std::wstring name;
  int32_t size = 0;
  BYTE style = 0;
  DWORD colour = 0;
  BYTE charset = DEFAULT_CHARSET;
};

class TTestClient final : public IClient, public IProcessLauncher {
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
  HRESULT __stdcall GetApplicationHandle(HWND* window) override;
  HRESULT __stdcall Unnamed08() override { return E_NOTIMPL; }
  HRESULT __stdcall GetServerModuleCount(int32_t* count) override;
  HRESULT __stdcall Unnamed10() override { return E_NOTIMPL; }
  HRESULT __stdcall GetCurrentView(IServerView** view) override;
  HRESULT __stdcall LookupServerModule(BSTR, IServerModule**) override { return E_NOTIMPL; }
  HRESULT __stdcall HostMainWindow(HWND* window) override;
  HRESULT __stdcall Unnamed14() override { return E_NOTIMPL; }
  HRESULT __stdcall GetUiManager(IClientUiManager** manager) override;
  HRESULT __stdcall GetServerModuleAt(int32_t index, IServerModule** module) override;
  HRESULT __stdcall Unnamed18() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed19() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed20() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed21() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed22() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed23() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed24() override { return E_NOTIMPL; }
  HRESULT __stdcall IsShuttingDown(BYTE* answer) override;
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
  HRESULT __stdcall ShowDocument(IServerDocument* document) override;
  HRESULT __stdcall Unnamed37() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed38() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed39() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed40() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed41() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed42() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed43() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed44() override { return E_NOTIMPL; }
  HRESULT __stdcall FileForHelpAlias(BSTR alias, BSTR* file_name) override;
  HRESULT __stdcall QueryDialogFont(DWORD kind, BYTE* exists, BSTR* name, int32_t* size,
                                    BYTE* style, DWORD* colour, BYTE* charset) override;
  HRESULT __stdcall GetAddressService(IAddressService** service) override;
  HRESULT __stdcall Unnamed48() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed49() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed50() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed51() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed52() override { return E_NOTIMPL; }
  HRESULT __stdcall Unnamed53() override { return E_NOTIMPL; }
  HRESULT __stdcall GetSettingsService(ISettingsService** service) override;
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
  HRESULT __stdcall GetServerModule(BSTR server_name, IServerModule** module) override;

  HRESULT __stdcall CanRunProcess(const char*, BYTE*) override { return E_NOTIMPL; }
  HRESULT __stdcall RunProcess(const char* process, char* parameters, int32_t size,
                               IServerView* view) override;

  // The log lines that start with one of the prefixes, in order.
  std::vector<std::string> LogOf(std::initializer_list<std::string_view> prefixes) const;
  // How many calls of the operation the log holds.
  int Calls(std::string_view operation) const;
  // Hands out the settings service, which opens the store; both log into the client's log.
  void ServeSettings(TTestSettingsService& service, TTestSettingsStore& store);

  std::vector<std::string> log;
  // Called with every line the client itself logs, for tests that keep a log of their own.
  std::function<void(const std::string&)> on_call;
  ULONG references = 1;
  bool offers_process_launcher = true;
  HWND application_window = nullptr;
  HWND main_window = nullptr;
  IServerView* view = nullptr;              // the current view; none when null
  TTestUiManager* ui_manager = nullptr;     // GetUiManager answers empty when null
  TTestSettingsService* settings = nullptr;
  // The address service: the client's own (logging into its log) when null.
  IAddressService* address_service = nullptr;
  TTestAddressService addresses;
  TTestDialogFont font;
  BYTE shutting_down = 0;
  // Servers by position (GetServerModuleCount/At) and by name (GetServerModule); not owned.
  std::vector<IServerModule*> listed_modules;
  std::map<std::wstring, IServerModule*> named_modules;
  // The help file the host names for one alias ("" for any other).
  std::string alias_name;
  std::wstring alias_file;
  // A failing status per operation name, and the description left with it.
  std::map<std::string, HRESULT> failures;
  std::map<std::string, std::wstring> failure_texts;
  // What RunProcess writes back into the parameter buffer (nothing when empty).
  std::string process_answer;

 private:
  HRESULT FailureStatus(const char* operation, const std::string& logged = {});
};
