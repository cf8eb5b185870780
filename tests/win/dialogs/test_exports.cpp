// The test program's own ClientAPI_ exports, found by name as the host executable's would be. Kept
// apart from the frame's wrappers of the same names.

#include <windows.h>

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
__declspec(dllexport) BYTE __stdcall ClientAPI_GetPrefUseLuna() { return test_exports().prefUseLuna; }
__declspec(dllexport) BYTE __stdcall ClientAPI_GetUseLocalizedDialogs() {
  return test_exports().useLocalizedDialogs;
}
__declspec(dllexport) void __stdcall ClientAPI_GetTranslationManager(ITranslationManager** manager) {
  if (!manager) return;
  *manager = test_exports().translationManager;
  if (*manager) (*manager)->AddRef();
}
}
