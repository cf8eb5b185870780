#pragma once
// The legacy primitive objects: an in-memory copy of one board primitive's record, filled from the
// host with Query(1) and handed back with Query(0). CreatePcbObject picks the class by the
// primitive's kind. Pads and vias are here; the classes of the other kinds are not built yet, and
// the factory returns nothing for them.

#include <array>
#include <cstdint>
#include <memory>

#include "base/object.h"
#include "hostapi/pcb_api.h"
#include "pcb/coord.h"
#include "pcb/layer_id.h"
#include "pcb/object_id.h"

class TPCBObject : public TObject {
  TAVRIN_CLASS(TPCBObject, TObject)
 public:
  explicit TPCBObject(uint32_t handle) : Handle(handle) {}

  // The transfer: 1 reads every field from the host, 0 writes every field back. Returns the status
  // of the record call.
  virtual int32_t Query(uint8_t read_flag);
  // The hole size: field 17 of a pad record, field 12 of a via record; 0 for every other kind.
  virtual TCoord HoleSize() const { return 0; }

  uint32_t Handle;
  TObjectId ObjectId = 0;
  TCoord X = 0;
  TCoord Y = 0;
  uint16_t Flags = 0;
  uint8_t Flags2 = 0;
  uint16_t Flags3 = 0;
  uint16_t Value16 = 0;
  uint8_t Value8 = 0;
  uint32_t Value32a = 0;
  uint32_t Value32b = 0;
  TLayerId Layer = 0;

 protected:
  // The two calls every transfer starts with.
  void QueryBitFields(uint8_t read_flag);
};

class TPcbPad : public TPCBObject {
  TAVRIN_CLASS(TPcbPad, TPCBObject)
 public:
  explicit TPcbPad(uint32_t handle) : TPCBObject(handle) { ObjectId = ePadObject; }

  // Reading: the bit fields, the pad record (stopping there when it fails), the stack mode and the
  // shape, sizes, corner radius and corner percentage of every legacy layer 0 to 82.
  int32_t Query(uint8_t read_flag) override;
  TCoord HoleSize() const override { return Hole; }

  int32_t F11 = 0, F12 = 0, F13 = 0, F14 = 0, F15 = 0, F16 = 0;
  TCoord Hole = 0;
  uint8_t F18 = 0, F19 = 0, F20 = 0;
  TRecordText20 F21{};
  uint8_t F22 = 0, F23 = 0;
  double Rotation = 0;
  TRecordText20 F25{}, F26{};
  uint32_t F27 = 0;
  TRecordText20 F28{};
  uint8_t F29 = 0, F30 = 0;
  uint32_t F31 = 0;
  int64_t F32 = 0;
  uint32_t F33 = 0, F34 = 0, F35 = 0;
  uint8_t F36 = 0, F37 = 0;

  static constexpr int kStackLayers = 83;  // legacy layers 0 to 82
  uint8_t StackMode = 0;
  std::array<int32_t, kStackLayers> XSize{}, YSize{}, CornerRadius{};
  std::array<uint8_t, kStackLayers> Shape{}, CRPercent{};
  uint8_t TopCRPercent = 0, MidCRPercent = 0, BottomCRPercent = 0;
};

class TPcbVia : public TPCBObject {
  TAVRIN_CLASS(TPcbVia, TPCBObject)
 public:
  explicit TPcbVia(uint32_t handle) : TPCBObject(handle) { ObjectId = eViaObject; }

  // The via record carries its layer as a legacy layer number: converted for the call and back.
  int32_t Query(uint8_t read_flag) override;
  TCoord HoleSize() const override { return Hole; }

  int32_t Size = 0;
  TCoord Hole = 0;
  uint8_t F13 = 0, F14 = 0, F15 = 0, F16 = 0;
};

// The legacy object for a primitive, read from the host; null for a kind without a class here.
std::unique_ptr<TPCBObject> CreatePcbObject(uint32_t handle);

// The hole size of a primitive: 0 for handle 0 (without any host call), for kinds other than pads
// and vias, and for a record that cannot be read. It is read from the record alone, which gives
// what the full legacy object would give at two host calls instead of 335.
TCoord GetObjectHoleSize(uint32_t handle);
