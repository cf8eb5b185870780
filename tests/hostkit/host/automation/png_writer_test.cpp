#include "hostkit/host/automation/png_writer.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <map>

#include "png_reader.h"

namespace {

TEST(PngWriter, WritesChunksWithValidChecksumsAndTheExactPixels) {
  TRgbImage image;
  image.Width = 3;
  image.Height = 2;
  image.Pixels = {255, 0, 0, 0, 255, 0, 0, 0, 255,  //
                  10, 20, 30, 40, 50, 60, 70, 80, 90};
  std::vector<uint8_t> png = EncodePng(image);
  TRgbImage back;
  std::string error;
  ASSERT_TRUE(ReadPng(png, back, error)) << error;
  EXPECT_EQ(back.Width, 3);
  EXPECT_EQ(back.Height, 2);
  EXPECT_EQ(back.Pixels, image.Pixels);
}

TEST(PngWriter, ALargeImageRoundTrips) {
  TRgbImage image;
  image.Width = 517;
  image.Height = 301;
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x)
      image.Pixels.insert(image.Pixels.end(), {static_cast<uint8_t>(x), static_cast<uint8_t>(y),
                                               static_cast<uint8_t>(x ^ y)});
  TRgbImage back;
  std::string error;
  ASSERT_TRUE(ReadPng(EncodePng(image), back, error)) << error;
  EXPECT_EQ(back.Pixels, image.Pixels);
}

TEST(PngWriter, RefusesImagesWhoseSizeDoesNotMatchThePixels) {
  TRgbImage empty;
  EXPECT_TRUE(EncodePng(empty).empty());
  TRgbImage short_rows;
  short_rows.Width = 2;
  short_rows.Height = 2;
  short_rows.Pixels.assign(11, 0);
  EXPECT_TRUE(EncodePng(short_rows).empty());
  std::string error;
  EXPECT_FALSE(WritePngFile(L"never-written.png", short_rows, error));
  EXPECT_EQ(error, "the image could not be encoded");
}

}  // namespace
