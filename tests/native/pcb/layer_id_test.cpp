#include "pcb/layer_id.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/exceptions.h"
#include "pcb/layer_names.h"

namespace {

constexpr TLayerId Signal(uint32_t n) { return MakeLayerId(kLayerKindSignal, n); }
constexpr TLayerId Plane(uint32_t n) { return MakeLayerId(kLayerKindInternalPlane, n); }
constexpr TLayerId Mechanical(uint32_t n) { return MakeLayerId(kLayerKindMechanical, n); }

struct TConstructCase {
  TLayerId (*make)(uint64_t);
  uint64_t n;
  TLayerId id;  // 0 where the call raises
  const char* message;
};

TEST(LayerId, ConstructorsEncodeOrRaise) {
  const TConstructCase cases[] = {
      {SignalLayer, 1, 1, nullptr},
      {SignalLayer, 2, 2, nullptr},
      {SignalLayer, 31, 31, nullptr},
      {SignalLayer, 65535, 32, nullptr},
      {SignalLayer, 0, Signal(0), nullptr},
      {SignalLayer, 32, Signal(32), nullptr},
      {SignalLayer, 65534, Signal(65534), nullptr},
      {SignalLayer, 65536, 0, "Creating SignalLayer(65536)"},
      {SignalLayer, 0xFFFFFFFFull, 0, "Creating SignalLayer(-1)"},
      {SignalLayer, 0x100000005ull, 0, "Creating SignalLayer(5)"},
      {InternalPlaneLayer, 1, 39, nullptr},
      {InternalPlaneLayer, 16, 54, nullptr},
      {InternalPlaneLayer, 17, Plane(17), nullptr},
      {InternalPlaneLayer, 65535, Plane(65535), nullptr},
      {InternalPlaneLayer, 0, 0, "Creating InternalPlaneLayer(0)"},
      {InternalPlaneLayer, 65536, 0, "Creating InternalPlaneLayer(65536)"},
      {MechanicalLayer, 1, 57, nullptr},
      {MechanicalLayer, 16, 72, nullptr},
      {MechanicalLayer, 17, Mechanical(17), nullptr},
      {MechanicalLayer, 0, 0, "Creating MechanicalLayer(0)"},
      {MechanicalLayer, 0x80000000ull, 0, "Creating MechanicalLayer(-2147483648)"},
      {MidLayer, 1, 2, nullptr},
      {MidLayer, 30, 31, nullptr},
      {MidLayer, 31, Signal(32), nullptr},
      {MidLayer, 65534, 32, nullptr},
      {MidLayer, 65535, 0, "Creating SignalLayer(65536)"},
      {MidLayer, UINT64_MAX, Signal(0), nullptr},  // k + 1 wraps to 0
  };
  for (const auto& c : cases) {
    if (!c.message) {
      EXPECT_EQ(c.make(c.n), c.id) << c.n;
      continue;
    }
    try {
      c.make(c.n);
      ADD_FAILURE() << "no exception for " << c.n;
    } catch (const ELayerException& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
  EXPECT_EQ(TopLayer, SignalLayer(1));
  EXPECT_EQ(BottomLayer, SignalLayer(65535));
}

struct TClassifyCase {
  TLayerId id;
  bool signal, plane, mechanical;
  int category;
  uint32_t number;
  int legacy;
};

TEST(LayerId, ClassificationNumbersAndLegacySlots) {
  const TClassifyCase cases[] = {
      {0, false, false, false, lcNone, 0, 0},
      {1, true, false, false, lcTopLayer, 1, 1},
      {2, true, false, false, lcMidLayer, 2, 2},
      {31, true, false, false, lcMidLayer, 31, 31},
      {32, true, false, false, lcBottomLayer, 65535, 32},
      {33, false, false, false, 6, 6, 33},
      {38, false, false, false, 11, 11, 38},
      {39, false, true, false, lcInternalPlane, 1, 39},
      {54, false, true, false, lcInternalPlane, 16, 54},
      {55, false, false, false, 12, 12, 55},
      {56, false, false, false, 13, 13, 56},
      {57, false, false, true, lcMechanical, 1, 57},
      {72, false, false, true, lcMechanical, 16, 72},
      {73, false, false, false, 14, 14, 73},
      {74, false, false, false, 15, 15, 74},
      {82, false, false, false, 23, 23, 82},
      {83, false, false, false, lcNone, 0, 0},
      {255, false, false, false, lcNone, 0, 0},
      // In the legacy encoding bits 0-7 pick the family and bits 0-15 are the number, so these stay
      // in their family and collapse onto its last legacy slot instead of moving to another layer.
      {0x0101, true, false, false, lcMidLayer, 257, 31},
      {0x0127, false, true, false, lcInternalPlane, 257, 54},
      {0x0139, false, false, true, lcMechanical, 257, 72},
      {0xFF4A, false, false, false, 15, 15, 74},
      // The kind encoding, collapsing onto the last legacy slot of each family.
      {Signal(0x20), true, false, false, lcMidLayer, 32, 31},
      {Signal(40), true, false, false, lcMidLayer, 40, 31},
      {Signal(65535), true, false, false, lcMidLayer, 65535, 31},
      {Plane(17), false, true, false, lcInternalPlane, 17, 54},
      {Plane(20), false, true, false, lcInternalPlane, 20, 54},
      {Mechanical(17), false, false, true, lcMechanical, 17, 72},
      {Mechanical(65535), false, false, true, lcMechanical, 65535, 72},
      // Kinds below 0x0100 classify as their low byte, taken as it is.
      {MakeLayerId(1, 0x0305), false, false, false, 5, 5, 56 + 5},
      {MakeLayerId(0xFF, 0x16), false, false, false, 22, 22, 81},
      {MakeLayerId(1, 0), false, false, false, lcNone, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "id 0x" << std::hex << c.id);
    EXPECT_EQ(IsSignalLayer(c.id), c.signal);
    EXPECT_EQ(IsInternalPlane(c.id), c.plane);
    EXPECT_EQ(IsMechanicalLayer(c.id), c.mechanical);
    EXPECT_EQ(LayerCategory(c.id), c.category);
    EXPECT_EQ(LayerNumber(c.id), c.number);
    EXPECT_EQ(LayerIdToLegacyLayer(c.id), c.legacy);
  }
}

TEST(LayerId, UnknownPartitionsAreAssertionFailures) {
  for (TLayerId id : {Signal(0), Plane(0), Mechanical(0), MakeLayerId(0x0102, 3), MakeLayerId(0x0200, 1),
                      TLayerId{0xFFFFFFFF}}) {
    SCOPED_TRACE(id);
    try {
      LayerCategory(id);
      ADD_FAILURE() << "no assertion failure";
    } catch (const EAssertionFailed& e) {
      EXPECT_EQ(e.Message(), "Could not find layer partition ID=" + std::to_string(id));
      EXPECT_EQ(e.Source(), "RT_PCB");
      EXPECT_EQ(e.Line(), 10330);
    }
    EXPECT_THROW(LayerIdToLegacyLayer(id), EAssertionFailed);
    EXPECT_FALSE(IsSignalLayer(id) || IsInternalPlane(id) || IsMechanicalLayer(id));
  }
  // The unknown kinds still have a number: the kind encoding's bits 0-15.
  EXPECT_EQ(LayerNumber(MakeLayerId(0x0200, 7)), 7u);
}

TEST(LayerId, CategoriesAboveTheTableAreAssertionFailures) {
  for (uint32_t low : {24u, 100u, 255u}) {
    const TLayerId id = MakeLayerId(0x0042, low);
    EXPECT_EQ(LayerCategory(id), low);
    try {
      LayerIdToLegacyLayer(id);
      ADD_FAILURE() << "no assertion failure for " << low;
    } catch (const EAssertionFailed& e) {
      EXPECT_EQ(e.Message(), "Assertion failure");
      EXPECT_EQ(e.Source(), "RT_PCB");
      EXPECT_EQ(e.Line(), 9142);
    }
  }
}

TEST(LayerId, LegacyNumbersRoundTrip) {
  for (int legacy = 0; legacy <= 255; ++legacy) {
    SCOPED_TRACE(legacy);
    const TLayerId id = LegacyLayerToLayerId(static_cast<TLegacyLayer>(legacy));
    if (legacy >= 1 && legacy <= 82) {
      EXPECT_EQ(id, static_cast<TLayerId>(legacy));
      EXPECT_EQ(LayerIdToLegacyLayer(id), legacy);
    } else {
      EXPECT_EQ(id, 0u);
    }
  }
  EXPECT_EQ(LayerIdToLegacyLayer(0), 0);
  // Every kind-encoded id of the three families lands in its family's legacy slots.
  for (uint32_t n = 1; n <= 0xFFFF; ++n) {
    const int mid = LayerIdToLegacyLayer(SignalLayer(n));
    ASSERT_TRUE(mid >= 1 && mid <= 32) << n;
    const int p = LayerIdToLegacyLayer(InternalPlaneLayer(n));
    ASSERT_TRUE(p >= 39 && p <= 54) << n;
    ASSERT_EQ(p, 38 + static_cast<int>(std::min<uint32_t>(n, 16)));
    const int m = LayerIdToLegacyLayer(MechanicalLayer(n));
    ASSERT_EQ(m, 56 + static_cast<int>(std::min<uint32_t>(n, 16)));
  }
}

TEST(LayerNames, DefaultNamesFollowTheLegacyNumbers) {
  const std::pair<int, const char*> cases[] = {
      {0, "NoLayer"},         {1, "TopLayer"},        {2, "MidLayer1"},        {31, "MidLayer30"},
      {32, "BottomLayer"},    {33, "TopOverlay"},     {38, "BottomSolder"},    {39, "InternalPlane1"},
      {54, "InternalPlane16"}, {55, "DrillGuide"},    {56, "KeepOutLayer"},    {57, "Mechanical1"},
      {72, "Mechanical16"},   {73, "DrillDrawing"},   {74, "MultiLayer"},      {76, "BackGroundLayer"},
      {77, "DRCErrorLayer"},  {80, "GridColor10"},    {81, "PadHoleLayer"},    {82, "ViaHoleLayer"},
      {83, ""},               {255, ""},
  };
  for (const auto& [legacy, name] : cases) EXPECT_EQ(DefaultLayerName(static_cast<TLegacyLayer>(legacy)), name);
  for (int legacy = 0; legacy <= 82; ++legacy) {
    EXPECT_FALSE(DefaultLayerName(static_cast<TLegacyLayer>(legacy)).empty());
    EXPECT_LE(DefaultLayerName(static_cast<TLegacyLayer>(legacy)).size(), kMaxLayerNameLength);
  }
}

}  // namespace
