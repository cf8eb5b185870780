#pragma once
// Just enough host for the dialog tests: the stand-in client, whose main window owns the dialogs
// and whose dialog font the tests choose, a user-interface manager that records what it is told,
// and the test program's own ClientAPI_ exports. The host kit is the real host; these keep unit
// tests in one process.

#include <windows.h>

#include <string>
#include <vector>

#include "hostapi/i_translation_manager.h"
#include "tests/win/dialogs/whats_this_viewer.h"
#include "tests/win/support/test_client.h"
#include "tests/win/support/ui_driver.h"

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

// One test's host: installs the client (or none) and binds the exports; undoes both at the end.
class TTestHost {
 public:
  explicit TTestHost(bool with_client = true);
  ~TTestHost();
  TTestHost(const TTestHost&) = delete;
  TTestHost& operator=(const TTestHost&) = delete;

  // The help requests the client was given, in order: "RunProcess …", "FileForHelpAlias …",
  // "ExpandAddress …", "OpenAddress …".
  std::vector<std::string> HelpLog() const;

  TTestClient client;
  TTestUiManager ui_manager;
  std::vector<std::string> ui_log;  // what the user-interface manager was told
  TOwnerWindow main_window;
  TTestWhatsThisViewer whats_this;
};
