// The board as the host's view shows it: every kind a person recognises, in its layer's colour,
// pads by their shape with their holes.

#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <vector>

#include "hostkit/bridge/host_bridge.h"
#include "tests/win/support/pcb_test_host.h"

namespace pcbtest {
namespace {

using TPainterTest = PcbTest;

TEST_F(TPainterTest, APadIsDrawnWithItsHoleInTheMiddle) {
  ASSERT_TRUE(OpenBoardText(
      BoardText({PadJson(1, 100000, ", \"stack\": [[1, 1, 200000, 200000, 0, 0]]")})));
  auto paint = reinterpret_cast<HostKitPcb_PaintProc>(DralithProc("HostKitPcb_Paint"));
  ASSERT_NE(paint, nullptr);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 232, 232);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const RECT area{0, 0, 232, 232};
  paint(dc, &area);
  // The one pad fills the view inside a 16-pixel margin: 200 pixels across, the hole 100.
  const COLORREF centre = GetPixel(dc, 116, 116);
  const COLORREF land = GetPixel(dc, 116 + 75, 116);
  const COLORREF outside = GetPixel(dc, 4, 4);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(centre, RGB(20, 20, 20));
  EXPECT_EQ(land, RGB(200, 160, 40));
  EXPECT_EQ(outside, RGB(0, 0, 0));
}

// Paints the open board into a bitmap of the given size and returns the colour at each point asked.
std::vector<COLORREF> PaintAndProbe(int size, const std::vector<POINT>& probes) {
  auto paint = reinterpret_cast<HostKitPcb_PaintProc>(DralithProc("HostKitPcb_Paint"));
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const RECT area{0, 0, size, size};
  paint(dc, &area);
  std::vector<COLORREF> colours;
  for (const POINT& p : probes) colours.push_back(GetPixel(dc, p.x, p.y));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return colours;
}

TEST_F(TPainterTest, TracksFillsRegionsAndOutlinesShowInTheirLayersColours) {
  // The outline spans 0..200 units both ways: with a 16-pixel margin in 232 pixels, 1 unit is 1
  // pixel and board y grows upwards from pixel row 216.
  ASSERT_TRUE(OpenBoardText(BoardText({
      "{\"kind\": \"boardOutline\", \"handle\": 1, \"layer\": 56, \"vertices\": [[0, 0], "
      "[200, 0], [200, 200], [0, 200]]}",
      "{\"kind\": \"region\", \"handle\": 2, \"layer\": 32, \"vertices\": [[10, 10], "
      "[60, 10], [60, 60], [10, 60]]}",
      "{\"kind\": \"fill\", \"handle\": 3, \"layer\": 1, \"x\": 120, \"y\": 120, "
      "\"x2\": 180, \"y2\": 180}",
      "{\"kind\": \"track\", \"handle\": 4, \"layer\": 1, \"x\": 20, \"y\": 100, "
      "\"x2\": 180, \"y2\": 100, \"width\": 10}",
      "{\"kind\": \"via\", \"handle\": 5, \"layer\": 1, \"x\": 100, \"y\": 30, "
      "\"size\": 20, \"holeSize\": 0}",
  })));
  const auto colours = PaintAndProbe(232, {{16 + 35, 216 - 35},     // inside the region
                                           {16 + 150, 216 - 150},   // inside the fill
                                           {16 + 60, 216 - 100},    // on the track
                                           {16 + 100, 216 - 30},    // on the via
                                           {16 + 100, 216 - 160},   // bare board
                                           {16 + 100, 216}});       // the outline's lower edge
  EXPECT_EQ(colours[0], RGB(40, 90, 230));   // bottom layer
  EXPECT_EQ(colours[1], RGB(220, 40, 40));   // top layer
  EXPECT_EQ(colours[2], RGB(220, 40, 40));
  EXPECT_EQ(colours[3], RGB(160, 160, 160));
  EXPECT_EQ(colours[4], RGB(0, 0, 0));
  EXPECT_EQ(colours[5], RGB(230, 230, 120));
}

TEST_F(TPainterTest, ARectangularPadShowsItsCornersAndARoundOneDoesNot) {
  ASSERT_TRUE(OpenBoardText(BoardText({
      "{\"kind\": \"pad\", \"handle\": 1, \"layer\": 1, \"x\": 50, \"y\": 100, "
      "\"holeSize\": 0, \"stack\": [[1, 2, 80, 80, 0, 0]]}",
      "{\"kind\": \"pad\", \"handle\": 2, \"layer\": 1, \"x\": 150, \"y\": 100, "
      "\"holeSize\": 0, \"stack\": [[1, 1, 80, 80, 0, 0]]}",
  })));
  // Extent 10..190 by 60..140: 180 units in 200 pixels, the bottom edge on pixel row 216.
  const double k = 200.0 / 180;
  auto at = [&](double x, double y) {
    return POINT{static_cast<int>(std::lround(16 + (x - 10) * k)),
                 static_cast<int>(std::lround(216 - (y - 60) * k))};
  };
  const auto colours = PaintAndProbe(232, {at(12, 138), at(112, 138), at(150, 100)});
  EXPECT_EQ(colours[0], RGB(200, 160, 40));  // the square's corner
  EXPECT_EQ(colours[1], RGB(0, 0, 0));       // outside the round pad
  EXPECT_EQ(colours[2], RGB(200, 160, 40));  // its middle
}

}  // namespace
}  // namespace pcbtest
