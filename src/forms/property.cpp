#include "forms/property.h"

#include <map>
#include <memory>

#include "base/ascii.h"
#include "base/exceptions.h"

namespace {

std::map<const TClassInfo*, std::unique_ptr<std::vector<TPropInfo>>>& tables() {
  static std::map<const TClassInfo*, std::unique_ptr<std::vector<TPropInfo>>> t;
  return t;
}

const std::vector<TPropInfo>* table_of(const TClassInfo& cls) {
  auto it = tables().find(&cls);
  return it == tables().end() ? nullptr : it->second.get();
}

}  // namespace

namespace property_detail {

std::vector<TPropInfo>* claim_table(const TClassInfo& cls) {
  auto& slot = tables()[&cls];
  if (slot) return nullptr;
  slot = std::make_unique<std::vector<TPropInfo>>();
  return slot.get();
}

void throw_wrong_class(const char* prop, const TClassInfo& want, const TObject& got) {
  throw Exception(std::string("Property ") + prop + " needs a " + want.Name + ", not a " +
                  got.ClassName());
}

}  // namespace property_detail

std::vector<const TPropInfo*> published_properties(const TClassInfo& cls) {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = &cls; c; c = c->Parent) chain.push_back(c);
  std::vector<const TPropInfo*> result;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    if (const auto* table = table_of(**it))
      for (const TPropInfo& p : *table) result.push_back(&p);
  return result;
}

const TPropInfo* find_property(const TClassInfo& cls, std::string_view name) {
  for (const TClassInfo* c = &cls; c; c = c->Parent)
    if (const auto* table = table_of(*c))
      for (const TPropInfo& p : *table)
        if (ascii_iequals(p.Name, name)) return &p;
  return nullptr;
}

std::string property_text(TObject& object, const TPropInfo& prop) {
  switch (prop.Kind) {
    case pkInteger:
      return std::to_string(prop.GetOrd(object));
    case pkBoolean:
      return prop.GetOrd(object) ? "True" : "False";
    case pkEnumeration:
      return prop.Enum->Name(prop.GetOrd(object));
    case pkSet:
      return prop.Enum->SetText(static_cast<uint32_t>(prop.GetOrd(object)));
    case pkColor:
      return ColorToString(static_cast<TColor>(prop.GetOrd(object)));
    case pkString:
      return prop.GetStr(object);
    case pkWideString: {
      std::string narrow;
      for (wchar_t c : prop.GetWStr(object)) narrow += c < 0x80 ? char(c) : '?';
      return narrow;
    }
    case pkClass:
    case pkComponent: {
      TObject* value = prop.GetObj(object);
      return value ? value->ClassName() : "nil";
    }
    case pkEvent:
      return prop.HasEvent(object) ? "(handler)" : "nil";
  }
  return {};
}
