#pragma once

#include "base/object.h"

// An interfaced object whose reference counting does nothing: its owner frees it.
class TInterfacedObjectNoRef : public TObject {
  TAVRIN_CLASS(TInterfacedObjectNoRef, TObject)
};

