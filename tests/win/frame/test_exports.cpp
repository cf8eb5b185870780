// What the test program offers the frame as its "host executable": a few ClientAPI_ exports whose
// answers the tests set, and the raise wrapper through which thrown errors reach the raise hook.

#include "tests/win/frame/test_exports.h"

#include "base/host_guard.h"

TAVRIN_DEFINE_RAISE_WRAPPER()

TestExports& test_exports() {
  static TestExports exports;
  return exports;
}

extern "C" {
__declspec(dllexport) void __stdcall ClientAPI_GetClientInterface(IClient** client) {
  ++test_exports().clientInterfaceCalls;
  *client = test_exports().client;
  if (*client) (*client)->AddRef();
}
__declspec(dllexport) BYTE __stdcall ClientAPI_GetUseSystemLocaleLanguage() {
  return test_exports().useSystemLocaleLanguage;
}
__declspec(dllexport) BYTE __stdcall ClientAPI_GetUseExternalWebBrowser() {
  return test_exports().useExternalWebBrowser;
}
// Returns 2 to check that the wrapper reads any non-zero byte as true.
__declspec(dllexport) BYTE __stdcall ClientAPI_GetPrefUseLuna() { return 2; }
__declspec(dllexport) void __stdcall ClientAPI_SetPrefHideFloatingPanels(BYTE hide) {
  test_exports().hideFloatingPanels = hide;
}
}
