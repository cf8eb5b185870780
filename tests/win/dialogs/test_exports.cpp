// The test program's own ClientAPI_ exports, found by name as the host executable's would be. Kept
// apart from the frame's wrappers of the same names.

#include <windows.h>

#include "tests/win/dialogs/test_host.h"

TTestExports& TestExportTable() {
  static TTestExports exports;
  return exports;
}

extern "C" {
__declspec(dllexport) BYTE __stdcall ClientAPI_GetUseSystemLocaleLanguage() {
  return TestExportTable().use_system_locale_language;
}
__declspec(dllexport) int32_t __stdcall ClientAPI_UpdateFont(LOGFONTW* font) {
  ++TestExportTable().update_font_calls;
  const std::wstring& face = TestExportTable().locale_face;
  if (face.empty() || !font) return 0;
  lstrcpynW(font->lfFaceName, face.c_str(), LF_FACESIZE);
  return 1;
}
__declspec(dllexport) BYTE __stdcall ClientAPI_GetPrefUseLuna() { return TestExportTable().prefUseLuna; }
__declspec(dllexport) BYTE __stdcall ClientAPI_GetUseLocalizedDialogs() {
  return TestExportTable().useLocalizedDialogs;
}
__declspec(dllexport) void __stdcall ClientAPI_GetTranslationManager(ITranslationManager** manager) {
  if (!manager) return;
  *manager = TestExportTable().translationManager;
  if (*manager) (*manager)->AddRef();
}
}
