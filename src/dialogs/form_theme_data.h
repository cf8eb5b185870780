#pragma once
// What the painted caption and frame are drawn with: the drawing of each part, the window region,
// the form colour and the measurements. One shared instance serves every dialog of the library.

#include <windows.h>

#include <string>

#include "base/object.h"
#include "dialogs/theme_geometry.h"
#include "forms/color.h"

class TFormThemeData : public TObject {
  TAVRIN_CLASS(TFormThemeData, TObject)
 public:
  ~TFormThemeData() override;

  virtual void DrawBottomEdge(const TThemeRect& rect, HDC dc, bool active) = 0;
  virtual void DrawCaptionBackground(const TThemeRect& rect, HDC dc, bool active) = 0;
  virtual void DrawCaptionText(const TThemeRect& rect, HDC dc, const std::wstring& text, bool active) = 0;
  virtual void DrawCloseButton(const TThemeRect& rect, HDC dc, TCaptionButtonState state, bool active) = 0;
  virtual void DrawHelpButton(const TThemeRect& rect, HDC dc, TCaptionButtonState state, bool active) = 0;
  virtual void DrawLeftEdge(const TThemeRect& rect, HDC dc, bool active) = 0;
  virtual void DrawMaximizeButton(const TThemeRect& rect, HDC dc, TCaptionButtonState state, bool active) = 0;
  virtual void DrawMinimizeButton(const TThemeRect& rect, HDC dc, TCaptionButtonState state, bool active) = 0;
  virtual void DrawRestoreButton(const TThemeRect& rect, HDC dc, TCaptionButtonState state, bool active) = 0;
  virtual void DrawRightEdge(const TThemeRect& rect, HDC dc, bool active) = 0;
  virtual void DrawWindowIcon(const TThemeRect& rect, HDC dc, HICON icon, bool active) = 0;
  // A new region (the caller owns it) for a window of that size.
  virtual HRGN WindowRegion(int width, int height) = 0;
  virtual TColor FormColor() = 0;
  // The caption height of the system's own frame.
  virtual int SystemCaptionHeight() = 0;
  // A theme metric (ThemeMetric's table).
  virtual int Metric(int index) = 0;
};

// The library's shared theme data (TFormThemeData_WinXP over this library's images), made on the
// first request; a missing image raises EThemeImageError then, and the next request tries again.
TFormThemeData& SharedFormThemeData();
// Frees the shared theme data (library end).
void FreeSharedFormThemeData();
