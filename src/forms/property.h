#pragma once
// Published properties: each class registers its properties once, with a name, a type and a
// getter and setter, so that layouts can set them by name and code can enumerate them by type at
// run time (every font property of a component, every string property, …). A class registers
// from its constructor through publish_once, so a class's table exists before any of its
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
std::vector<const TPropInfo*> published_properties(const TClassInfo& cls);
// The property of that name (ASCII case ignored); a derived class's property hides its base's.
const TPropInfo* find_property(const TClassInfo& cls, std::string_view name);

// Calls action for each property of the given kind, in the order of published_properties.
template <class F>
void for_each_property(TObject& object, TPropKind kind, F&& action) {
  for (const TPropInfo* p : published_properties(object.ClassInfo()))
    if (p->Kind == kind) action(*p);
}

// The value as a layout would write it (enumeration and colour names, set brackets, decimal).
std::string property_text(TObject& object, const TPropInfo& prop);

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
    TPropInfo& p = add(name, pkSet);
    p.Enum = &info;
    p.GetOrd = [get](TObject& o) { return int64_t((self(o).*get)().Bits()); };
    p.SetOrd = [get, set](TObject& o, int64_t v) {
      using SetType = std::remove_cvref_t<decltype((self(o).*get)())>;
      (self(o).*set)(SetType::FromBits(static_cast<uint32_t>(v)));
    };
  }
  template <class G, class S>
  void String(const char* name, G get, S set) {
    TPropInfo& p = add(name, pkString);
    p.GetStr = [get](TObject& o) { return std::string((self(o).*get)()); };
    p.SetStr = [set](TObject& o, std::string_view v) { (self(o).*set)(std::string(v)); };
  }
  template <class G, class S>
  void WideString(const char* name, G get, S set) {
    TPropInfo& p = add(name, pkWideString);
    p.GetWStr = [get](TObject& o) { return std::wstring((self(o).*get)()); };
    p.SetWStr = [set](TObject& o, std::wstring_view v) { (self(o).*set)(std::wstring(v)); };
  }
  // An owned sub-object (font, string list) whose own properties a layout sets by a dotted name.
  template <class G>
  void Object(const char* name, G get) {
    using C = std::remove_pointer_t<decltype((std::declval<T&>().*get)())>;
    TPropInfo& p = add(name, pkClass);
    p.ClassType = &C::StaticClass();
    p.GetObj = [get](TObject& o) -> TObject* { return (self(o).*get)(); };
  }
  template <class G, class S>
  void Reference(const char* name, G get, S set) {
    using C = std::remove_pointer_t<decltype((std::declval<T&>().*get)())>;
    TPropInfo& p = add(name, pkComponent);
    p.ClassType = &C::StaticClass();
    p.GetObj = [get](TObject& o) -> TObject* { return (self(o).*get)(); };
    p.SetObj = [set, name](TObject& o, TObject* v) {
      C* c = class_cast<C>(v);
      if (v && !c) throw_wrong_class(name, C::StaticClass(), *v);
      (self(o).*set)(c);
    };
  }
  template <class E, class B>
  void Event(const char* name, E B::*base_field) {
    E T::*field = base_field;
    TPropInfo& p = add(name, pkEvent);
    p.EventIndex = index_of<E>();
    p.HasEvent = [field](TObject& o) { return static_cast<bool>(self(o).*field); };
    p.SetEvent = [field](TObject& o, const TEventHandler& h) { self(o).*field = std::get<E>(h); };
  }

  explicit TPublisher(std::vector<TPropInfo>& table) : table_(table) {}

 private:
  static T& self(TObject& o) { return static_cast<T&>(o); }
  template <class E>
  static constexpr size_t index_of() {
    if constexpr (std::is_same_v<E, TNotifyEvent>) return 0;
    else if constexpr (std::is_same_v<E, TCloseEvent>) return 1;
    else {
      static_assert(std::is_same_v<E, TCloseQueryEvent>);
      return 2;
    }
  }
  TPropInfo& add(const char* name, TPropKind kind) {
    table_.push_back(TPropInfo{});
    table_.back().Name = name;
    table_.back().Kind = kind;
    return table_.back();
  }
  template <class G, class S>
  void Ord(const char* name, TPropKind kind, const TEnumInfo* info, G get, S set) {
    TPropInfo& p = add(name, kind);
    p.Enum = info;
    p.GetOrd = [get](TObject& o) { return static_cast<int64_t>((self(o).*get)()); };
    p.SetOrd = [set](TObject& o, int64_t v) {
      using Arg = std::remove_cvref_t<typename setter_arg<S>::type>;
      (self(o).*set)(static_cast<Arg>(v));
    };
  }
  template <class S>
  struct setter_arg;
  template <class C, class A>
  struct setter_arg<void (C::*)(A)> {
    using type = A;
  };
  [[noreturn]] static void throw_wrong_class(const char* prop, const TClassInfo& want,
                                             const TObject& got);
  std::vector<TPropInfo>& table_;
};

namespace property_detail {
std::vector<TPropInfo>* claim_table(const TClassInfo& cls);
[[noreturn]] void throw_wrong_class(const char* prop, const TClassInfo& want, const TObject& got);
}  // namespace property_detail

template <class T>
void TPublisher<T>::throw_wrong_class(const char* prop, const TClassInfo& want,
                                      const TObject& got) {
  property_detail::throw_wrong_class(prop, want, got);
}

// Registers the properties of class T the first time it is called for T.
template <class T, class F>
void publish_once(F&& declare) {
  if (std::vector<TPropInfo>* table = property_detail::claim_table(T::StaticClass())) {
    TPublisher<T> publisher(*table);
    declare(publisher);
  }
}
