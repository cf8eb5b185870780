#include "base/thrown_object.h"

void* ThrownObjectAs(const std::type_info& wanted, const std::type_info* thrown_type,
                     void* thrown) noexcept {
  if (!thrown_type || !thrown) return nullptr;
  // GCC's runtime (libstdc++/libsupc++): __do_catch(thrown type, &object, outer) is what a handler
  // of type `wanted` runs; it adjusts the object pointer to the base class when it matches.
  void* adjusted = thrown;
  return wanted.__do_catch(thrown_type, &adjusted, 1) ? adjusted : nullptr;
}
