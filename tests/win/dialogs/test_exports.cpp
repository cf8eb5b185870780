// The test program's own ClientAPI_ exports, found by name as the host executable's would be. Kept
// apart from the frame's wrappers of the same names.

#include <windows.h>

#include "tests/win/dialogs/test_host.h"

TestExports& test_exports() {
  static TestExports exports;
  return exports;
}

extern "C" {
__declspec(dllexport) BYTE __stdcall ClientAPI_GetIntegratedHelpSystem() {
  return test_exports().integratedHelpSystem;
}
__declspec(dllexport) BYTE __stdcall ClientAPI_GetPrefHideFloatingPanels() {
  return test_exports().hideFloatingPanels;
}
__declspec(dllexport) void __stdcall ClientAPI_SetPrefHideFloatingPanels(BYTE hide) {
  test_exports().hideFloatingPanels = hide;
  test_exports().hideFloatingPanelsSet.push_back(hide);
}
__declspec(dllexport) BYTE __stdcall VFSAPI_VFS_FileExists(const char*) { return test_exports().vfsFileExists; }
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
}
