#include "window_capture.h"

#include "base/unique_handle.h"

namespace {

struct TWindowDc {
  HWND Window;
  HDC Dc;
  ~TWindowDc() {
    if (Dc) ReleaseDC(Window, Dc);
  }
};

struct TMemoryDc {
  HDC Dc;
  ~TMemoryDc() {
    if (Dc) DeleteDC(Dc);
  }
};

}  // namespace

bool CaptureWindow(HWND window, TRgbImage& image, std::string& error) {
  if (!IsWindow(window)) {
    error = "the window is gone";
    return false;
  }
  RECT bounds;
  GetWindowRect(window, &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  if (width <= 0 || height <= 0) {
    error = "the window has no area";
    return false;
  }

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  // The screen holds what the user sees, child windows and overlapping owned windows included.
  TWindowDc screen{nullptr, GetDC(nullptr)};
  TMemoryDc memory{CreateCompatibleDC(screen.Dc)};
  TUniqueHbitmap bitmap(CreateDIBSection(screen.Dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!screen.Dc || !memory.Dc || !bitmap || !bits) {
    error = "no device context or bitmap for the capture";
    return false;
  }
  HGDIOBJ old = SelectObject(memory.Dc, bitmap.get());
  BOOL copied = BitBlt(memory.Dc, 0, 0, width, height, screen.Dc, bounds.left, bounds.top,
                       SRCCOPY | CAPTUREBLT);
  GdiFlush();
  SelectObject(memory.Dc, old);
  if (!copied) {
    error = "the screen could not be copied";
    return false;
  }

  image.Width = width;
  image.Height = height;
  image.Pixels.resize(static_cast<size_t>(width) * height * 3);
  const auto* source = static_cast<const uint8_t*>(bits);  // B, G, R, unused
  for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; ++i) {
    image.Pixels[i * 3] = source[i * 4 + 2];
    image.Pixels[i * 3 + 1] = source[i * 4 + 1];
    image.Pixels[i * 3 + 2] = source[i * 4];
  }
  return true;
}
