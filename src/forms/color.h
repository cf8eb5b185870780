#pragma once
// Colours as the framework stores them: an RGB value (0x00BBGGRR) or a system colour. System
// colours have the top byte 0xFF with the system colour index in the low byte; the old encoding
// with the top byte 0x80 is accepted wherever a colour is used.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "forms/hook_point.h"

using TColor = int32_t;

constexpr TColor system_color(int index) { return static_cast<TColor>(0xFF000000u | uint32_t(index)); }
constexpr bool is_system_color(TColor c) {
  uint32_t top = static_cast<uint32_t>(c) >> 24;
  return top == 0xFF || top == 0x80;
}

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;
constexpr TColor clScrollBar = system_color(0), clBackground = system_color(1),
                 clActiveCaption = system_color(2), clInactiveCaption = system_color(3),
                 clMenu = system_color(4), clWindow = system_color(5),
                 clWindowFrame = system_color(6), clMenuText = system_color(7),
                 clWindowText = system_color(8), clCaptionText = system_color(9),
                 clActiveBorder = system_color(10), clInactiveBorder = system_color(11),
                 clAppWorkSpace = system_color(12), clHighlight = system_color(13),
                 clHighlightText = system_color(14), clBtnFace = system_color(15),
                 clBtnShadow = system_color(16), clGrayText = system_color(17),
                 clBtnText = system_color(18), clInactiveCaptionText = system_color(19),
                 clBtnHighlight = system_color(20), cl3DDkShadow = system_color(21),
                 cl3DLight = system_color(22), clInfoText = system_color(23),
                 clInfoBk = system_color(24);
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;

// The name of a colour that has one ("clBtnFace"), else "$" and eight hexadecimal digits. The
// framework's own routine knows the current encoding of system colours only; it runs through the
// hook point ColorToTextHook.
std::string ColorToString(TColor color);
// Reads a colour name, "$" hexadecimal or a decimal number; nullopt for anything else.
std::optional<TColor> StringToColor(std::string_view text);

std::string color_to_text_default(TColor color);
extern THookPoint<std::string(TColor)> ColorToTextHook;
