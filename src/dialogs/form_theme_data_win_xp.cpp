#include "dialogs/form_theme_data_win_xp.h"

#include <cstddef>

const wchar_t* const TFormThemeData_WinXP::kImageNames[kImageCount] = {
    L"FRAMECAPTION",  L"FRAMELEFT",        L"FRAMERIGHT",      L"FRAMEBOTTOM",
    L"CAPTIONBUTTON", L"CLOSEBUTTON",      L"CLOSEBUTTONGLYPH", L"HELPBUTTONGLYPH",
    L"MAXBUTTONGLYPH", L"MINBUTTONGLYPH",  L"RESTOREBUTTONGLYPH"};

namespace {

// Rows of one frame of the two-frame images, and the side of a button image's square frames.
constexpr int kCaptionFrame = 29, kSideFrame = 31, kBottomFrame = 5;
constexpr TNineInsets kCaptionInsets{27, 9, 31, 13};
constexpr TNineInsets kSideInsets{1, 0, 4, 31};
constexpr TNineInsets kBottomInsets{4, 1, 45, 4};
constexpr TNineInsets kButtonInsets{4, 4, 17, 17};

}  // namespace

TFormThemeData_WinXP::TFormThemeData_WinXP(HMODULE module) {
  // The size before the padded border width: systems before 6.0 refuse the longer record.
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
    metrics.iCaptionHeight = GetSystemMetrics(SM_CYCAPTION);
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof metrics.lfCaptionFont, &metrics.lfCaptionFont);
  }
  system_caption_height_ = metrics.iCaptionHeight;
  LOGFONTW font = metrics.lfCaptionFont;
  lstrcpynW(font.lfFaceName, L"Trebuchet MS", LF_FACESIZE);
  font.lfHeight = -13;
  caption_font_.reset(CreateFontIndirectW(&font));

  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, caption_font_ ? caption_font_.get() : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW tm{};
  GetTextMetricsW(screen, &tm);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  caption_text_height_ = tm.tmHeight > 0 ? tm.tmHeight : 13;
  caption_height_ = ThemeMetric(1, caption_text_height_);

  for (int i = 0; i < kImageCount; ++i) images_[i] = std::make_unique<TThemeImage>(module, kImageNames[i]);
}

void TFormThemeData_WinXP::DrawBottomEdge(const TThemeRect& rect, HDC dc, bool active) {
  Image(tiFrameBottom).Draw(dc, Image(tiFrameBottom).Frame(kBottomFrame, active ? 0 : 1), kBottomInsets, rect, false);
}

void TFormThemeData_WinXP::DrawCaptionBackground(const TThemeRect& rect, HDC dc, bool active) {
  Image(tiFrameCaption).Draw(dc, Image(tiFrameCaption).Frame(kCaptionFrame, active ? 0 : 1), kCaptionInsets, rect, false);
}

void TFormThemeData_WinXP::DrawLeftEdge(const TThemeRect& rect, HDC dc, bool active) {
  Image(tiFrameLeft).Draw(dc, Image(tiFrameLeft).Frame(kSideFrame, active ? 0 : 1), kSideInsets, rect, false);
}

void TFormThemeData_WinXP::DrawRightEdge(const TThemeRect& rect, HDC dc, bool active) {
  Image(tiFrameRight).Draw(dc, Image(tiFrameRight).Frame(kSideFrame, active ? 0 : 1), kSideInsets, rect, false);
}

void TFormThemeData_WinXP::DrawCaptionText(const TThemeRect& rect, HDC dc, const std::wstring& text, bool) {
  HGDIOBJ old_font = SelectObject(dc, caption_font_.get());
  int old_mode = SetBkMode(dc, TRANSPARENT);
  COLORREF old_colour = SetTextColor(dc, RGB(10, 24, 131));
  const UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT | DT_TOP;
  // A dark copy one pixel right and down lifts the white text off the blue.
  RECT shadow{rect.Left + 1, rect.Top + 1, rect.Right() + 1, rect.Bottom() + 1};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shadow, format);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT r{rect.Left, rect.Top, rect.Right(), rect.Bottom()};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
  SetTextColor(dc, old_colour);
  SetBkMode(dc, old_mode);
  SelectObject(dc, old_font);
}

void TFormThemeData_WinXP::DrawButton(const TThemeRect& rect, HDC dc, TImage background, TImage glyph,
                                       TCaptionButtonState state, bool active) {
  int frame = ButtonFrameIndex(state, active);
  const TThemeImage& back = Image(background);
  back.Draw(dc, back.Frame(back.Width(), frame), kButtonInsets, rect, true);
  const TThemeImage& symbol = Image(glyph);
  TThemeRect inner{rect.Left + 4, rect.Top + 4, rect.Width - 8, rect.Height - 8};
  symbol.Blend(dc, symbol.Frame(symbol.Width(), frame), inner);
}

void TFormThemeData_WinXP::DrawCloseButton(const TThemeRect& r, HDC dc, TCaptionButtonState s, bool a) {
  DrawButton(r, dc, tiCloseButton, tiCloseGlyph, s, a);
}
void TFormThemeData_WinXP::DrawHelpButton(const TThemeRect& r, HDC dc, TCaptionButtonState s, bool a) {
  DrawButton(r, dc, tiCaptionButton, tiHelpGlyph, s, a);
}
void TFormThemeData_WinXP::DrawMaximizeButton(const TThemeRect& r, HDC dc, TCaptionButtonState s, bool a) {
  DrawButton(r, dc, tiCaptionButton, tiMaxGlyph, s, a);
}
void TFormThemeData_WinXP::DrawMinimizeButton(const TThemeRect& r, HDC dc, TCaptionButtonState s, bool a) {
  DrawButton(r, dc, tiCaptionButton, tiMinGlyph, s, a);
}
void TFormThemeData_WinXP::DrawRestoreButton(const TThemeRect& r, HDC dc, TCaptionButtonState s, bool a) {
  DrawButton(r, dc, tiCaptionButton, tiRestoreGlyph, s, a);
}

void TFormThemeData_WinXP::DrawWindowIcon(const TThemeRect& rect, HDC dc, HICON icon, bool) {
  if (icon) DrawIconEx(dc, rect.Left, rect.Top, icon, rect.Width, rect.Height, 0, nullptr, DI_NORMAL);
}

HRGN TFormThemeData_WinXP::WindowRegion(int width, int height) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  for (const TThemeRect& band : ThemeRegionBands(width, height)) {
    HRGN part = CreateRectRgn(band.Left, band.Top, band.Right(), band.Bottom());
    CombineRgn(region, region, part, RGN_OR);
    DeleteObject(part);
  }
  return region;
}

TColor TFormThemeData_WinXP::FormColor() { return static_cast<TColor>(RGB(236, 233, 216)); }
