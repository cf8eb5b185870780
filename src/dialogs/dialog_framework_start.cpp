#include "dialogs/dialog_framework_start.h"

#include <windows.h>

#include "base/ascii.h"
#include "base/com_ptr.h"
#include "dialogs/application_exception_event.h"
#include "dialogs/component_insertion_fonts.h"
#include "dialogs/control_insertion_fonts.h"
#include "dialogs/dialog_framework_state.h"
#include "dialogs/dialog_help.h"
#include "dialogs/exception_conversion.h"
#include "dialogs/font_dialog_placement.h"
#include "dialogs/form_translation.h"
#include "dialogs/handler_end.h"
#include "dialogs/message_box_placement.h"
#include "dialogs/no_shadow_hint_window.h"
#include "dialogs/standard_dialog_placement.h"
#include "dialogs/system_color_text.h"
#include "dialogs/theme_frame_install.h"
#include "forms/application.h"
#include "forms/font.h"
#include "forms/win_control.h"
#include "frame/client_api_bindings.h"
#include "frame/library_steps.h"
#include "frame/locations.h"
#include "frame/windows_version.h"
#include "hostapi/i_translation_manager.h"

namespace {

bool interceptions_installed = false;
bool message_boxes_placed = false;
bool standard_dialogs_placed = false;
bool font_dialog_placed = false;

void DisableWindowGhosting() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (!user32) return;
  using TProc = void(WINAPI*)();
  if (auto proc = reinterpret_cast<TProc>(
          reinterpret_cast<void*>(GetProcAddress(user32, "DisableProcessWindowsGhosting"))))
    proc();
}

// Each interception is installed on its own: one that fails leaves the framework's routine.
template <class Install>
bool TryInstall(Install install) {
  try {
    return install();
  } catch (...) {
    return false;
  }
}

void InstallInterceptions() {
  standard_dialogs_placed =
      TryInstall([] { return InstallStandardDialogPlacement(DialogPlacementPathForSystem()); });
  // On older Windows the font dialog is centred only where the open-file dialog could be.
  if (standard_dialogs_placed || IsWindowsVistaOrLater())
    font_dialog_placed = TryInstall([] {
      InstallFontDialogPlacement();
      return true;
    });
  TryInstall([] {
    InstallControlInsertionFonts();
    return true;
  });
  TryInstall([] {
    InstallComponentInsertionFonts();
    return true;
  });
  InstallSystemColorText();
  InstallExceptionConversion();
  InstallHandlerEndClearing();
  interceptions_installed = true;
  message_boxes_placed = TryInstall([] {
    InstallMessageBoxPlacement();
    return true;
  });
}

void RemoveInterceptions() {
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

uint8_t SystemDefaultFontCharset() {
  LOGFONTW font{};
  if (!GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font)) return DEFAULT_CHARSET;
  return font.lfCharSet;
}

uint8_t framework_default_charset = DEFAULT_CHARSET;

}  // namespace

bool InDevelopmentEnvironment() {
  char path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string_view file(path, length);
  size_t slash = file.find_last_of("\\/:");
  if (slash != std::string_view::npos) file = file.substr(slash + 1);
  return AsciiIequals(file, kDevelopmentEnvironmentExe);
}

bool InterceptionsInstalled() { return interceptions_installed; }

void StartDialogFramework() {
  DisableWindowGhosting();
  if (!InDevelopmentEnvironment()) InstallInterceptions();
  Application->HintWindowClass = &TNoShadowHintWindow::Create;
  SetFormsKey(PreferencesKey() + L"\\Plenvik" + L"\\Forms");
  InstallApplicationExceptionEvent();
  framework_default_charset = TFont::DefaultCharset;
  if (IsWindows2000() && SystemDefaultFontCharset() == SHIFTJIS_CHARSET) TFont::DefaultCharset = SHIFTJIS_CHARSET;
  SetTranslationActive(false);
  SetLayoutLoadingDepth(0);
  InstallDialogHelp();
  if (!InDevelopmentEnvironment()) {
    InstallFormTranslation();
    InstallThemeFrame();
  }
  // Last, as a failing manager abandons the rest of the step.
  SetTranslationActive(HostIsTranslating());
}

void EndDialogFramework() {
  RemoveThemeFrame();
  RemoveFormTranslation();
  RemoveDialogHelp();
  if (interceptions_installed) RemoveInterceptions();
  RemoveApplicationExceptionEvent();
  TFont::DefaultCharset = framework_default_charset;
  Application->HintWindowClass = &THintWindow::Create;
  SetTranslationActive(false);
  SetFormsKey(std::wstring());
  // The host may load the library again into the same process: no window and no window class may
  // stay behind that points into the code being unloaded (a class left registered would also make
  // the next load's first form fail to register it).
  Application->DestroyHandle();
  ReleaseWindowClasses();
}

namespace {

const TLibraryStepRegistration dialog_framework_step(TLibraryStep::DialogFramework,
                                                     &StartDialogFramework, &EndDialogFramework);

}  // namespace
