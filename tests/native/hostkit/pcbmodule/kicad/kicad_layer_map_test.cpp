// KiCad layer names onto the host's legacy layers: copper on the signal layers in stack order, the
// technical layers on their counterparts, nothing for names the host has no place for.

#include "kicad_layer_map.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(KicadLayerMap, CopperLayersFillTheSignalLayersFromTopToBottom) {
  EXPECT_EQ(HostLayerOfKicadLayer("F.Cu"), kHostTopLayer);
  EXPECT_EQ(HostLayerOfKicadLayer("B.Cu"), kHostBottomLayer);
  for (int inner = 1; inner <= 30; ++inner) {
    EXPECT_EQ(HostLayerOfKicadLayer("In" + std::to_string(inner) + ".Cu"), 1 + inner);
  }
}

TEST(KicadLayerMap, TechnicalLayersLandOnTheirCounterparts) {
  EXPECT_EQ(HostLayerOfKicadLayer("F.SilkS"), 33);
  EXPECT_EQ(HostLayerOfKicadLayer("B.Mask"), 38);
  EXPECT_EQ(HostLayerOfKicadLayer("Edge.Cuts"), 57);
  EXPECT_EQ(HostLayerOfKicadLayer("User.4"), 72);
}

TEST(KicadLayerMap, NamesWithoutAPlaceGiveNone) {
  for (const char* name : {"", "In0.Cu", "In31.Cu", "In01.Cu", "In.Cu", "In1x.Cu", "In-1.Cu",
                           "*.Cu", "F&B.Cu", "f.cu", "F.Cu ", "User.5", "In99999999999.Cu"}) {
    EXPECT_EQ(HostLayerOfKicadLayer(name), 0) << name;
  }
}

}  // namespace
