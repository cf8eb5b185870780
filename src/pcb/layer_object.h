#pragma once
// The legacy layer objects of a board: one per legacy layer, with its name, its place in the
// board's stack (PrevLayer and NextLayer link the stack from top to bottom) and its dielectric.
// Internal planes also carry the name of their net.

#include <cstdint>

#include "base/object.h"
#include "hostapi/pcb_api.h"
#include "pcb/coord.h"
#include "pcb/layer_id.h"

class TLayerObject : public TObject {
  TAVRIN_CLASS(TLayerObject, TObject)
 public:
  TLayerObject(uint32_t pcb_board_handle, TLegacyLayer layer);

  // PcbApi_QueryLayer (PcbApi_QueryInternalPlane for a plane), then PcbApi_QueryLayerDielectric;
  // returns the status of the first.
  virtual int32_t Query(uint8_t read_flag);

  uint32_t BoardHandle;
  TLegacyLayer Layer;
  TRecordText Name{};
  TCoord Thickness = 14000;
  TRecordText DielectricMaterial{};
  uint8_t DielectricKind = 1;
  double DielectricConstant = 4.8;
  TCoord DielectricHeight = 126000;
  uint8_t Value6 = 0;
  uint8_t Value7 = 0;
  TLegacyLayer PrevLayer = 0;
  TLegacyLayer NextLayer = 0;
  uint8_t Value10 =
      0;  // transferred by the layer query only; a plane's query carries its net instead

 protected:
  virtual int32_t QueryLayerRecord(uint8_t read_flag);
};

class TInternalPlane : public TLayerObject {
  TAVRIN_CLASS(TInternalPlane, TLayerObject)
 public:
  TInternalPlane(uint32_t pcb_board_handle, TLegacyLayer layer);

  TRecordText NetName{};

 protected:
  int32_t QueryLayerRecord(uint8_t read_flag) override;
};

// The stack set: the signal layers 1 to 32 and the internal planes 39 to 54.
constexpr bool InStackSet(int legacy) {
  return (legacy >= 1 && legacy <= 32) || (legacy >= 39 && legacy <= 54);
}
