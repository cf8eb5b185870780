#pragma once
// A component body, which carries the common record only.

#include "pcb/objects/pcb_object.h"

class TPcbComponentBody : public TPCBObject {
  TAVRIN_CLASS(TPcbComponentBody, TPCBObject)
 public:
  explicit TPcbComponentBody(uint32_t handle) : TPCBObject(handle) {
    ObjectId = eComponentBodyObject;
  }
};
