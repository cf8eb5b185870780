#include "dialogs/system_color_text.h"

TColor CurrentSystemColorEncoding(TColor color) {
  uint32_t value = static_cast<uint32_t>(color);
  if ((value >> 24) != 0x80) return color;
  return static_cast<TColor>(0xFF000000u | (value & 0x00FFFFFFu));
}

void InstallSystemColorText() {
  ColorToTextHook.Install([](TColor color) { return ColorToTextHook.Underlying(CurrentSystemColorEncoding(color)); });
}

void RemoveSystemColorText() { ColorToTextHook.Remove(); }
