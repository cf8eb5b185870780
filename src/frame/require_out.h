#pragma once

#include "base/exceptions.h"

// Raises when an out location the host passed is missing; the operation then fails as a whole.
template <class T>
void RequireOut(T* out) {
  if (!out) throw Exception("Out location missing");
}
