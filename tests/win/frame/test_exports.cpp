// What the test program offers the frame as its "host executable": a few ClientAPI_ exports whose
// answers the tests set, and the raise wrapper through which thrown errors reach the raise hook.

#include "tests/win/frame/test_exports.h"

#include "base/host_guard.h"

TAVRIN_DEFINE_RAISE_WRAPPER()

TTestExports& TestExportTable() {
  static TTestExports exports;
  return exports;
}

extern "C" {
__declspec(dllexport) void __stdcall ClientAPI_GetClientInterface(IClient** client) {
  ++TestExportTable().client_interface_calls;
  *client = TestExportTable().client;
  if (*client) (*client)->AddRef();
}
__declspec(dllexport) BYTE __stdcall ClientAPI_GetUseSystemLocaleLanguage() {
  return TestExportTable().use_system_locale_language;
}
__declspec(dllexport) BYTE __stdcall ClientAPI_GetUseExternalWebBrowser() {
  return TestExportTable().use_external_web_browser;
}
// Returns 2 to check that the wrapper reads any non-zero byte as true.
__declspec(dllexport) BYTE __stdcall ClientAPI_GetPrefUseLuna() { return 2; }
__declspec(dllexport) void __stdcall ClientAPI_SetPrefHideFloatingPanels(BYTE hide) {
  TestExportTable().hide_floating_panels = hide;
}
}
