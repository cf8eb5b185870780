#pragma once
// The blue caption and frame: eleven images from the module's resources and a caption font after
// the system's with the face "Trebuchet MS", 13 pixels high.

#include <array>
#include <memory>

#include "base/unique_handle.h"
#include "dialogs/form_theme_data.h"
#include "dialogs/theme_image.h"

class TFormThemeData_WinXP : public TFormThemeData {
  TAVRIN_CLASS(TFormThemeData_WinXP, TFormThemeData)
 public:
  // Reads the images from the module's RCDATA resources; throws EThemeImageError for a missing or
  // damaged one.
  explicit TFormThemeData_WinXP(HMODULE module);

  void DrawBottomEdge(const TThemeRect& rect, HDC dc, bool active) override;
  void DrawCaptionBackground(const TThemeRect& rect, HDC dc, bool active) override;
  void DrawCaptionText(const TThemeRect& rect, HDC dc, const std::wstring& text, bool active) override;
  void DrawCloseButton(const TThemeRect& rect, HDC dc, TCaptionButtonState state, bool active) override;
  void DrawHelpButton(const TThemeRect& rect, HDC dc, TCaptionButtonState state, bool active) override;
  void DrawLeftEdge(const TThemeRect& rect, HDC dc, bool active) override;
  void DrawMaximizeButton(const TThemeRect& rect, HDC dc, TCaptionButtonState state, bool active) override;
  void DrawMinimizeButton(const TThemeRect& rect, HDC dc, TCaptionButtonState state, bool active) override;
  void DrawRestoreButton(const TThemeRect& rect, HDC dc, TCaptionButtonState state, bool active) override;
  void DrawRightEdge(const TThemeRect& rect, HDC dc, bool active) override;
  void DrawWindowIcon(const TThemeRect& rect, HDC dc, HICON icon, bool active) override;
  HRGN WindowRegion(int width, int height) override;
  TColor FormColor() override;
  int SystemCaptionHeight() override { return system_caption_height_; }
  int Metric(int index) override { return ThemeMetric(index, caption_text_height_); }

  HFONT CaptionFont() const { return caption_font_.get(); }
  int CaptionTextHeight() const { return caption_text_height_; }
  int CaptionHeight() const { return caption_height_; }

  enum TImage {
    tiFrameCaption, tiFrameLeft, tiFrameRight, tiFrameBottom, tiCaptionButton, tiCloseButton,
    tiCloseGlyph, tiHelpGlyph, tiMaxGlyph, tiMinGlyph, tiRestoreGlyph, kImageCount
  };
  static const wchar_t* const kImageNames[kImageCount];
  const TThemeImage& Image(TImage which) const { return *images_[which]; }

 private:
  void DrawButton(const TThemeRect& rect, HDC dc, TImage background, TImage glyph,
                   TCaptionButtonState state, bool active);

  int border_width_ = kThemeBorderWidth;
  TUniqueHfont caption_font_;
  int caption_text_height_ = 0;
  int caption_height_ = 0;
  std::array<std::unique_ptr<TThemeImage>, kImageCount> images_;
  int system_caption_height_ = 0;
};
