#include "forms/layout/layout_bindings.h"

#include "base/ascii.h"

const TComponentClass* TLayoutBindings::FindClass(std::string_view name) const {
  for (const TComponentClass& c : classes_)
    if (AsciiIequals(c.Info->Name, name)) return &c;
  return nullptr;
}

const TEventHandler* TLayoutBindings::FindHandler(std::string_view name) const {
  for (const TNamedHandler& h : handlers_)
    if (AsciiIequals(h.name, name)) return &h.handler;
  return nullptr;
}

bool TLayoutBindings::BindField(TComponent& component) {
  for (TField& f : fields_) {
    if (!AsciiIequals(f.name, component.Name())) continue;
    if (!component.Is(*f.cls)) return false;
    f.assign(&component);
    f.bound = true;
  }
  return true;
}

std::vector<std::string> TLayoutBindings::UnboundFields() const {
  std::vector<std::string> names;
  for (const TField& f : fields_)
    if (!f.bound) names.push_back(f.name);
  return names;
}
