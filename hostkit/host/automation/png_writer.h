#pragma once
// PNG encoding of a captured image: 8-bit RGB, no interlacing, each row with filter 0 and the whole
// image deflated by zlib.

#include <cstdint>
#include <string>
#include <vector>

struct TRgbImage {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Pixels;  // rows top to bottom, 3 bytes (R, G, B) per pixel
};

// The PNG file's bytes; empty when the image is empty, its pixel count does not match or zlib fails.
std::vector<uint8_t> EncodePng(const TRgbImage& image);

// Writes the encoded image; false (with the reason) when encoding or writing fails.
bool WritePngFile(const std::wstring& path, const TRgbImage& image, std::string& error);
