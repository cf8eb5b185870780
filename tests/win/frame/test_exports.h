#pragma once
// State behind the test program's own ClientAPI_ exports (test_exports.cpp).

#include <windows.h>

#include "hostapi/client.h"

struct TestExports {
  IClient* client = nullptr;
  int clientInterfaceCalls = 0;
  BYTE useSystemLocaleLanguage = 0;
  BYTE useExternalWebBrowser = 0;
  BYTE hideFloatingPanels = 0xFF;
};

TestExports& test_exports();
