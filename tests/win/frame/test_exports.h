#pragma once
// State behind the test program's own ClientAPI_ exports (test_exports.cpp).

#include <windows.h>

#include "hostapi/i_client.h"

struct TTestExports {
  IClient* client = nullptr;
  int client_interface_calls = 0;
  BYTE use_system_locale_language = 0;
  BYTE use_external_web_browser = 0;
  BYTE hide_floating_panels = 0xFF;
};

TTestExports& TestExportTable();
