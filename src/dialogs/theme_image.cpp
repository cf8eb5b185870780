#include "dialogs/theme_image.h"

#include <zlib.h>

#include <cstring>
#include <vector>

#include "base/scope_guard.h"
#include "base/text_convert.h"

namespace {

constexpr uint32_t kMaxImageBytes = 4u << 20;

// Selects the bitmap into a memory DC for the length of one drawing.
class TSelectedBitmap {
 public:
  TSelectedBitmap(HDC like, HBITMAP bitmap) : dc_(CreateCompatibleDC(like)) {
    if (dc_) old_ = SelectObject(dc_, bitmap);
  }
  ~TSelectedBitmap() {
    if (!dc_) return;
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  TSelectedBitmap(const TSelectedBitmap&) = delete;
  TSelectedBitmap& operator=(const TSelectedBitmap&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};

}  // namespace

TThemeImage::TThemeImage(HMODULE module, const wchar_t* name) : name_(name) {
  std::string what = "theme image " + ToAnsi(name_);
  HRSRC info = FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) throw EThemeImageError("The " + what + " is missing from the library's resources");
  DWORD size = SizeofResource(module, info);

  // The stream starts with the length of what follows; nothing may follow the image.
  z_stream z{};
  if (inflateInit(&z) != Z_OK) throw EThemeImageError("The " + what + " cannot be inflated");
  auto end = OnScopeExit([&] { inflateEnd(&z); });
  z.next_in = static_cast<Bytef*>(const_cast<void*>(data));
  z.avail_in = size;
  uint8_t length_bytes[4] = {};
  z.next_out = length_bytes;
  z.avail_out = 4;
  int rc = inflate(&z, Z_NO_FLUSH);
  if ((rc != Z_OK && rc != Z_STREAM_END) || z.avail_out != 0)
    throw EThemeImageError("The " + what + " is not a zlib stream of an image");
  uint32_t length = length_bytes[0] | length_bytes[1] << 8 | length_bytes[2] << 16 |
                    static_cast<uint32_t>(length_bytes[3]) << 24;
  if (length < sizeof(BITMAPINFOHEADER) || length > kMaxImageBytes)
    throw EThemeImageError("The " + what + " has an impossible length");
  std::vector<uint8_t> buffer(size_t{length} + 1);
  z.next_out = buffer.data();
  z.avail_out = static_cast<uInt>(buffer.size());
  rc = inflate(&z, Z_FINISH);
  if (rc != Z_STREAM_END || z.avail_out != 1) throw EThemeImageError("The " + what + " is damaged");

  BITMAPINFOHEADER header;
  std::memcpy(&header, buffer.data(), sizeof header);
  long long w = header.biWidth, h = header.biHeight < 0 ? -static_cast<long long>(header.biHeight) : header.biHeight;
  if (header.biSize != sizeof header || header.biBitCount != 32 || header.biCompression != BI_RGB ||
      w <= 0 || h <= 0 || header.biPlanes != 1 || size_t(w * h * 4) != length - sizeof header)
    throw EThemeImageError("The " + what + " is not a 32-bit image");
  width_ = static_cast<int>(w);
  height_ = static_cast<int>(h);
  bottom_up_ = header.biHeight > 0;

  BITMAPINFO bmi{};
  bmi.bmiHeader = header;
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_ || !bits) throw EThemeImageError("No bitmap can be made for the " + what);
  std::memcpy(bits, buffer.data() + sizeof header, length - sizeof header);
  bits_ = static_cast<const uint32_t*>(bits);
}

uint32_t TThemeImage::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  int row = bottom_up_ ? height_ - 1 - y : y;
  return bits_[row * width_ + x];
}

void TThemeImage::Draw(HDC dc, const TThemeRect& frame, const TNineInsets& insets,
                       const TThemeRect& target, bool blend) const {
  TSelectedBitmap source(dc, bitmap_.get());
  if (!source.get()) return;
  int old_mode = blend ? 0 : SetStretchBltMode(dc, HALFTONE);
  POINT old_origin;
  if (!blend) SetBrushOrgEx(dc, 0, 0, &old_origin);
  BLENDFUNCTION fn{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  for (const TNinePart& p : NineParts(frame, insets, target)) {
    const TThemeRect& s = p.Source;
    const TThemeRect& t = p.Target;
    if (blend)
      AlphaBlend(dc, t.Left, t.Top, t.Width, t.Height, source.get(), s.Left, s.Top, s.Width, s.Height, fn);
    else
      StretchBlt(dc, t.Left, t.Top, t.Width, t.Height, source.get(), s.Left, s.Top, s.Width, s.Height, SRCCOPY);
  }
  if (!blend) {
    SetStretchBltMode(dc, old_mode);
    SetBrushOrgEx(dc, old_origin.x, old_origin.y, nullptr);
  }
}

void TThemeImage::Blend(HDC dc, const TThemeRect& frame, const TThemeRect& target) const {
  if (target.Empty()) return;
  TSelectedBitmap source(dc, bitmap_.get());
  if (!source.get()) return;
  BLENDFUNCTION fn{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, target.Left, target.Top, target.Width, target.Height, source.get(), frame.Left,
             frame.Top, frame.Width, frame.Height, fn);
}
