#pragma once
// An embedded board: an array of copies of another board placed at (X, Y), on the top layer until
// the host says otherwise.

#include "pcb/objects/pcb_object.h"

class TPcbEmbeddedBoard : public TPCBObject {
  TAVRIN_CLASS(TPcbEmbeddedBoard, TPCBObject)
 public:
  explicit TPcbEmbeddedBoard(uint32_t handle) : TPCBObject(handle) {
    ObjectId = eEmbeddedBoardObject;
    Layer = LegacyLayerToLayerId(1);
  }

  int32_t Query(uint8_t read_flag) override;

  uint8_t GetTextOption() const override { return F15; }
  void SetTextOption(uint8_t value) override { F15 = value; }

  int32_t RowCount = 0, ColumnCount = 0, RowSpacing = 0, ColumnSpacing = 0;
  uint8_t F15 = 0;
};
