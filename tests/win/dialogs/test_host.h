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
#include "hostapi/i_client.h"
#include "hostapi/i_client_ui_manager.h"
#include "hostapi/i_help_navigator.h"
#include "hostapi/i_process_launcher.h"
#include "tests/win/dialogs/whats_this_viewer.h"
#include "hostapi/i_translation_manager.h"
#include "tests/win/support/client_stub.h"

class TTestUiManager final : public IClientUiManager {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override { return 2; }
  ULONG __stdcall Release() override { return 1; }
#define TEST_UNNAMED(n) \
  HRESULT __stdcall Unnamed##n() override { return E_NOTIMPL; }
  TEST_UNNAMED(01) TEST_UNNAMED(02) TEST_UNNAMED(03) TEST_UNNAMED(04) TEST_UNNAMED(05)
  TEST_UNNAMED(06) TEST_UNNAMED(07) TEST_UNNAMED(08) TEST_UNNAMED(09)
#undef TEST_UNNAMED
  HRESULT __stdcall SetStatusText(int32_t panel, BSTR text) override;
  HRESULT __stdcall OfferKey(int32_t key, int32_t alt, int32_t shift, int32_t ctrl,
                             BYTE* handled) override;
  HRESULT __stdcall AfterKeyHandled() override;

  std::vector<std::string> log;
  bool takes_keys = false;
};

struct TTestDialogFont {
  bool exists = false;
  std::wstring name;
  int32_t size = 0;
  BYTE style = 0;
  DWORD colour = 0;
  BYTE charset = DEFAULT_CHARSET;
};

// Expands nothing and names no protocol; logs what it is asked to open.
class TTestAddressService final : public IAddressService {
 public:
  HRESULT __stdcall QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG __stdcall AddRef() override { return 2; }
  ULONG __stdcall Release() override { return 1; }
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
};

class TTestClient final : public TClientStub, public IProcessLauncher {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override { return 2; }
  ULONG __stdcall Release() override { return 1; }

  HRESULT __stdcall GetApplicationHandle(HWND* window) override;
  HRESULT __stdcall HostMainWindow(HWND* window) override;
  HRESULT __stdcall GetUiManager(IClientUiManager** manager) override;
  HRESULT __stdcall QueryDialogFont(DWORD kind, BYTE* exists, BSTR* name, int32_t* size,
                                    BYTE* style, DWORD* colour, BYTE* charset) override;
  HRESULT __stdcall GetCurrentView(IServerView** view) override;
  HRESULT __stdcall GetServerModuleCount(int32_t* count) override;
  HRESULT __stdcall FileForHelpAlias(BSTR alias, BSTR* file_name) override;
  HRESULT __stdcall GetAddressService(IAddressService** service) override;
  HRESULT __stdcall CanRunProcess(const char*, BYTE*) override { return E_NOTIMPL; }
  HRESULT __stdcall RunProcess(const char* process, char* parameters, int32_t size,
                               IServerView* view) override;

  // The help requests the host was given: "RunProcess name 'text' size", "FileForHelpAlias …",
  // "ExpandAddress …", "OpenAddress …".
  std::vector<std::string> help_log;
  // The file the host names for a help alias ("" for any other).
  std::string alias_name;
  std::wstring alias_file;
  TTestAddressService addresses;

  HWND main_window = nullptr;
  TTestDialogFont font;
  HRESULT font_status = S_OK;
  int font_queries = 0;
  TTestUiManager ui_manager;
};

// What the test program's ClientAPI_ exports answer.
struct TTestExports {
  BYTE use_system_locale_language = 0;
  // ClientAPI_UpdateFont puts this face name into every font it is offered and answers 1; empty:
  // it changes nothing and answers 0.
  std::wstring locale_face;
  int update_font_calls = 0;
  // The host's error store as the exports saw it, and one line per call in call order:
  // "set", "clear", "handle 0".
  std::wstring error_message;
  std::wstring error_report;
  DWORD error_address = 0;
  std::vector<std::string> error_calls;
  BYTE integrated_help_system = 0;
  BYTE hide_floating_panels = 1;
  std::vector<BYTE> hide_floating_panels_set;  // every value the plug-in set
  BYTE vfs_file_exists = 0;
  BYTE use_localized_dialogs = 0;
  BYTE pref_use_luna = 0;
  // ClientAPI_GetTranslationManager hands out this manager (with a reference), or none.
  ITranslationManager* translation_manager = nullptr;
};
TTestExports& TestExportTable();

// A visible top-level window standing in for the host's main window.
class THostWindow {
 public:
  THostWindow();
  HWND get() const { return window_.get(); }

 private:
  TUniqueHwnd window_;
};

// One test's host: installs the client (or none) and binds the exports; undoes both at the end.
class TTestHost {
 public:
  explicit TTestHost(bool with_client = true);
  ~TTestHost();
  TTestHost(const TTestHost&) = delete;
  TTestHost& operator=(const TTestHost&) = delete;

  TTestClient client;
  THostWindow main_window;
  TTestWhatsThisViewer whats_this;
};

// Processes every waiting message.
void Pump();
// Runs the form modally; the script runs once from the idle step after the form is on screen (a
// script that does not end the run within a bounded number of idle steps ends it with -1).
TModalResult RunModalWith(TCustomForm& form, std::function<void()> script);
