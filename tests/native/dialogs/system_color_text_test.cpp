#include "dialogs/system_color_text.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemColorText, TheOldSystemColourEncodingTakesTheCurrentOnesTopByte) {
  EXPECT_EQ(CurrentSystemColorEncoding(static_cast<TColor>(0x8000000F)), static_cast<TColor>(0xFF00000F));
  EXPECT_EQ(CurrentSystemColorEncoding(static_cast<TColor>(0x80ABCDEF)), static_cast<TColor>(0xFFABCDEF));
  // Everything else passes unchanged, the other top bytes among them.
  for (uint32_t value : {0xFF00000Fu, 0x0000000Fu, 0x00FFFFFFu, 0x1FFFFFFFu, 0x20000000u, 0x7F00000Fu, 0x81000000u})
    EXPECT_EQ(CurrentSystemColorEncoding(static_cast<TColor>(value)), static_cast<TColor>(value)) << std::hex << value;
}

TEST(SystemColorText, InstalledBothEncodingsGiveTheSameNameAndRemovalRestoresTheFrameworksText) {
  InstallSystemColorText();
  EXPECT_EQ(ColorToString(static_cast<TColor>(0x8000000F)), "clBtnFace");
  EXPECT_EQ(ColorToString(static_cast<TColor>(0x8000000F)), ColorToString(static_cast<TColor>(0xFF00000F)));
  EXPECT_EQ(ColorToString(clRed), "clRed");
  RemoveSystemColorText();
  EXPECT_FALSE(ColorToTextHook.Installed());
  EXPECT_EQ(ColorToString(static_cast<TColor>(0x8000000F)), "$8000000F");
}

}  // namespace
