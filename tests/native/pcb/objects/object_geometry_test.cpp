#include "pcb/objects/object_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using TCorners = std::array<TCoordPoint, 4>;

TEST(ObjectGeometryTest, RoundingIsToEvenAndStaysInRange) {
  EXPECT_EQ(RoundCoord(0.5), 0);
  EXPECT_EQ(RoundCoord(1.5), 2);
  EXPECT_EQ(RoundCoord(-2.5), -2);
  EXPECT_EQ(RoundCoord(2.4999), 2);
  EXPECT_EQ(RoundCoord(1e300), kMaxCoord);
  EXPECT_EQ(RoundCoord(-1e300), kMinCoord);
  EXPECT_EQ(RoundCoord(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(RoundCoord(std::numeric_limits<double>::infinity()), kMaxCoord);
}

TEST(ObjectGeometryTest, AnUnturnedFillHasItsCornersAtItsEnds) {
  const TCorners c = BoxCorners(0, 0, 100, 100, 0, 0);
  EXPECT_EQ(c[0], (TCoordPoint{0, 0}));
  EXPECT_EQ(c[1], (TCoordPoint{100, 0}));
  EXPECT_EQ(c[2], (TCoordPoint{0, 100}));
  EXPECT_EQ(c[3], (TCoordPoint{100, 100}));
  // A margin grows the box on every side.
  const TCorners m = BoxCorners(0, 0, 100, 100, 0, 10);
  EXPECT_EQ(m[0], (TCoordPoint{-10, -10}));
  EXPECT_EQ(m[3], (TCoordPoint{110, 110}));
}

TEST(ObjectGeometryTest, AFlatTrackGivesItsEndsTwice) {
  const TCorners c = BoxCorners(0, 0, 100, 0, 0, 0);
  EXPECT_EQ(c[0], (TCoordPoint{0, 0}));
  EXPECT_EQ(c[1], (TCoordPoint{100, 0}));
  EXPECT_EQ(c[2], (TCoordPoint{0, 0}));
  EXPECT_EQ(c[3], (TCoordPoint{100, 0}));
  // Flat means no turning either, and odd widths round to even.
  const TCorners odd = BoxCorners(0, 7, 5, 7, 90, 0);
  EXPECT_EQ(odd[0], (TCoordPoint{0, 6}));  // centre (0 div 2 + 5 div 2, 7 div 2 + 7 div 2)
  EXPECT_EQ(odd[1], (TCoordPoint{4, 6}));  // 2 - 2.5 and 2 + 2.5, each to the even neighbour
}

TEST(ObjectGeometryTest, TheCentreTruncatesEachHalfTowardZero) {
  // The centre of 3..5 is 3 div 2 + 5 div 2 = 3, not 4; of -3..-5 it is -4, not -4.5 rounded.
  TCorners c = BoxCorners(3, 3, 3, 5, 0, 0);
  EXPECT_EQ(c[0], (TCoordPoint{2, 2}));
  EXPECT_EQ(c[3], (TCoordPoint{2, 4}));
  c = BoxCorners(-3, -3, -3, -5, 0, 0);
  EXPECT_EQ(c[0], (TCoordPoint{-2, -4}));
  EXPECT_EQ(c[3], (TCoordPoint{-2, -2}));
}

TEST(ObjectGeometryTest, AQuarterTurnSwapsTheBoxSides) {
  const TCorners c = BoxCorners(0, 0, 200, 100, 90, 0);
  // Centre (100, 50); the 200 by 100 box stands upright after the turn.
  for (const TCoordPoint& p : c) {
    EXPECT_EQ(std::abs(p.X - 100), 50);
    EXPECT_EQ(std::abs(p.Y - 50), 100);
  }
}

TEST(ObjectGeometryTest, ExtremeCoordinatesNeitherFaultNorLeaveTheRange) {
  const TCorners c = BoxCorners(kMinCoord, kMinCoord, kMaxCoord, kMaxCoord, 33, kMaxCoord);
  for (const TCoordPoint& p : c) {
    EXPECT_GE(p.X, kMinCoord);
    EXPECT_LE(p.X, kMaxCoord);
  }
  const TCorners pad = PadCorners(kMaxCoord, kMinCoord, kMaxCoord, kMaxCoord, 1e308, kMinCoord);
  (void)pad;
}

TEST(ObjectGeometryTest, PadCornersSurroundTheLocation) {
  const TCorners c = PadCorners(1000, 1000, 100, 40, 0, 0);
  EXPECT_EQ(c[0], (TCoordPoint{950, 980}));
  EXPECT_EQ(c[1], (TCoordPoint{1050, 980}));
  EXPECT_EQ(c[2], (TCoordPoint{950, 1020}));
  EXPECT_EQ(c[3], (TCoordPoint{1050, 1020}));
}

TEST(ObjectGeometryTest, APadOfHeightZeroHasADefinedFlatBox) {
  // y_size + 2 margin = 0: the box lies along the pad's turned axis, without a division by zero.
  const TCorners flat = PadCorners(1000, 1000, 100, 0, 0, 0);
  EXPECT_EQ(flat[0], (TCoordPoint{950, 1000}));
  EXPECT_EQ(flat[1], (TCoordPoint{1050, 1000}));
  EXPECT_EQ(flat[2], (TCoordPoint{950, 1000}));
  EXPECT_EQ(flat[3], (TCoordPoint{1050, 1000}));
  const TCorners turned = PadCorners(0, 0, 100, 20, 90, -10);
  EXPECT_EQ(turned[0], (TCoordPoint{0, -40}));
  EXPECT_EQ(turned[3], (TCoordPoint{0, 40}));
  // Nothing at all: every corner at the location.
  for (const TCoordPoint& p : PadCorners(7, 8, 0, 0, 45, 0)) EXPECT_EQ(p, (TCoordPoint{7, 8}));
}

TEST(ObjectGeometryTest, LongAxisEnds) {
  // A round pad: both ends at the location.
  auto round = PadLongAxisEnds(500, -500, 60, 60, 30);
  EXPECT_EQ(round[0], (TCoordPoint{500, -500}));
  EXPECT_EQ(round[1], (TCoordPoint{500, -500}));
  // Equal half sizes count as round (61 div 2 = 60 div 2).
  round = PadLongAxisEnds(0, 0, 61, 60, 0);
  EXPECT_EQ(round[0], round[1]);
  // Wide: along the rotation.
  auto wide = PadLongAxisEnds(1000, 1000, 100, 40, 0);
  EXPECT_EQ(wide[0], (TCoordPoint{970, 1000}));
  EXPECT_EQ(wide[1], (TCoordPoint{1030, 1000}));
  wide = PadLongAxisEnds(1000, 1000, 100, 40, 90);
  EXPECT_EQ(wide[0], (TCoordPoint{1000, 970}));
  EXPECT_EQ(wide[1], (TCoordPoint{1000, 1030}));
  // Tall: the first end above, the second below.
  const auto tall = PadLongAxisEnds(1000, 1000, 40, 100, 0);
  EXPECT_EQ(tall[0], (TCoordPoint{1000, 1030}));
  EXPECT_EQ(tall[1], (TCoordPoint{1000, 970}));
}

}  // namespace
