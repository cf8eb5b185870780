#include "tests/win/dialogs/test_host.h"

#include "frame/client_api_bindings.h"
#include "frame/slots.h"

TTestHost::TTestHost(bool with_client) {
  UnbindClientApi();
  BindClientApi();
  client.main_window = client.application_window = main_window.get();
  ui_manager.log = &ui_log;
  client.ui_manager = &ui_manager;
  ClientSlot = with_client ? &client : nullptr;
  TestExportTable() = TTestExports{};
}

std::vector<std::string> TTestHost::HelpLog() const {
  return client.LogOf({"RunProcess ", "FileForHelpAlias ", "ExpandAddress ", "OpenAddress "});
}

TTestHost::~TTestHost() {
  ClientSlot = nullptr;
  TestExportTable() = TTestExports{};
}
