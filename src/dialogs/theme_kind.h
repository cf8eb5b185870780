#pragma once
// Which caption and frame the dialogs get: the system's visual styles (2), the emulated theme
// painted from bitmaps (1), or the plain system frame (0). The emulated theme is for systems
// before 5.1 only, where the host may still prefer the newer look.

enum TThemeKind : int { tkClassic = 0, tkEmulated = 1, tkVisualStyles = 2 };

TThemeKind ChooseThemeKind(bool visual_styles_active, bool emulated_theme_preferred, int major_version,
                           int minor_version);
