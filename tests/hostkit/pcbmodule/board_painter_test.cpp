// The board as the host's view shows it: pads and vias at their places with their holes.

#include <gtest/gtest.h>
#include <windows.h>

#include "hostkit/bridge/host_bridge.h"
#include "tests/win/pcb/pcb_test_host.h"

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

}  // namespace
}  // namespace pcbtest
