// The test program's own ClientAPI_ exports, found by name as the host executable's would be. Kept
// apart from the frame's wrappers of the same names.

#include <windows.h>

#include <string>

#include "tests/win/dialogs/test_host.h"

TTestExports& TestExportTable() {
  static TTestExports exports;
  return exports;
}

extern "C" {
__declspec(dllexport) BYTE __stdcall ClientAPI_GetIntegratedHelpSystem() {
  return TestExportTable().integrated_help_system;
}
__declspec(dllexport) BYTE __stdcall ClientAPI_GetPrefHideFloatingPanels() {
  return TestExportTable().hide_floating_panels;
}
__declspec(dllexport) void __stdcall ClientAPI_SetPrefHideFloatingPanels(BYTE hide) {
  TestExportTable().hide_floating_panels = hide;
  TestExportTable().hide_floating_panels_set.push_back(hide);
}
__declspec(dllexport) BYTE __stdcall VFSAPI_VFS_FileExists(const char*) { return TestExportTable().vfs_file_exists; }
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
__declspec(dllexport) void __stdcall ClientAPI_SetErrorInfo(BSTR message, BSTR report, DWORD address) {
  TTestExports& e = TestExportTable();
  e.error_message = message ? message : L"";
  e.error_report = report ? report : L"";
  e.error_address = address;
  e.error_calls.push_back("set");
}
__declspec(dllexport) void __stdcall ClientAPI_ClearErrorInfo() {
  TTestExports& e = TestExportTable();
  e.error_message.clear();
  e.error_report.clear();
  e.error_address = 0;
  e.error_calls.push_back("clear");
}
__declspec(dllexport) void __stdcall ClientAPI_HandleException(int32_t reserved) {
  TestExportTable().error_calls.push_back("handle " + std::to_string(reserved));
}
__declspec(dllexport) BYTE __stdcall ClientAPI_GetPrefUseLuna() { return TestExportTable().pref_use_luna; }
__declspec(dllexport) BYTE __stdcall ClientAPI_GetUseLocalizedDialogs() {
  return TestExportTable().use_localized_dialogs;
}
__declspec(dllexport) void __stdcall ClientAPI_GetTranslationManager(ITranslationManager** manager) {
  if (!manager) return;
  *manager = TestExportTable().translation_manager;
  if (*manager) (*manager)->AddRef();
}
}
