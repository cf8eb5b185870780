#pragma once
// Component classes the layout reader can create by name. A form's own layout finds the classes
// of its declared component fields without any registration (TLayoutBindings); classes used in a
// layout without a field, or in layouts read outside a form, are registered here once.

#include <string_view>

#include "base/object.h"
#include "forms/component.h"

struct TComponentClass {
  const TClassInfo* Info;
  TComponent* (*Create)(TComponent* owner);
};

template <class T>
TComponentClass ComponentClassOf() {
  return {&T::StaticClass(), [](TComponent* owner) -> TComponent* { return make_component<T>(owner); }};
}

void RegisterComponentClass(const TComponentClass& cls);
template <class T>
void RegisterComponentClass() {
  RegisterComponentClass(ComponentClassOf<T>());
}
// The registered class of that name (ASCII case ignored), or nullptr.
const TComponentClass* FindComponentClass(std::string_view name);
