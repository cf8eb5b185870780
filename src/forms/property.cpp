#include "forms/property.h"

#include <map>
#include <memory>

#include "base/ascii.h"
#include "base/exceptions.h"

namespace {

std::map<const TClassInfo*, std::unique_ptr<std::vector<TPropInfo>>>& Tables() {
  static std::map<const TClassInfo*, std::unique_ptr<std::vector<TPropInfo>>> t;
  return t;
}

const std::vector<TPropInfo>* TableOf(const TClassInfo& cls) {
  auto it = Tables().find(&cls);
  return it == Tables().end() ? nullptr : it->second.get();
}

}  // namespace

namespace property_detail {

std::vector<TPropInfo>* ClaimTable(const TClassInfo& cls) {
  auto& slot = Tables()[&cls];
  if (slot) return nullptr;
  slot = std::make_unique<std::vector<TPropInfo>>();
  return slot.get();
}

void ThrowWrongClass(const char* prop, const TClassInfo& want, const TObject& got) {
  throw Exception(std::string("Property ") + prop + " needs a " + want.Name + ", not a " +
                  got.ClassName());
}

}  // namespace property_detail

std::vector<const TPropInfo*> PublishedProperties(const TClassInfo& cls) {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = &cls; c; c = c->Parent) chain.push_back(c);
  std::vector<const TPropInfo*> result;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    if (const auto* table = TableOf(**it))
      for (const TPropInfo& p : *table) result.push_back(&p);
  return result;
}

const TPropInfo* FindProperty(const TClassInfo& cls, std::string_view name) {
  for (const TClassInfo* c = &cls; c; c = c->Parent)
    if (const auto* table = TableOf(*c))
      for (const TPropInfo& p : *table)
        if (AsciiIequals(p.Name, name)) return &p;
  return nullptr;
}

std::string PropertyText(TObject& object, const TPropInfo& prop) {
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
