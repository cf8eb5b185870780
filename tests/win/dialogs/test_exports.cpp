// The test program's own ClientAPI_ exports, found by name as the host executable's would be. Kept
// apart from the frame's wrappers of the same names.

#include <windows.h>

#include <string>

#include "tests/win/dialogs/test_host.h"

TestExports& test_exports() {
  static TestExports exports;
  return exports;
}

extern "C" {
__declspec(dllexport) BYTE __stdcall ClientAPI_GetUseSystemLocaleLanguage() {
  return test_exports().useSystemLocaleLanguage;
}
__declspec(dllexport) int32_t __stdcall ClientAPI_UpdateFont(LOGFONTW* font) {
  ++test_exports().updateFontCalls;
  const std::wstring& face = test_exports().localeFace;
  if (face.empty() || !font) return 0;
  lstrcpynW(font->lfFaceName, face.c_str(), LF_FACESIZE);
  return 1;
}
__declspec(dllexport) void __stdcall ClientAPI_SetErrorInfo(BSTR message, BSTR report, DWORD address) {
  TestExports& e = test_exports();
  e.errorMessage = message ? message : L"";
  e.errorReport = report ? report : L"";
  e.errorAddress = address;
  e.errorCalls.push_back("set");
}
__declspec(dllexport) void __stdcall ClientAPI_ClearErrorInfo() {
  TestExports& e = test_exports();
  e.errorMessage.clear();
  e.errorReport.clear();
  e.errorAddress = 0;
  e.errorCalls.push_back("clear");
}
__declspec(dllexport) void __stdcall ClientAPI_HandleException(int32_t reserved) {
  test_exports().errorCalls.push_back("handle " + std::to_string(reserved));
}
}
