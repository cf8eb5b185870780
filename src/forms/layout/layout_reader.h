#pragma once
// Applies a layout tree to a root component (a form): creates each nested component by class
// name with the root as owner, places it in the component that encloses it, sets its properties
// in stored order, binds events and component references by name, then runs every component's
// layout-loaded step (the root's last). Its string, wide-string, component and property steps run
// through hook points, so start-up can translate texts and follow the reading.

#include <string>
#include <string_view>
#include <vector>

#include "forms/component.h"
#include "base/hook_point.h"
#include "forms/layout/layout_bindings.h"
#include "forms/layout/layout_parser.h"

class TLayoutReader {
 public:
  // root may be null only for reading properties into a lone object; bindings may be null.
  TLayoutReader(TComponent* root, std::string resource, TLayoutBindings* bindings);

  // Reads the whole tree into the root; throws ELayoutError naming where a step failed.
  void ReadRoot(const TLayoutNode& node);
  // Sets the node's own properties on a lone component, through the property step; without a
  // form there are no events and no component references to bind.
  void ReadProperties(TComponent& instance, const TLayoutNode& node);

  // The component the layout is read for (the form); nullptr when there is none.
  TComponent* Owner() const { return root_; }
  const std::string& Resource() const { return resource_; }
  // The component being read and the property being set: the last part of its dotted name
  // ("Name" for Font.Name) and the whole name.
  TComponent* CurrentComponent() const { return component_; }
  const std::string& PropertyName() const { return prop_name_; }
  const std::string& PropertyPath() const { return prop_path_; }
  // The value the string and wide-string steps are reading.
  const TLayoutValue& CurrentValue() const { return *value_; }

  // The reader's own steps; start-up's replacements call them through the hook points'
  // Underlying.
  static std::string ReadStringDefault(TLayoutReader& reader);
  static std::wstring ReadWideStringDefault(TLayoutReader& reader);
  static void ReadComponentDefault(TLayoutReader& reader, TComponent& component,
                                   const TLayoutNode& node);
  static void ReadPropertyDefault(TLayoutReader& reader, TComponent& instance,
                                  const TLayoutProperty& prop);

 private:
  struct TFixup {
    TComponent* instance;
    TObject* target;
    const TPropInfo* prop;
    std::string name, component, property;
    int line;
  };
  void ReadChild(TComponent& parent, const TLayoutNode& node);
  void SetProperty(TComponent& instance, const TLayoutProperty& prop);
  void SetValue(TComponent& instance, TObject& target, const TPropInfo& p, const TLayoutValue& v);
  std::string ReadString(const TLayoutValue& v);
  std::wstring ReadWideString(const TLayoutValue& v);
  [[noreturn]] void Fail(const std::string& what, int line) const;

  TComponent* root_;
  std::string resource_;
  TLayoutBindings* bindings_;
  TComponent* component_ = nullptr;
  std::string component_name_;
  std::string prop_name_, prop_path_;
  int line_ = 0;
  const TLayoutValue* value_ = nullptr;
  std::vector<TComponent*> loaded_;
  std::vector<TFixup> fixups_;
};

extern THookPoint<std::string(TLayoutReader&)> LayoutReadStringHook;
extern THookPoint<std::wstring(TLayoutReader&)> LayoutReadWideStringHook;
extern THookPoint<void(TLayoutReader&, TComponent&, const TLayoutNode&)> LayoutReadComponentHook;
extern THookPoint<void(TLayoutReader&, TComponent&, const TLayoutProperty&)> LayoutReadPropertyHook;
