#pragma once
// Published properties: each class registers its properties once, with a name, a type and a
// getter and setter, so that layouts can set them by name and code can enumerate them by type at
// run time (every font property of a component, every string property, …). A class registers
// from its constructor through PublishOnce, so a class's table exists before any of its
// instances is read from a layout.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "base/object.h"
#include "forms/color.h"
#include "forms/enum_info.h"
#include "forms/form_types.h"

enum TPropKind : uint8_t {
  pkInteger,
  pkBoolean,
  pkString,
  pkWideString,
  pkEnumeration,
  pkSet,
  pkColor,
  pkClass,      // an object the instance owns (a font, a string list); its value is never replaced
  pkEvent,
  pkComponent,  // a reference to another component
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
// A handler bound to an instance, as a layout's event property receives it.
using TEventHandler = std::variant<TNotifyEvent, TCloseEvent, TCloseQueryEvent>;

struct TPropInfo {
  std::string Name;
  TPropKind Kind = pkInteger;
  const TEnumInfo* Enum = nullptr;        // enumeration and set kinds
  const TClassInfo* ClassType = nullptr;  // class and component kinds
  size_t EventIndex = 0;                  // event kind: the alternative of TEventHandler it takes

  std::function<int64_t(TObject&)> GetOrd;  // integer, boolean, enumeration, set bits, colour
  std::function<void(TObject&, int64_t)> SetOrd;
  std::function<std::string(TObject&)> GetStr;
  std::function<void(TObject&, std::string_view)> SetStr;
  std::function<std::wstring(TObject&)> GetWStr;
  std::function<void(TObject&, std::wstring_view)> SetWStr;
  std::function<TObject*(TObject&)> GetObj;  // class and component kinds
  std::function<void(TObject&, TObject*)> SetObj;  // component kind; throws for the wrong class
  std::function<bool(TObject&)> HasEvent;
  std::function<void(TObject&, const TEventHandler&)> SetEvent;

  bool IsClassOf(const TClassInfo& cls) const {
    return Kind == pkClass && ClassType && ClassType->InheritsFrom(cls);
  }
};

// Every property of the object's class and its ancestors, the root class's first, each class's
// in registration order.
std::vector<const TPropInfo*> PublishedProperties(const TClassInfo& cls);
// The property of that name (ASCII case ignored); a derived class's property hides its base's.
const TPropInfo* FindProperty(const TClassInfo& cls, std::string_view name);

// Calls action for each property of the given kind, in the order of PublishedProperties.
template <class F>
void ForEachProperty(TObject& object, TPropKind kind, F&& action) {
  for (const TPropInfo* p : PublishedProperties(object.ClassInfo()))
    if (p->Kind == kind) action(*p);
}

// The value as a layout would write it (enumeration and colour names, set brackets, decimal).
std::string PropertyText(TObject& object, const TPropInfo& prop);

template <class T>
class TPublisher {
 public:
  template <class G, class S>
  void Integer(const char* name, G get, S set) {
    Ord(name, pkInteger, nullptr, get, set);
  }
  template <class G, class S>
  void Boolean(const char* name, G get, S set) {
    Ord(name, pkBoolean, nullptr, get, set);
  }
  template <class G, class S>
  void Enumeration(const char* name, const TEnumInfo& info, G get, S set) {
    Ord(name, pkEnumeration, &info, get, set);
  }
  template <class G, class S>
  void Color(const char* name, G get, S set) {
    Ord(name, pkColor, nullptr, get, set);
  }
  template <class G, class S>
  void Set(const char* name, const TEnumInfo& info, G get, S set) {
    TPropInfo& p = Add(name, pkSet);
    p.Enum = &info;
    p.GetOrd = [get](TObject& o) { return int64_t((Self(o).*get)().Bits()); };
    p.SetOrd = [get, set](TObject& o, int64_t v) {
      using TSetType = std::remove_cvref_t<decltype((Self(o).*get)())>;
      (Self(o).*set)(TSetType::FromBits(static_cast<uint32_t>(v)));
    };
  }
  template <class G, class S>
  void String(const char* name, G get, S set) {
    TPropInfo& p = Add(name, pkString);
    p.GetStr = [get](TObject& o) { return std::string((Self(o).*get)()); };
    p.SetStr = [set](TObject& o, std::string_view v) { (Self(o).*set)(std::string(v)); };
  }
  template <class G, class S>
  void WideString(const char* name, G get, S set) {
    TPropInfo& p = Add(name, pkWideString);
    p.GetWStr = [get](TObject& o) { return std::wstring((Self(o).*get)()); };
    p.SetWStr = [set](TObject& o, std::wstring_view v) { (Self(o).*set)(std::wstring(v)); };
  }
  // An owned sub-object (font, string list) whose own properties a layout sets by a dotted name.
  template <class G>
  void Object(const char* name, G get) {
    using TC = std::remove_pointer_t<decltype((std::declval<T&>().*get)())>;
    TPropInfo& p = Add(name, pkClass);
    p.ClassType = &TC::StaticClass();
    p.GetObj = [get](TObject& o) -> TObject* { return (Self(o).*get)(); };
  }
  template <class G, class S>
  void Reference(const char* name, G get, S set) {
    using TC = std::remove_pointer_t<decltype((std::declval<T&>().*get)())>;
    TPropInfo& p = Add(name, pkComponent);
    p.ClassType = &TC::StaticClass();
    p.GetObj = [get](TObject& o) -> TObject* { return (Self(o).*get)(); };
    p.SetObj = [set, name](TObject& o, TObject* v) {
      TC* c = class_cast<TC>(v);
      if (v && !c) ThrowWrongClass(name, TC::StaticClass(), *v);
      (Self(o).*set)(c);
    };
  }
  template <class E, class B>
  void Event(const char* name, E B::*base_field) {
    E T::*field = base_field;
    TPropInfo& p = Add(name, pkEvent);
    p.EventIndex = IndexOf<E>();
    p.HasEvent = [field](TObject& o) { return static_cast<bool>(Self(o).*field); };
    p.SetEvent = [field](TObject& o, const TEventHandler& h) { Self(o).*field = std::get<E>(h); };
  }

  explicit TPublisher(std::vector<TPropInfo>& table) : table_(table) {}

 private:
  static T& Self(TObject& o) { return static_cast<T&>(o); }
  template <class E>
  static constexpr size_t IndexOf() {
    if constexpr (std::is_same_v<E, TNotifyEvent>) return 0;
    else if constexpr (std::is_same_v<E, TCloseEvent>) return 1;
    else {
      static_assert(std::is_same_v<E, TCloseQueryEvent>);
      return 2;
    }
  }
  TPropInfo& Add(const char* name, TPropKind kind) {
    table_.push_back(TPropInfo{});
    table_.back().Name = name;
    table_.back().Kind = kind;
    return table_.back();
  }
  template <class G, class S>
  void Ord(const char* name, TPropKind kind, const TEnumInfo* info, G get, S set) {
    TPropInfo& p = Add(name, kind);
    p.Enum = info;
    p.GetOrd = [get](TObject& o) { return static_cast<int64_t>((Self(o).*get)()); };
    p.SetOrd = [set](TObject& o, int64_t v) {
      using TArg = std::remove_cvref_t<typename TSetterArg<S>::type>;
      (Self(o).*set)(static_cast<TArg>(v));
    };
  }
  template <class S>
  struct TSetterArg;
  template <class TC, class A>
  struct TSetterArg<void (TC::*)(A)> {
    using type = A;
  };
  [[noreturn]] static void ThrowWrongClass(const char* prop, const TClassInfo& want,
                                             const TObject& got);
  std::vector<TPropInfo>& table_;
};

namespace property_detail {
std::vector<TPropInfo>* ClaimTable(const TClassInfo& cls);
[[noreturn]] void ThrowWrongClass(const char* prop, const TClassInfo& want, const TObject& got);
}  // namespace property_detail

template <class T>
void TPublisher<T>::ThrowWrongClass(const char* prop, const TClassInfo& want,
                                      const TObject& got) {
  property_detail::ThrowWrongClass(prop, want, got);
}

// Registers the properties of class T the first time it is called for T.
template <class T, class F>
void PublishOnce(F&& declare) {
  if (std::vector<TPropInfo>* table = property_detail::ClaimTable(T::StaticClass())) {
    TPublisher<T> publisher(*table);
    declare(publisher);
  }
}
