#pragma once
// Fonts: name, height in pixels (negative: character height, as layouts store it) or size in
// points, style, colour and character set, and the GDI font made from them on demand. A control
// owns its font and hears every change (OnChange).

#include <windows.h>
// wingdi's GetObject macro would rename TStrings::GetObject in every file that includes us.
#undef GetObject

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/object.h"
#include "base/unique_handle.h"
#include "forms/color.h"
#include "forms/form_types.h"

class TFont : public TObject {
  TAVRIN_CLASS(TFont, TObject)
 public:
  TFont();
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(std::string_view name);
  int Height() const { return height_; }
  void SetHeight(int height);
  // Points at the screen's pixels per inch.
  int Size() const;
  void SetSize(int points);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  uint8_t Charset() const { return charset_; }
  void SetCharset(uint8_t charset);

  // Copies name, height, style, colour and character set, then reports one change.
  void Assign(const TFont& source);
  bool SameAs(const TFont& other) const;

  // The logical font the attributes describe.
  LOGFONTW LogFont() const;
  // Takes name, height, style and character set from a logical font and makes the handle from
  // that very logical font (so fields the attributes do not cover, such as quality, survive).
  void SetLogFont(const LOGFONTW& logfont);
  // Made on first use; stays valid until the next change.
  HFONT Handle() const;

  std::function<void()> OnChange;

  static int ScreenPixelsPerInch();
  // The character set of newly made fonts; start-up may change it.
  static inline uint8_t DefaultCharset = DEFAULT_CHARSET;

 private:
  void Changed();
  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TFontStyles style_;
  TColor color_ = clWindowText;
  uint8_t charset_;
  mutable TUniqueHfont handle_;
  mutable bool has_logfont_ = false;
  mutable LOGFONTW logfont_{};
};
