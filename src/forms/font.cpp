#include "forms/font.h"

#include "base/text_convert.h"
#include "forms/enum_info.h"
#include "forms/property.h"

TFont::TFont() : charset_(DefaultCharset) {
  PublishOnce<TFont>([](TPublisher<TFont>& p) {
    p.Integer("Charset", &TFont::Charset, &TFont::SetCharset);
    p.Color("Color", &TFont::Color, &TFont::SetColor);
    p.Integer("Height", &TFont::Height, &TFont::SetHeight);
    p.String("Name", &TFont::Name, &TFont::SetName);
    p.Integer("Size", &TFont::Size, &TFont::SetSize);
    p.Set("Style", FontStyleInfo(), &TFont::Style, &TFont::SetStyle);
  });
}

int TFont::ScreenPixelsPerInch() {
  static const int ppi = [] {
    HDC dc = GetDC(nullptr);
    int v = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    return v > 0 ? v : 96;
  }();
  return ppi;
}

void TFont::Changed() {
  handle_.reset();
  has_logfont_ = false;
  if (OnChange) OnChange();
}

void TFont::SetName(std::string_view name) {
  if (name.empty() || name == name_) return;
  name_ = std::string(name);
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, ScreenPixelsPerInch()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72)); }

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  // The colour is not part of the GDI font: keep the handle.
  if (OnChange) OnChange();
}

void TFont::SetCharset(uint8_t charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  name_ = source.name_;
  height_ = source.height_;
  style_ = source.style_;
  color_ = source.color_;
  charset_ = source.charset_;
  handle_.reset();
  has_logfont_ = source.has_logfont_;
  logfont_ = source.logfont_;
  if (OnChange) OnChange();
}

bool TFont::SameAs(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ &&
         color_ == other.color_ && charset_ == other.charset_;
}

LOGFONTW TFont::LogFont() const {
  if (has_logfont_) return logfont_;
  LOGFONTW lf{};
  lf.lfHeight = height_;
  lf.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = style_.Contains(fsItalic);
  lf.lfUnderline = style_.Contains(fsUnderline);
  lf.lfStrikeOut = style_.Contains(fsStrikeOut);
  lf.lfCharSet = charset_;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  std::wstring face = ToWide(name_);
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  return lf;
}

void TFont::SetLogFont(const LOGFONTW& logfont) {
  LOGFONTW lf = logfont;
  lf.lfFaceName[LF_FACESIZE - 1] = 0;
  name_ = ToAnsi(lf.lfFaceName);
  height_ = lf.lfHeight;
  style_ = {};
  if (lf.lfWeight >= FW_BOLD) style_.Include(fsBold);
  if (lf.lfItalic) style_.Include(fsItalic);
  if (lf.lfUnderline) style_.Include(fsUnderline);
  if (lf.lfStrikeOut) style_.Include(fsStrikeOut);
  charset_ = lf.lfCharSet;
  handle_.reset();
  logfont_ = lf;
  has_logfont_ = true;
  if (OnChange) OnChange();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW lf = LogFont();
    handle_.reset(CreateFontIndirectW(&lf));
  }
  return handle_.get();
}
