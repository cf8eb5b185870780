#include "forms/class_registry.h"

#include <vector>

#include "base/ascii.h"

namespace {
std::vector<TComponentClass>& classes() {
  static std::vector<TComponentClass> list;
  return list;
}
}  // namespace

void register_component_class(const TComponentClass& cls) {
  for (TComponentClass& c : classes())
    if (c.Info == cls.Info) return;
  classes().push_back(cls);
}

const TComponentClass* find_component_class(std::string_view name) {
  for (const TComponentClass& c : classes())
    if (ascii_iequals(c.Info->Name, name)) return &c;
  return nullptr;
}
