#include "base/object.h"

#include "base/ascii.h"

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo info{"TObject", nullptr};
  return info;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    if (c == &other) return true;
  return false;
}

bool TClassInfo::InheritsFrom(std::string_view class_name) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    if (AsciiIequals(c->Name, class_name)) return true;
  return false;
}
