#pragma once
// The root of every class that takes part in class-name checks: each class knows its name and its
// parent, so code can ask whether an object "is or derives from" a class given by type or by name.

#include <string_view>

struct TClassInfo {
  const char* Name;
  const TClassInfo* Parent;

  bool InheritsFrom(const TClassInfo& other) const;
  // Class names compare without regard to the case of ASCII letters.
  bool InheritsFrom(std::string_view class_name) const;
};

class TObject {
 public:
  virtual ~TObject() = default;

  static const TClassInfo& StaticClass();
  virtual const TClassInfo& ClassInfo() const { return StaticClass(); }

  const char* ClassName() const { return ClassInfo().Name; }
  bool Is(const TClassInfo& cls) const { return ClassInfo().InheritsFrom(cls); }
  bool Is(std::string_view class_name) const { return ClassInfo().InheritsFrom(class_name); }
};

// Placed first in the body of every class derived from TObject.
#define TAVRIN_CLASS(Self, Base)                                          \
 public:                                                                  \
  static const ::TClassInfo& StaticClass() {                              \
    static const ::TClassInfo info{#Self, &Base::StaticClass()};          \
    return info;                                                          \
  }                                                                       \
  const ::TClassInfo& ClassInfo() const override { return StaticClass(); } \
                                                                          \
 private:

// Checked downcast by class info: nullptr when the object is none or of another class.
template <class T, class U>
T* class_cast(U* object) {
  return object && object->Is(T::StaticClass()) ? static_cast<T*>(object) : nullptr;
}
