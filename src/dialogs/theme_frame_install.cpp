#include "dialogs/theme_frame_install.h"

#include <windows.h>

#include "dialogs/dialog_framework_state.h"
#include "dialogs/form_theme_data.h"
#include "dialogs/theme_form.h"
#include "dialogs/theme_preference.h"
#include "frame/client_api_bindings.h"

namespace {

void CreateThemeFrame(TCustomForm& dialog) {
  if (CurrentThemeKind() != tkEmulated) return;
  make_component<TThemeForm>(&dialog, dialog, SharedFormThemeData());
}

}  // namespace

bool VisualStylesActive() {
  HMODULE uxtheme = GetModuleHandleW(L"uxtheme.dll");
  if (!uxtheme) uxtheme = LoadLibraryW(L"uxtheme.dll");
  if (!uxtheme) return false;
  using TQuery = BOOL(WINAPI*)();
  auto themed = reinterpret_cast<TQuery>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsAppThemed")));
  auto on = reinterpret_cast<TQuery>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsThemeActive")));
  return themed && on && themed() && on();
}

TThemeKind CurrentThemeKind() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExW(&version)) return tkClassic;
  int major = static_cast<int>(version.dwMajorVersion), minor = static_cast<int>(version.dwMinorVersion);
  // Visual styles came with 5.1; an older system has none, whatever a theme library may say.
  bool styles = (major > 5 || (major == 5 && minor >= 1)) && VisualStylesActive();
  return ChooseThemeKind(styles, EmulatedThemePreference(), major, minor);
}

void InstallThemeFrame() {
  SetEmulatedThemePreference(ClientAPI_GetPrefUseLuna());
  SetThemeFrameFactory(&CreateThemeFrame);
}

void RemoveThemeFrame() {
  SetThemeFrameFactory(nullptr);
  FreeSharedFormThemeData();
}
