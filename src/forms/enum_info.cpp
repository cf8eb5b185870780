#include "forms/enum_info.h"

#include "base/ascii.h"

std::string TEnumInfo::Name(int64_t value) const {
  if (value >= 0 && value < Count()) return names_[static_cast<size_t>(value)];
  return std::to_string(value);
}

std::optional<int> TEnumInfo::Value(std::string_view name) const {
  for (int i = 0; i < Count(); ++i)
    if (AsciiIequals(names_[static_cast<size_t>(i)], name)) return i;
  return std::nullopt;
}

std::string TEnumInfo::SetText(uint32_t bits) const {
  std::string text = "[";
  for (int i = 0; i < 32; ++i) {
    if (!(bits & (uint32_t{1} << i))) continue;
    if (text.size() > 1) text += ", ";
    text += Name(i);
  }
  return text + "]";
}

const TEnumInfo& BorderStyleInfo() {
  static const TEnumInfo info("TBorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog",
                                                "bsToolWindow", "bsSizeToolWin"});
  return info;
}
const TEnumInfo& BorderIconInfo() {
  static const TEnumInfo info("TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"});
  return info;
}
const TEnumInfo& PositionInfo() {
  static const TEnumInfo info("TPosition",
                              {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                               "poScreenCenter", "poDesktopCenter", "poMainFormCenter",
                               "poOwnerFormCenter"});
  return info;
}
const TEnumInfo& WindowStateInfo() {
  static const TEnumInfo info("TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"});
  return info;
}
const TEnumInfo& FontStyleInfo() {
  static const TEnumInfo info("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
  return info;
}
const TEnumInfo& ModalResultInfo() {
  static const TEnumInfo info("TModalResult", {"mrNone", "mrOk", "mrCancel", "mrAbort", "mrRetry",
                                                "mrIgnore", "mrYes", "mrNo"});
  return info;
}
