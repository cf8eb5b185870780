// On 32-bit x86 the compiler would use the x87 unit, whose precision is whatever the host process
// set (64 bits by default for this toolchain): products would round twice and the same coordinate
// could give other digits in another host, or here than in the native build. SSE2 arithmetic rounds
// every step to double; every processor that runs a current 32-bit Windows has it.
#if defined(__i386__) && defined(__GNUC__) && !defined(__clang__)
#pragma GCC target("sse2", "fpmath=sse")
#endif

#include "pcb/coord.h"

#include <algorithm>
#include <cmath>

#include "base/exceptions.h"

namespace {

// Powers of ten that a double holds exactly.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxRoundDecimals = 22;

constexpr double kUnitsPerMil = 10000.0;
constexpr double kMmPerMil = 0.0254;

// The two settings with their multipliers 10^digits; the multiplier is what the pre-rounding of
// FormatCoordWithUnit scales by, and it equals kPow10[digits].
int mil_digits = 3;
int mil_multiplier = 1000;
int mm_digits = 5;
int mm_multiplier = 100000;

TCoord Saturate(double rounded) {
  if (std::isnan(rounded)) return 0;
  if (rounded >= 2147483647.0) return kMaxCoord;
  if (rounded <= -2147483648.0) return kMinCoord;
  return static_cast<TCoord>(rounded);
}

double RoundHalfEven(double v) {
  if (!std::isfinite(v)) return v;
  // trunc and the remaining fraction are exact, so this does not depend on the rounding mode that
  // the host process may have set (std::nearbyint would).
  const double integral = std::trunc(v);
  const double fraction = std::fabs(v - integral);
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(integral, 2.0) != 0.0)) {
    return integral + std::copysign(1.0, v);
  }
  return integral;
}

}  // namespace

double RoundFraction(double x, int k) {
  if (!std::isfinite(x)) return x;
  const double multiplier = kPow10[std::clamp(k, 0, kMaxRoundDecimals)];
  const double integral = std::trunc(x);
  const double fraction = x - integral;
  return integral + RoundHalfEven(fraction * multiplier) / multiplier;
}

double MilsFromCoord(TCoord c, int k) { return RoundFraction(c / kUnitsPerMil, k); }

double MillimetresFromCoord(TCoord c, int k) {
  return RoundFraction(c * kMmPerMil / kUnitsPerMil, k);
}

TCoord CoordFromMils(double mils) { return Saturate(RoundHalfEven(mils * kUnitsPerMil)); }

TCoord CoordFromMillimetres(double millimetres) {
  return Saturate(RoundHalfEven(millimetres * kUnitsPerMil / kMmPerMil));
}

int MilFractionalDigits() { return mil_digits; }
int MmFractionalDigits() { return mm_digits; }
int MilMultiplier() { return mil_multiplier; }
int MmMultiplier() { return mm_multiplier; }

int SetFractionalDigits(TUnit unit, int n) {
  int previous;
  switch (unit) {
    case eImperial:
      previous = mil_digits;
      mil_digits = std::clamp(n, 3, 4);
      mil_multiplier = static_cast<int>(kPow10[mil_digits]);
      break;
    case eMetric:
      previous = mm_digits;
      mm_digits = std::clamp(n, 3, 5);
      mm_multiplier = static_cast<int>(kPow10[mm_digits]);
      break;
    default:
      throw EAssertionFailed("Unexpected Unit", "RT_PCBProcs", 0);
  }
  return previous;
}
