#include "forms/layout/class_registry.h"

#include <vector>

#include "base/ascii.h"

namespace {
std::vector<TComponentClass>& Classes() {
  static std::vector<TComponentClass> list;
  return list;
}
}  // namespace

void RegisterComponentClass(const TComponentClass& cls) {
  for (TComponentClass& c : Classes())
    if (c.Info == cls.Info) return;
  Classes().push_back(cls);
}

const TComponentClass* FindComponentClass(std::string_view name) {
  for (const TComponentClass& c : Classes())
    if (AsciiIequals(c.Info->Name, name)) return &c;
  return nullptr;
}
