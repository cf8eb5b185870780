#include "dialogs/theme_frame_install.h"

#include <windows.h>

#include "dialogs/dialog_framework_state.h"
#include "dialogs/form_theme_data.h"
#include "dialogs/theme_form.h"
#include "dialogs/theme_preference.h"
#include "dialogs/visual_styles.h"
#include "frame/client_api_bindings.h"
#include "frame/windows_version.h"

namespace {

void CreateThemeFrame(TCustomForm& dialog) {
  if (CurrentThemeKind() != tkEmulated) return;
  make_component<TThemeForm>(&dialog, dialog, SharedFormThemeData());
}

}  // namespace

TThemeKind CurrentThemeKind() {
  const auto [major, minor] = WindowsVersion();
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
