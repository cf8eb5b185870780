#include "dialogs/monitor_centering.h"

TScreenPoint CenteredOriginOf(const TScreenRect& bounds, int32_t width, int32_t height) {
  // 64-bit sums: a huge window on a monitor far out must not overflow on the way.
  int64_t x = (int64_t{bounds.Left} + bounds.Right - width) / 2;
  int64_t y = (int64_t{bounds.Top} + bounds.Bottom - height) / 2;
  return {static_cast<int32_t>(x), static_cast<int32_t>(y)};
}
