#include "dialogs/theme_geometry.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

// A Caption font 15 Pixels high gives a 27-pixel bar and 18-pixel buttons.
TCaptionInput Caption(TBorderStyle style, TBorderIcons icons, bool maximised = false) {
  TCaptionInput in;
  in.Left = 100;
  in.Top = 50;
  in.Width = 300;
  in.TextHeight = 15;
  in.CaptionHeight = ThemeMetric(1, 15);
  in.BorderStyle = style;
  in.BorderIcons = icons;
  in.Maximised = maximised;
  return in;
}

TEST(ThemeMetric, TableFollowsTheCaptionFontAndWrapsAt128) {
  const int expected[] = {4, 27, 15, 2, 6, 6, 3, 16, 8, 4, 2, 0, 0};
  for (int i = 0; i < 13; ++i) {
    EXPECT_EQ(ThemeMetric(i, 15), expected[i]) << i;
    EXPECT_EQ(ThemeMetric(i + 128, 15), expected[i]) << i + 128;
  }
  EXPECT_EQ(ThemeMetric(1, 13), 25);
}

TEST(LayoutCaption, ServerDialogShowsCloseAndHelpAndNoIcon) {
  TCaptionLayout l = LayoutCaption(Caption(bsDialog, {biSystemMenu, biHelp}));
  EXPECT_TRUE(l.Shown[ceClose]);
  EXPECT_TRUE(l.Shown[ceHelp]);
  EXPECT_FALSE(l.Shown[ceMinimize]);
  EXPECT_FALSE(l.Shown[ceMaximize]);
  EXPECT_FALSE(l.Icon);
  // s = 27 - 9 = 18: close at L + W - 6 - s, help two buttons and a gap further left.
  EXPECT_EQ(l.Buttons[ceClose], (TThemeRect{100 + 300 - 6 - 18, 56, 18, 18}));
  EXPECT_EQ(l.Buttons[ceHelp], (TThemeRect{100 + 300 - 6 - 36 - 2, 56, 18, 18}));
  // Without an icon the text starts 8 Pixels in and may run under the buttons.
  EXPECT_EQ(l.Text.Left, 108);
  EXPECT_EQ(l.Text.Right(), 392);
  EXPECT_EQ(l.Text.Top, 50 + 4 + (27 - 15 - 4) / 2);
  EXPECT_EQ(l.Text.Height, 15);
  EXPECT_EQ(l.Bar, (TThemeRect{100, 50, 300, 27}));
}

TEST(LayoutCaption, SizeableWindowWithBothBoxesAndIcon) {
  TCaptionLayout l = LayoutCaption(Caption(bsSizeable, {biSystemMenu, biMinimize, biMaximize, biHelp}));
  EXPECT_TRUE(l.Shown[ceMinimize]);
  EXPECT_TRUE(l.Shown[ceMaximize]);
  EXPECT_FALSE(l.RestoreButton);
  // Help is hidden when the window has minimize or maximize boxes and is not a dialog.
  EXPECT_FALSE(l.Shown[ceHelp]);
  EXPECT_EQ(l.Buttons[ceMinimize].Left, 400 - 6 - 54 - 4);
  EXPECT_TRUE(l.Icon);
  EXPECT_EQ(l.IconRect, (TThemeRect{106, 50 + (4 + 27 - 16) / 2, 16, 16}));
  // The text runs from after the icon to before the leftmost button.
  EXPECT_EQ(l.Text.Left, 106 + 16 + 4);
  EXPECT_EQ(l.Text.Right(), l.Buttons[ceMinimize].Left - 4);
  EXPECT_FALSE(l.Disabled[ceMinimize]);
  EXPECT_FALSE(l.Disabled[ceMaximize]);
}

TEST(LayoutCaption, MaximisedShowsRestoreAndMissingBoxesAreDisabled) {
  TCaptionLayout l = LayoutCaption(Caption(bsSingle, {biSystemMenu, biMinimize}, true));
  EXPECT_TRUE(l.Shown[ceMaximize]);
  EXPECT_TRUE(l.RestoreButton);
  EXPECT_FALSE(l.Disabled[ceMinimize]);
  EXPECT_TRUE(l.Disabled[ceMaximize]);
  EXPECT_EQ(ButtonState(l, ceMaximize, ceMaximize, ceMaximize), cbsDisabled);
}

TEST(LayoutCaption, DialogWithBoxesKeepsHelpAndShowsNoBoxes) {
  TCaptionLayout l = LayoutCaption(Caption(bsDialog, {biSystemMenu, biMinimize, biHelp}));
  EXPECT_TRUE(l.Shown[ceHelp]);
  EXPECT_FALSE(l.Shown[ceMinimize]);
  EXPECT_FALSE(l.Shown[ceMaximize]);
}

TEST(LayoutCaption, WithoutSystemMenuNothingButTheBar) {
  TCaptionLayout l = LayoutCaption(Caption(bsSizeable, {biHelp, biMinimize}));
  for (bool shown : l.Shown) EXPECT_FALSE(shown);
  EXPECT_FALSE(l.Icon);
  EXPECT_EQ(ElementAt(l, 390, 60), ceNone);
}

TEST(ElementAt, FindsTheShownButtonUnderThePoint) {
  TCaptionLayout l = LayoutCaption(Caption(bsDialog, {biSystemMenu, biHelp}));
  const TThemeRect& close = l.Buttons[ceClose];
  EXPECT_EQ(ElementAt(l, close.Left, close.Top), ceClose);
  EXPECT_EQ(ElementAt(l, close.Right() - 1, close.Bottom() - 1), ceClose);
  EXPECT_EQ(ElementAt(l, close.Right(), close.Top), ceNone);
  EXPECT_EQ(ElementAt(l, close.Left, close.Bottom()), ceNone);
  // The gap between help and close belongs to neither.
  EXPECT_EQ(ElementAt(l, close.Left - 1, close.Top), ceNone);
  EXPECT_EQ(ElementAt(l, l.Buttons[ceHelp].Left + 3, close.Top + 3), ceHelp);
  // Minimize and maximize take no clicks where they are not shown.
  EXPECT_EQ(ElementAt(l, l.Buttons[ceMinimize].Left + 1, close.Top + 1), ceNone);
}

TEST(ButtonState, PressedWinsOverHot) {
  TCaptionLayout l = LayoutCaption(Caption(bsDialog, {biSystemMenu, biHelp}));
  EXPECT_EQ(ButtonState(l, ceClose, ceNone, ceNone), cbsNormal);
  EXPECT_EQ(ButtonState(l, ceClose, ceClose, ceNone), cbsHot);
  EXPECT_EQ(ButtonState(l, ceClose, ceClose, ceClose), cbsPressed);
  EXPECT_EQ(ButtonState(l, ceClose, ceHelp, ceClose), cbsPressed);
  EXPECT_EQ(ButtonFrameIndex(cbsNormal, true), 0);
  EXPECT_EQ(ButtonFrameIndex(cbsDisabled, true), 3);
  EXPECT_EQ(ButtonFrameIndex(cbsHot, false), 5);
  EXPECT_EQ(ButtonFrameIndex(cbsDisabled, false), 7);
}

// The Pixels covered by a region's bands.
std::set<std::pair<int, int>> Pixels(const std::vector<TThemeRect>& bands) {
  std::set<std::pair<int, int>> out;
  for (const TThemeRect& b : bands)
    for (int y = b.Top; y < b.Bottom(); ++y)
      for (int x = b.Left; x < b.Right(); ++x) EXPECT_TRUE(out.insert({x, y}).second) << "overlap";
  return out;
}

TEST(ThemeRegionBands, CutsFiveThreeTwoOneOnePixelsFromEachTopCorner) {
  const int w = 40, h = 12;
  auto in = Pixels(ThemeRegionBands(w, h));
  const int cut[] = {5, 3, 2, 1, 1, 0, 0};
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < w; ++x) {
      bool inside = x >= cut[y] && x < w - cut[y];
      EXPECT_EQ(in.count({x, y}) == 1, inside) << x << "," << y;
    }
  EXPECT_EQ(in.size(), size_t(w * h - 2 * (5 + 3 + 2 + 1 + 1)));
  EXPECT_EQ(in.count({w - 1, h - 1}), 1u);
}

TEST(ThemeRegionBands, TinyWindowsGiveNoEmptyBands) {
  EXPECT_TRUE(ThemeRegionBands(0, 10).empty());
  EXPECT_TRUE(ThemeRegionBands(10, 0).empty());
  for (const TThemeRect& b : ThemeRegionBands(6, 3)) EXPECT_FALSE(b.Empty());
  // A 6-pixel row loses 5 on each side in row 0: nothing of it is left.
  auto in = Pixels(ThemeRegionBands(6, 3));
  EXPECT_EQ(in.count({2, 0}), 0u);
  EXPECT_EQ(in.count({2, 1}), 0u);
  EXPECT_EQ(in.count({2, 2}), 1u);
}

TEST(ImageFrame, StacksFramesFromTheTop) {
  EXPECT_EQ(ImageFrame(21, 21, 0), (TThemeRect{0, 0, 21, 21}));
  EXPECT_EQ(ImageFrame(21, 21, 7), (TThemeRect{0, 147, 21, 21}));
  EXPECT_EQ(ImageFrame(66, 29, 1), (TThemeRect{0, 29, 66, 29}));
}

TEST(NineParts, CornersKeepTheirSizeAndTheRestStretches) {
  // The Caption background: frame 66 x 29, insets 27, 9, 31, 13, into a 300 x 27 bar.
  auto parts = NineParts({0, 29, 66, 29}, {27, 9, 31, 13}, {0, 0, 300, 27});
  ASSERT_EQ(parts.size(), 9u);
  // Corners: unscaled.
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(parts[i].Source.Width, parts[i].Target.Width) << i;
    EXPECT_EQ(parts[i].Source.Height, parts[i].Target.Height) << i;
  }
  EXPECT_EQ(parts[0].Target, (TThemeRect{0, 0, 27, 9}));
  EXPECT_EQ(parts[0].Source, (TThemeRect{0, 29, 27, 9}));
  EXPECT_EQ(parts[3].Target, (TThemeRect{300 - 35, 27 - 16, 35, 16}));
  EXPECT_EQ(parts[8].Source, (TThemeRect{27, 38, 4, 4}));
  EXPECT_EQ(parts[8].Target, (TThemeRect{27, 9, 300 - 27 - 35, 27 - 9 - 16}));
  // Together the targets cover the rectangle exactly once.
  long area = 0;
  for (const TNinePart& p : parts) area += long(p.Target.Width) * p.Target.Height;
  EXPECT_EQ(area, 300L * 27);
}

TEST(NineParts, EmptyPartsAreLeftOut) {
  // The left edge: insets 1, 0, 4, 31 of a 5 x 31 frame have no top or bottom rows.
  auto parts = NineParts({0, 0, 5, 31}, {1, 0, 4, 31}, {0, 27, 4, 200});
  for (const TNinePart& p : parts) {
    EXPECT_FALSE(p.Source.Empty());
    EXPECT_FALSE(p.Target.Empty());
  }
  long area = 0;
  for (const TNinePart& p : parts) area += long(p.Target.Width) * p.Target.Height;
  EXPECT_EQ(area, 4L * 200);
}

TEST(NineParts, ATargetSmallerThanTheCornersStaysInside) {
  auto parts = NineParts({0, 0, 21, 21}, {4, 4, 17, 17}, {10, 10, 6, 6});
  for (const TNinePart& p : parts) {
    EXPECT_GE(p.Target.Left, 10);
    EXPECT_GE(p.Target.Top, 10);
    EXPECT_LE(p.Target.Right(), 16);
    EXPECT_LE(p.Target.Bottom(), 16);
  }
}

}  // namespace
