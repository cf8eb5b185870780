#include "png_writer.h"

#include <windows.h>
#include <zlib.h>

#include "base/unique_handle.h"

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value >> 24));
  out.push_back(static_cast<uint8_t>(value >> 16));
  out.push_back(static_cast<uint8_t>(value >> 8));
  out.push_back(static_cast<uint8_t>(value));
}

void PutChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data) {
  Put32(out, static_cast<uint32_t>(data.size()));
  const size_t type_at = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  // The checksum covers the type and the data, not the length.
  uLong crc = crc32(0L, out.data() + type_at, static_cast<uInt>(4 + data.size()));
  Put32(out, static_cast<uint32_t>(crc));
}

}  // namespace

std::vector<uint8_t> EncodePng(const TRgbImage& image) {
  if (image.Width <= 0 || image.Height <= 0) return {};
  const size_t row = static_cast<size_t>(image.Width) * 3;
  if (image.Pixels.size() != row * static_cast<size_t>(image.Height)) return {};

  std::vector<uint8_t> raw;
  raw.reserve((row + 1) * static_cast<size_t>(image.Height));
  for (int y = 0; y < image.Height; ++y) {
    raw.push_back(0);
    const uint8_t* first = image.Pixels.data() + row * static_cast<size_t>(y);
    raw.insert(raw.end(), first, first + row);
  }
  uLongf packed_size = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(packed_size);
  if (compress2(packed.data(), &packed_size, raw.data(), static_cast<uLong>(raw.size()),
                Z_BEST_COMPRESSION) != Z_OK)
    return {};
  packed.resize(packed_size);

  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  Put32(header, static_cast<uint32_t>(image.Width));
  Put32(header, static_cast<uint32_t>(image.Height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // depth 8, RGB, deflate, filter set 0, no interlace
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  return out;
}

bool WritePngFile(const std::wstring& path, const TRgbImage& image, std::string& error) {
  std::vector<uint8_t> bytes = EncodePng(image);
  if (bytes.empty()) {
    error = "the image could not be encoded";
    return false;
  }
  HANDLE created = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (created == INVALID_HANDLE_VALUE) {
    error = "cannot create the file (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  TUniqueKernelHandle file(created);
  DWORD written = 0;
  if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size()) {
    error = "cannot write the file (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  return true;
}
