#include "pcb/objects/object_geometry.h"

#include <cmath>
#include <numbers>

namespace {

// Integer arithmetic of the record's 32-bit fields wraps as the host's own does.
int32_t Wrap(int64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value)); }

int32_t Abs32(int64_t value) { return Wrap(value < 0 ? -value : value); }

double Radians(double degrees) { return degrees * (std::numbers::pi / 180.0); }

std::array<TCoordPoint, 4> TurnedCorners(double cx, double cy, int32_t w, int32_t h,
                                         double rotation) {
  const double half_w = w / 2.0, half_h = h / 2.0;
  const double r = std::sqrt(half_w * half_w + half_h * half_h);
  double a = 0;
  if (h != 0) {
    a = std::atan(static_cast<double>(w) / h);
  } else if (w != 0) {
    a = w > 0 ? std::numbers::pi / 2 : -std::numbers::pi / 2;
  }
  const double theta = Radians(rotation);
  const double s = std::sin(a - theta), c = std::cos(a - theta);
  const double c2 = std::cos(std::numbers::pi / 2 - theta - a);
  const double s2 = std::sin(std::numbers::pi / 2 - theta - a);
  return {TCoordPoint{RoundCoord(cx - r * s), RoundCoord(cy - r * c)},
          TCoordPoint{RoundCoord(cx + r * c2), RoundCoord(cy - r * s2)},
          TCoordPoint{RoundCoord(cx - r * c2), RoundCoord(cy + r * s2)},
          TCoordPoint{RoundCoord(cx + r * s), RoundCoord(cy + r * c)}};
}

}  // namespace

TCoord RoundCoord(double value) {
  if (std::isnan(value)) return 0;
  if (value <= kMinCoord) return kMinCoord;
  if (value >= kMaxCoord) return kMaxCoord;
  return static_cast<TCoord>(std::nearbyint(value));
}

std::array<TCoordPoint, 4> BoxCorners(TCoord x, TCoord y, TCoord x2, TCoord y2, double rotation,
                                      TCoord margin) {
  const int32_t w = Wrap(static_cast<int64_t>(Abs32(Wrap(int64_t{x2} - x))) + 2 * int64_t{margin});
  const int32_t h = Wrap(static_cast<int64_t>(Abs32(Wrap(int64_t{y2} - y))) + 2 * int64_t{margin});
  const int32_t cx = Wrap(int64_t{x / 2} + x2 / 2);
  const int32_t cy = Wrap(int64_t{y / 2} + y2 / 2);
  if (h == 0) {
    const TCoord left = RoundCoord(cx - w / 2.0), right = RoundCoord(cx + w / 2.0);
    return {TCoordPoint{left, cy}, TCoordPoint{right, cy}, TCoordPoint{left, cy},
            TCoordPoint{right, cy}};
  }
  return TurnedCorners(cx, cy, w, h, rotation);
}

std::array<TCoordPoint, 4> PadCorners(TCoord x, TCoord y, int32_t x_size, int32_t y_size,
                                      double rotation, TCoord margin) {
  const int32_t w = Wrap(int64_t{x_size} + 2 * int64_t{margin});
  const int32_t h = Wrap(int64_t{y_size} + 2 * int64_t{margin});
  return TurnedCorners(x, y, w, h, rotation);
}

std::array<TCoordPoint, 2> PadLongAxisEnds(TCoord x, TCoord y, int32_t x_size, int32_t y_size,
                                           double rotation) {
  const int32_t hx = x_size / 2, hy = y_size / 2;
  if (hx == hy) return {TCoordPoint{x, y}, TCoordPoint{x, y}};
  if (hy < hx) {
    const double d = static_cast<double>(hx) - hy, theta = Radians(rotation);
    return {TCoordPoint{RoundCoord(x - d * std::cos(theta)), RoundCoord(y - d * std::sin(theta))},
            TCoordPoint{RoundCoord(x + d * std::cos(theta)), RoundCoord(y + d * std::sin(theta))}};
  }
  const double d = static_cast<double>(hy) - hx, phi = Radians(90.0 - rotation);
  return {TCoordPoint{RoundCoord(x - d * std::cos(phi)), RoundCoord(y + d * std::sin(phi))},
          TCoordPoint{RoundCoord(x + d * std::cos(phi)), RoundCoord(y - d * std::sin(phi))}};
}
