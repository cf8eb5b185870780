#include "forms/color.h"

#include <cstdio>
#include <cstdlib>

#include "base/ascii.h"

namespace {

struct TColorName {
  TColor color;
  const char* name;
};

constexpr TColorName kNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
};

}  // namespace

std::string ColorToTextDefault(TColor color) {
  for (const TColorName& n : kNames)
    if (n.color == color) return n.name;
  char text[16];
  std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(color));
  return text;
}

THookPoint<std::string(TColor)> ColorToTextHook("ColorToText", &ColorToTextDefault);

std::string ColorToString(TColor color) { return ColorToTextHook(color); }

std::optional<TColor> StringToColor(std::string_view text) {
  for (const TColorName& n : kNames)
    if (AsciiIequals(n.name, text)) return n.color;
  if (text.empty()) return std::nullopt;
  bool hex = text.front() == '$';
  std::string digits(hex ? text.substr(1) : text);
  bool negative = !hex && !digits.empty() && digits.front() == '-';
  if (negative) digits.erase(0, 1);
  if (digits.empty() || digits.size() > (hex ? 8u : 10u)) return std::nullopt;
  for (char c : digits) {
    bool ok = hex ? (AsciiIsDigit(c) || (AsciiLower(c) >= 'a' && AsciiLower(c) <= 'f'))
                  : AsciiIsDigit(c);
    if (!ok) return std::nullopt;
  }
  long long value = std::strtoll(digits.c_str(), nullptr, hex ? 16 : 10);
  if (negative) value = -value;
  if (value < INT32_MIN || value > static_cast<long long>(UINT32_MAX)) return std::nullopt;
  return static_cast<TColor>(static_cast<uint32_t>(value));
}
