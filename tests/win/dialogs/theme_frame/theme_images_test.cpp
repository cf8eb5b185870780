// The images drawn at build time, as the theme data reads them back from the program's resources:
// their sizes, frames and Alpha; a missing one stops the theme data from being made.

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "base/text_convert.h"
#include "dialogs/form_theme_data_win_xp.h"

namespace {

using TImage = TFormThemeData_WinXP::TImage;

struct TImageCase {
  TImage image;
  int width, height, frames;
};

const TImageCase kImages[] = {
    {TFormThemeData_WinXP::tiFrameCaption, 66, 58, 2}, {TFormThemeData_WinXP::tiFrameLeft, 5, 62, 2},
    {TFormThemeData_WinXP::tiFrameRight, 5, 62, 2},    {TFormThemeData_WinXP::tiFrameBottom, 49, 10, 2},
    {TFormThemeData_WinXP::tiCaptionButton, 21, 168, 8}, {TFormThemeData_WinXP::tiCloseButton, 21, 168, 8},
    {TFormThemeData_WinXP::tiCloseGlyph, 13, 104, 8},  {TFormThemeData_WinXP::tiHelpGlyph, 13, 104, 8},
    {TFormThemeData_WinXP::tiMaxGlyph, 13, 104, 8},    {TFormThemeData_WinXP::tiMinGlyph, 13, 104, 8},
    {TFormThemeData_WinXP::tiRestoreGlyph, 13, 104, 8}};

HMODULE OwnModule() { return GetModuleHandleW(nullptr); }

uint8_t Alpha(uint32_t pixel) { return static_cast<uint8_t>(pixel >> 24); }

class ThemeImagesTest : public ::testing::TestWithParam<TImageCase> {
 protected:
  static void SetUpTestSuite() { data = new TFormThemeData_WinXP(OwnModule()); }
  static void TearDownTestSuite() {
    delete data;
    data = nullptr;
  }
  static TFormThemeData_WinXP* data;
};
TFormThemeData_WinXP* ThemeImagesTest::data = nullptr;

TEST_P(ThemeImagesTest, HasItsSizeFramesAndAlpha) {
  const TImageCase& c = GetParam();
  const TThemeImage& image = data->Image(c.image);
  EXPECT_EQ(image.Width(), c.width);
  EXPECT_EQ(image.Height(), c.height);
  EXPECT_EQ(image.Height() % c.frames, 0);
  int frame_height = image.Height() / c.frames;
  if (c.frames == 8) {
    EXPECT_EQ(frame_height, image.Width()) << "button frames are square";
  }

  // Every frame has something opaque; Alpha values are premultiplied (no colour above Alpha).
  for (int f = 0; f < c.frames; ++f) {
    int opaque = 0;
    for (int y = f * frame_height; y < (f + 1) * frame_height; ++y)
      for (int x = 0; x < image.Width(); ++x) {
        uint32_t p = image.Pixel(x, y);
        if (Alpha(p) > 0) ++opaque;
        for (int shift : {0, 8, 16}) ASSERT_LE((p >> shift) & 0xFF, Alpha(p)) << x << "," << y;
      }
    EXPECT_GT(opaque, 0) << "frame " << f;
  }
}

INSTANTIATE_TEST_SUITE_P(Images, ThemeImagesTest, ::testing::ValuesIn(kImages),
                         [](const ::testing::TestParamInfo<TImageCase>& info) {
                           return ToAnsi(TFormThemeData_WinXP::kImageNames[info.param.image]);
                         });

TEST_F(ThemeImagesTest, ButtonsAndSymbolsBlendAtTheirEdges) {
  // Rounded button corners are see-through, their middle is solid; symbols are partly covered.
  for (TImage button : {TFormThemeData_WinXP::tiCaptionButton, TFormThemeData_WinXP::tiCloseButton}) {
    EXPECT_EQ(Alpha(data->Image(button).Pixel(0, 0)), 0);
    EXPECT_EQ(Alpha(data->Image(button).Pixel(10, 10)), 255);
  }
  const TThemeImage& close = data->Image(TFormThemeData_WinXP::tiCloseGlyph);
  bool partial = false;
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 13; ++x) partial = partial || (Alpha(close.Pixel(x, y)) > 0 && Alpha(close.Pixel(x, y)) < 255);
  EXPECT_TRUE(partial);
  // The disabled symbol is fainter than the normal one.
  EXPECT_LT(Alpha(close.Pixel(6, 6 + 3 * 13)), Alpha(close.Pixel(6, 6)));
  // The caption background is fully opaque inside; only the cut corners may be clear.
  const TThemeImage& caption = data->Image(TFormThemeData_WinXP::tiFrameCaption);
  EXPECT_EQ(Alpha(caption.Pixel(33, 15)), 255);
  EXPECT_EQ(Alpha(caption.Pixel(33, 29 + 15)), 255);
}

TEST(ThemeData, CaptionFontAndMetrics) {
  TFormThemeData_WinXP data(OwnModule());
  ASSERT_NE(data.CaptionFont(), nullptr);
  LOGFONTW font{};
  GetObjectW(data.CaptionFont(), sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, L"Trebuchet MS");
  EXPECT_EQ(font.lfHeight, -13);
  EXPECT_GT(data.CaptionTextHeight(), 0);
  EXPECT_EQ(data.Metric(1), data.CaptionTextHeight() + 12);
  EXPECT_EQ(data.Metric(2), data.CaptionTextHeight());
  EXPECT_EQ(data.Metric(0), 4);
  EXPECT_EQ(data.Metric(128 + 7), 16);
  EXPECT_EQ(data.FormColor(), static_cast<TColor>(RGB(236, 233, 216)));
  EXPECT_GT(data.SystemCaptionHeight(), 0);
}

// A copy of this program whose resource directory no longer names one image: the name's entry (a
// length word and the UTF-16 letters) gets another last letter, so the image is missing.
class MissingImage : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t self[MAX_PATH], dir[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    GetTempPathW(MAX_PATH, dir);
    copy_ = std::wstring(dir) + L"tavrin_missing_image_" + std::to_wstring(GetCurrentProcessId()) + L".exe";
    std::ifstream in(self, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::wstring name = L"MINBUTTONGLYPH";
    std::string entry(2, '\0');
    entry[0] = static_cast<char>(name.size());
    for (wchar_t c : name) entry += std::string{static_cast<char>(c), '\0'};
    size_t at = bytes.find(entry);
    ASSERT_NE(at, std::string::npos);
    ASSERT_EQ(bytes.find(entry, at + 1), std::string::npos) << "the name is in the directory once";
    bytes[at + entry.size() - 2] = 'X';
    std::ofstream out(copy_.c_str(), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    module_ = LoadLibraryExW(copy_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
    DeleteFileW(copy_.c_str());
  }
  std::wstring copy_;
  HMODULE module_ = nullptr;
};

TEST_F(MissingImage, RaisesWhileTheThemeDataIsMade) {
  ASSERT_EQ(FindResourceW(module_, L"MINBUTTONGLYPH", MAKEINTRESOURCEW(10)), nullptr);
  ASSERT_NE(FindResourceW(module_, L"MAXBUTTONGLYPH", MAKEINTRESOURCEW(10)), nullptr);
  try {
    TFormThemeData_WinXP data(module_);
    FAIL() << "made theme data without MINBUTTONGLYPH";
  } catch (const EThemeImageError& e) {
    EXPECT_NE(e.Message().find("MINBUTTONGLYPH"), std::string::npos) << e.Message();
  }
}

}  // namespace
