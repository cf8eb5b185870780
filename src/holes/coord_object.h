#pragma once
// The size a labelled item of the Hole Size Editor's list stands for. The editor's list owns these.

#include "base/object.h"
#include "pcb/coord.h"

class TCoordObject : public TObject {
  TAVRIN_CLASS(TCoordObject, TObject)
 public:
  explicit TCoordObject(TCoord value = 0) : Value(value) {}

  TCoord Value;
};
