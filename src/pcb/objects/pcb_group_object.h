#pragma once
// The root of the objects that group other primitives (coordinates, dimensions, polygons, split
// planes, components, nets); it adds nothing of its own.

#include "pcb/objects/pcb_object.h"

class TPcbGroupObject : public TPCBObject {
  TAVRIN_CLASS(TPcbGroupObject, TPCBObject)
 public:
  using TPCBObject::TPCBObject;
};
