#pragma once
// One layer pair of a board (a drill pair): two layer ids and the name built from them when the
// pair is read.

#include <cstdint>
#include <string>

#include "base/object.h"
#include "pcb/layer_id.h"

class TPcblayerPair : public TObject {
  TAVRIN_CLASS(TPcblayerPair, TObject)
 public:
  TPcblayerPair() = default;

  std::string Name;  // at most 255 characters
  TLayerId LayerA = 0;
  TLayerId LayerB = 0;
  uint8_t Value1 = 0;
  uint8_t Value2 = 0;
};
