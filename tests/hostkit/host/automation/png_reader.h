#pragma once
// A reader for the PNG files the automation writes (8-bit RGB, filter 0 rows), strict enough to
// catch a wrong checksum, length or row layout: the test's view of a screenshot.

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "hostkit/host/automation/png_writer.h"

inline uint32_t PngGet32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

inline bool ReadPng(const std::vector<uint8_t>& png, TRgbImage& image, std::string& error) {
  static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 8 || !std::equal(signature, signature + 8, png.begin())) {
    error = "no PNG signature";
    return false;
  }
  std::vector<uint8_t> packed;
  bool ended = false;
  size_t at = 8;
  while (at + 12 <= png.size() && !ended) {
    const uint32_t length = PngGet32(&png[at]);
    if (at + 12 + length > png.size()) break;
    const std::string type(reinterpret_cast<const char*>(&png[at + 4]), 4);
    const uint8_t* data = &png[at + 8];
    if (crc32(0, &png[at + 4], length + 4) != PngGet32(data + length)) {
      error = "bad checksum of " + type;
      return false;
    }
    if (type == "IHDR") {
      if (length != 13 || data[8] != 8 || data[9] != 2 || data[12] != 0) {
        error = "not 8-bit RGB without interlacing";
        return false;
      }
      image.Width = static_cast<int>(PngGet32(data));
      image.Height = static_cast<int>(PngGet32(data + 4));
    } else if (type == "IDAT") {
      packed.insert(packed.end(), data, data + length);
    } else if (type == "IEND") {
      ended = true;
    }
    at += 12 + length;
  }
  if (!ended || at != png.size()) {
    error = "chunks do not end with IEND at the end of the file";
    return false;
  }
  const size_t row = static_cast<size_t>(image.Width) * 3;
  uLongf size = static_cast<uLongf>((row + 1) * static_cast<size_t>(image.Height));
  std::vector<uint8_t> raw(size);
  if (uncompress(raw.data(), &size, packed.data(), static_cast<uLong>(packed.size())) != Z_OK ||
      size != raw.size()) {
    error = "the image data does not inflate to the image's size";
    return false;
  }
  image.Pixels.clear();
  for (int y = 0; y < image.Height; ++y) {
    const uint8_t* line = &raw[static_cast<size_t>(y) * (row + 1)];
    if (line[0] != 0) {
      error = "a row with a filter other than 0";
      return false;
    }
    image.Pixels.insert(image.Pixels.end(), line + 1, line + 1 + row);
  }
  return true;
}

inline bool ReadPngFile(const std::string& path, TRgbImage& image, std::string& error) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    error = "cannot open " + path;
    return false;
  }
  std::vector<uint8_t> bytes;
  uint8_t buffer[65536];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + got);
  std::fclose(file);
  return ReadPng(bytes, image, error);
}
