#pragma once
// What a form declares for its layout: its component fields (filled by name as the components
// are created, which also makes their classes known to the reader) and its event handlers by
// name (OnClick = OKButtonClick binds to the handler declared as "OKButtonClick").

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/layout/class_registry.h"
#include "forms/component.h"
#include "forms/property.h"

class TLayoutBindings {
 public:
  explicit TLayoutBindings(TComponent& root) : root_(root) {}

  template <class T>
  void Component(std::string_view name, T*& field) {
    Class<T>();
    fields_.push_back({std::string(name), &T::StaticClass(),
                       [&field](TComponent* c) { field = static_cast<T*>(c); }, false});
  }
  // A class the layout uses without a field.
  template <class T>
  void Class() {
    for (const TComponentClass& c : classes_)
      if (c.Info == &T::StaticClass()) return;
    classes_.push_back(ComponentClassOf<T>());
  }
  template <class F>
  void Handler(std::string_view name, void (F::*method)(TObject*)) {
    F* self = static_cast<F*>(&root_);
    Add(name, TNotifyEvent([self, method](TObject* s) { (self->*method)(s); }));
  }
  template <class F>
  void Handler(std::string_view name, void (F::*method)(TObject*, TCloseAction&)) {
    F* self = static_cast<F*>(&root_);
    Add(name, TCloseEvent([self, method](TObject* s, TCloseAction& a) { (self->*method)(s, a); }));
  }
  template <class F>
  void Handler(std::string_view name, void (F::*method)(TObject*, bool&)) {
    F* self = static_cast<F*>(&root_);
    Add(name, TCloseQueryEvent([self, method](TObject* s, bool& c) { (self->*method)(s, c); }));
  }

  // Used by the layout reader.
  const TComponentClass* FindClass(std::string_view name) const;
  const TEventHandler* FindHandler(std::string_view name) const;
  // Fills the field declared under the component's name; false when its class does not fit.
  bool BindField(TComponent& component);
  // Names of declared fields that no component of the layout filled.
  std::vector<std::string> UnboundFields() const;

 private:
  struct TField {
    std::string name;
    const TClassInfo* cls;
    std::function<void(TComponent*)> assign;
    bool bound;
  };
  struct TNamedHandler {
    std::string name;
    TEventHandler handler;
  };
  void Add(std::string_view name, TEventHandler handler) {
    handlers_.push_back({std::string(name), std::move(handler)});
  }

  TComponent& root_;
  std::vector<TComponentClass> classes_;
  std::vector<TField> fields_;
  std::vector<TNamedHandler> handlers_;
};
