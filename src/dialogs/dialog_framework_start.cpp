#include "dialogs/dialog_framework_start.h"

#include <windows.h>

#include "base/ascii.h"
#include "base/com_ptr.h"
#include "dialogs/application_exception_event.h"
#include "dialogs/component_insertion_fonts.h"
#include "dialogs/control_insertion_fonts.h"
#include "dialogs/dialog_framework_state.h"
#include "dialogs/exception_conversion.h"
#include "dialogs/font_dialog_placement.h"
#include "dialogs/handler_end.h"
#include "dialogs/message_box_placement.h"
#include "dialogs/no_shadow_hint_window.h"
#include "dialogs/standard_dialog_placement.h"
#include "dialogs/system_color_text.h"
#include "forms/application.h"
#include "forms/font.h"
#include "frame/client_api_bindings.h"
#include "frame/library_steps.h"
#include "frame/locations.h"
#include "frame/system_queries.h"
#include "hostapi/translation_manager.h"

namespace {

bool interceptions_installed = false;
bool message_boxes_placed = false;
bool standard_dialogs_placed = false;
bool font_dialog_placed = false;

void disable_window_ghosting() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (!user32) return;
  using Proc = void(WINAPI*)();
  if (auto proc = reinterpret_cast<Proc>(
          reinterpret_cast<void*>(GetProcAddress(user32, "DisableProcessWindowsGhosting"))))
    proc();
}

// Each interception is installed on its own: one that fails leaves the framework's routine.
template <class Install>
bool try_install(Install install) {
  try {
    return install();
  } catch (...) {
    return false;
  }
}

void install_interceptions() {
  standard_dialogs_placed =
      try_install([] { return InstallStandardDialogPlacement(DialogPlacementPathForSystem()); });
  // On older Windows the font dialog is centred only where the open-file dialog could be.
  if (standard_dialogs_placed || IsWindowsVistaOrLater())
    font_dialog_placed = try_install([] {
      InstallFontDialogPlacement();
      return true;
    });
  try_install([] {
    InstallControlInsertionFonts();
    return true;
  });
  try_install([] {
    InstallComponentInsertionFonts();
    return true;
  });
  InstallSystemColorText();
  InstallExceptionConversion();
  InstallHandlerEndClearing();
  interceptions_installed = true;
  message_boxes_placed = try_install([] {
    InstallMessageBoxPlacement();
    return true;
  });
}

void remove_interceptions() {
  RemoveHandlerEndClearing();
  RemoveExceptionConversion();
  RemoveSystemColorText();
  RemoveComponentInsertionFonts();
  RemoveControlInsertionFonts();
  if (message_boxes_placed) RemoveMessageBoxPlacement();
  if (font_dialog_placed) RemoveFontDialogPlacement();
  if (standard_dialogs_placed) RemoveStandardDialogPlacement();
  message_boxes_placed = standard_dialogs_placed = font_dialog_placed = false;
  interceptions_installed = false;
}

uint8_t system_default_font_charset() {
  LOGFONTW font{};
  if (!GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font)) return DEFAULT_CHARSET;
  return font.lfCharSet;
}

bool host_is_translating() {
  ComPtr<ITranslationManager> manager = ComPtr<ITranslationManager>::attach(ClientAPI_GetTranslationManager());
  if (!manager) return false;
  int32_t translating = 0;
  return SUCCEEDED(manager->IsTranslating(&translating)) && translating != 0;
}

uint8_t framework_default_charset = DEFAULT_CHARSET;

}  // namespace

bool InDevelopmentEnvironment() {
  char path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string_view file(path, length);
  size_t slash = file.find_last_of("\\/:");
  if (slash != std::string_view::npos) file = file.substr(slash + 1);
  return ascii_iequals(file, kDevelopmentEnvironmentExe);
}

bool InterceptionsInstalled() { return interceptions_installed; }

void StartDialogFramework() {
  disable_window_ghosting();
  if (!InDevelopmentEnvironment()) install_interceptions();
  Application->HintWindowClass = &TNoShadowHintWindow::Create;
  SetFormsKey(PreferencesKey() + L"\\Plenvik" + L"\\Forms");
  InstallApplicationExceptionEvent();
  framework_default_charset = TFont::DefaultCharset;
  if (IsWindows2000() && system_default_font_charset() == SHIFTJIS_CHARSET) TFont::DefaultCharset = SHIFTJIS_CHARSET;
  SetTranslationActive(host_is_translating());
  SetLayoutLoadingDepth(0);
}

void EndDialogFramework() {
  if (interceptions_installed) remove_interceptions();
  RemoveApplicationExceptionEvent();
  TFont::DefaultCharset = framework_default_charset;
  Application->HintWindowClass = &THintWindow::Create;
  SetTranslationActive(false);
  SetFormsKey(std::wstring());
}

namespace {

const TLibraryStepRegistration dialog_framework_step(TLibraryStep::DialogFramework,
                                                     &StartDialogFramework, &EndDialogFramework);

}  // namespace
