#include "dialogs/theme_kind.h"

TThemeKind ChooseThemeKind(bool visual_styles_active, bool emulated_theme_preferred, int major_version,
                           int minor_version) {
  if (visual_styles_active) return tkVisualStyles;
  bool before_5_1 = major_version < 5 || (major_version == 5 && minor_version == 0);
  return emulated_theme_preferred && before_5_1 ? tkEmulated : tkClassic;
}
