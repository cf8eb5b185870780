#include "dialogs/monitor_centering.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct TCase {
  const char* name;
  TScreenRect bounds;
  int32_t width, height;
  int32_t x, y;
};
void PrintTo(const TCase& c, std::ostream* os) { *os << c.name; }

class CenteredOrigin : public ::testing::TestWithParam<TCase> {};

TEST_P(CenteredOrigin, HalvesTruncateTowardZero) {
  const TCase& c = GetParam();
  TScreenPoint p = CenteredOriginOf(c.bounds, c.width, c.height);
  EXPECT_EQ(p.X, c.x);
  EXPECT_EQ(p.Y, c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, CenteredOrigin,
    ::testing::Values(TCase{"EvenOnPrimary", {0, 0, 1280, 1024}, 400, 300, 440, 362},
                      TCase{"OddOnPrimary", {0, 0, 1280, 1024}, 401, 301, 439, 361},
                      // -1581 / 2: -790, where rounding down would give -791.
                      TCase{"LeftMonitor", {-1280, 0, 0, 1024}, 301, 300, -790, 362},
                      TCase{"AboveMonitor", {0, -1024, 1280, 0}, 400, 301, 440, -662},
                      TCase{"WiderThanTheMonitor", {0, 0, 800, 600}, 1001, 601, -100, 0},
                      TCase{"SecondMonitorRight", {1280, 0, 3200, 1080}, 500, 400, 1990, 340},
                      TCase{"FarOutDoesNotOverflow", {2147483000, 0, 2147483600, 100}, 100, 0,
                           2147483250, 50}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
