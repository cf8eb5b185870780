#pragma once
// An embedded object: a block of up to 4096 bytes the host keeps with the board.

#include <memory>

#include "pcb/objects/pcb_object.h"

class TPcbEmbedded : public TPCBObject {
  TAVRIN_CLASS(TPcbEmbedded, TPCBObject)
 public:
  static constexpr size_t kBufferSize = 4096;

  explicit TPcbEmbedded(uint32_t handle)
      : TPCBObject(handle), Buffer(std::make_unique<uint8_t[]>(kBufferSize)) {
    ObjectId = eEmbeddedObject;
  }

  int32_t Query(uint8_t read_flag) override;

  uint32_t Length = 0;
  std::unique_ptr<uint8_t[]> Buffer;  // kBufferSize bytes, zeroed
};
