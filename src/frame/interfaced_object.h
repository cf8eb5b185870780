#pragma once

#include <windows.h>

#include <atomic>

#include "base/object.h"

// A reference-counted interfaced object: the count changes atomically and the object frees itself
// when it drops to zero. A subclass's IUnknown operations call AddReference and ReleaseReference.
class TInterfacedObject : public TObject {
  TAVRIN_CLASS(TInterfacedObject, TObject)
 public:
  TInterfacedObject() = default;
  TInterfacedObject(const TInterfacedObject&) = delete;
  TInterfacedObject& operator=(const TInterfacedObject&) = delete;

  ULONG ReferenceCount() const { return references_.load(); }

 protected:
  ULONG AddReference() { return ++references_; }
  ULONG ReleaseReference() {
    ULONG count = --references_;
    if (count == 0) delete this;
    return count;
  }

 private:
  std::atomic<ULONG> references_{0};
};
