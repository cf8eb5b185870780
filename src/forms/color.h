#pragma once
// Colours as the framework stores them: an RGB value (0x00BBGGRR) or a system colour. System
// colours have the top byte 0xFF with the system colour index in the low byte; the old encoding
// with the top byte 0x80 is accepted wherever a colour is used.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/hook_point.h"

using TColor = int32_t;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | uint32_t(index)); }
constexpr bool IsSystemColor(TColor c) {
  uint32_t top = static_cast<uint32_t>(c) >> 24;
  return top == 0xFF || top == 0x80;
}

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;
constexpr TColor clScrollBar = SystemColor(0), clBackground = SystemColor(1),
                 clActiveCaption = SystemColor(2), clInactiveCaption = SystemColor(3),
                 clMenu = SystemColor(4), clWindow = SystemColor(5),
                 clWindowFrame = SystemColor(6), clMenuText = SystemColor(7),
                 clWindowText = SystemColor(8), clCaptionText = SystemColor(9),
                 clActiveBorder = SystemColor(10), clInactiveBorder = SystemColor(11),
                 clAppWorkSpace = SystemColor(12), clHighlight = SystemColor(13),
                 clHighlightText = SystemColor(14), clBtnFace = SystemColor(15),
                 clBtnShadow = SystemColor(16), clGrayText = SystemColor(17),
                 clBtnText = SystemColor(18), clInactiveCaptionText = SystemColor(19),
                 clBtnHighlight = SystemColor(20), cl3DDkShadow = SystemColor(21),
                 cl3DLight = SystemColor(22), clInfoText = SystemColor(23),
                 clInfoBk = SystemColor(24);
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;

// The name of a colour that has one ("clBtnFace"), else "$" and eight hexadecimal digits. The
// framework's own routine knows the current encoding of system colours only; it runs through the
// hook point ColorToTextHook.
std::string ColorToString(TColor color);
// Reads a colour name, "$" hexadecimal or a decimal number; nullopt for anything else.
std::optional<TColor> StringToColor(std::string_view text);

std::string ColorToTextDefault(TColor color);
extern THookPoint<std::string(TColor)> ColorToTextHook;
