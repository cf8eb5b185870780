#pragma once
// One image of the painted caption and frame, read from an RCDATA resource: a zlib stream of a
// 32-bit length and a 32-bit DIB with premultiplied alpha. It is kept as a DIB section and drawn
// frame by frame in nine parts, alpha-blended or copied.

#include <windows.h>

#include <string>

#include "base/exceptions.h"
#include "base/unique_handle.h"
#include "dialogs/theme_geometry.h"

// A theme image resource that is missing or does not hold a usable image.
class EThemeImageError : public Exception {
  TAVRIN_CLASS(EThemeImageError, Exception)
 public:
  using Exception::Exception;
};

class TThemeImage {
 public:
  // Reads the resource of that name from the module; throws EThemeImageError.
  TThemeImage(HMODULE module, const wchar_t* name);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The stacked frame of that index; frames are frame_height rows each.
  TThemeRect Frame(int frame_height, int index) const { return ImageFrame(width_, frame_height, index); }
  // The pixel at (x, y) from the top: premultiplied BGRA as one value (alpha in the top byte).
  uint32_t Pixel(int x, int y) const;

  // Draws a frame of the image into the target in nine parts; blend: alpha-blended, otherwise
  // copied (stretched in halftone mode).
  void Draw(HDC dc, const TThemeRect& frame, const TNineInsets& insets, const TThemeRect& target,
            bool blend) const;
  // Draws a frame stretched as a whole, alpha-blended.
  void Blend(HDC dc, const TThemeRect& frame, const TThemeRect& target) const;

 private:
  std::wstring name_;
  TUniqueHbitmap bitmap_;
  const uint32_t* bits_ = nullptr;
  int width_ = 0, height_ = 0;
  bool bottom_up_ = true;
};
