#include "forms/color_rgb.h"

COLORREF ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
  if (color == clNone || color == clDefault) return GetSysColor(COLOR_WINDOW);
  return static_cast<COLORREF>(color) & 0xFFFFFF;
}
