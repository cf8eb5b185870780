#include "forms/layout_bindings.h"

#include "base/ascii.h"

const TComponentClass* TLayoutBindings::FindClass(std::string_view name) const {
  for (const TComponentClass& c : classes_)
    if (ascii_iequals(c.Info->Name, name)) return &c;
  return nullptr;
}

const TEventHandler* TLayoutBindings::FindHandler(std::string_view name) const {
  for (const NamedHandler& h : handlers_)
    if (ascii_iequals(h.name, name)) return &h.handler;
  return nullptr;
}

bool TLayoutBindings::BindField(TComponent& component) {
  for (Field& f : fields_) {
    if (!ascii_iequals(f.name, component.Name())) continue;
    if (!component.Is(*f.cls)) return false;
    f.assign(&component);
    f.bound = true;
  }
  return true;
}

std::vector<std::string> TLayoutBindings::UnboundFields() const {
  std::vector<std::string> names;
  for (const Field& f : fields_)
    if (!f.bound) names.push_back(f.name);
  return names;
}
