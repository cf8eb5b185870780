#pragma once
// A raise hook receives the object being thrown and its dynamic type before any handler matched
// it. Whether it is (or derives from) one of our classes is the question a catch clause asks; the
// C++ runtime answers it only through its internal std::type_info::__do_catch, and this is the one
// place of the library that asks it.

#include <typeinfo>

// The thrown object seen as a `wanted` (adjusted to that base class), or nullptr when a handler
// for `wanted` would not catch it.
void* ThrownObjectAs(const std::type_info& wanted, const std::type_info* thrown_type,
                     void* thrown) noexcept;

template <class T>
T* ThrownObjectAs(const std::type_info* thrown_type, void* thrown) noexcept {
  return static_cast<T*>(ThrownObjectAs(typeid(T), thrown_type, thrown));
}
