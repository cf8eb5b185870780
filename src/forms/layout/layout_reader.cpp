#include "forms/layout/layout_reader.h"

#include "base/ascii.h"
#include "base/scope_guard.h"
#include "base/string_list.h"
#include "forms/layout/class_registry.h"
#include "forms/errors.h"
#ifdef _WIN32
#include "base/text_convert.h"
#endif

THookPoint<std::string(TLayoutReader&)> LayoutReadStringHook("LayoutReadString",
                                                             &TLayoutReader::ReadStringDefault);
THookPoint<std::wstring(TLayoutReader&)> LayoutReadWideStringHook(
    "LayoutReadWideString", &TLayoutReader::ReadWideStringDefault);
THookPoint<void(TLayoutReader&, TComponent&, const TLayoutNode&)> LayoutReadComponentHook(
    "LayoutReadComponent", &TLayoutReader::ReadComponentDefault);
THookPoint<void(TLayoutReader&, TComponent&, const TLayoutProperty&)> LayoutReadPropertyHook(
    "LayoutReadProperty", &TLayoutReader::ReadPropertyDefault);

namespace {

// 8-bit texts are in the system's code page, as everywhere in the plug-in.
std::string Narrow(std::wstring_view text) {
#ifdef _WIN32
  return ToAnsi(text);
#else
  std::string out;
  for (wchar_t c : text) out += c < 0x100 ? char(c) : '?';
  return out;
#endif
}

const char* KindText(TLayoutValue::TKind k) {
  switch (k) {
    case TLayoutValue::vkInteger: return "a number";
    case TLayoutValue::vkString: return "a text";
    case TLayoutValue::vkIdent: return "a name";
    case TLayoutValue::vkSet: return "a set";
    case TLayoutValue::vkList: return "a list";
  }
  return "a value";
}

}  // namespace

TLayoutReader::TLayoutReader(TComponent* root, std::string resource, TLayoutBindings* bindings)
    : root_(root), resource_(std::move(resource)), bindings_(bindings) {}

void TLayoutReader::Fail(const std::string& what, int line) const {
  throw ELayoutError(what, resource_, line, component_name_, prop_path_);
}

void TLayoutReader::ReadRoot(const TLayoutNode& node) {
  component_name_ = node.Name;
  if (!root_) Fail("there is no component to read the layout into", node.Line);
  if (!root_->Is(node.ClassName))
    Fail("the layout is for class " + node.ClassName + ", not " + root_->ClassName(), node.Line);
  try {
    root_->SetName(node.Name);
  } catch (const ELayoutError&) {
    throw;
  } catch (const Exception& e) {
    Fail(e.Message(), node.Line);
  }
  root_->BeginLoading();
  loaded_.push_back(root_);
  LayoutReadComponentHook(*this, *root_, node);

  for (const TFixup& f : fixups_) {
    component_name_ = f.component;
    prop_path_ = f.property;
    TComponent* target = AsciiIequals(f.name, root_->Name()) ? root_ : root_->FindComponent(f.name);
    if (!target) Fail("no component is named " + f.name, f.line);
    try {
      f.prop->SetObj(*f.target, target);
    } catch (const Exception& e) {
      Fail(e.Message(), f.line);
    }
  }
  component_name_ = node.Name;
  prop_path_.clear();
  prop_name_.clear();
  if (bindings_) {
    std::vector<std::string> missing = bindings_->UnboundFields();
    if (!missing.empty()) Fail("the layout has no component " + missing.front(), node.Line);
  }
  // Children first, so the root's layout-loaded step sees every component ready.
  for (size_t i = loaded_.size(); i-- > 1;) loaded_[i]->Loaded();
  root_->Loaded();
}

void TLayoutReader::ReadProperties(TComponent& instance, const TLayoutNode& node) {
  for (const TLayoutProperty& prop : node.Properties) {
    component_ = &instance;
    component_name_ = node.Name;
    line_ = prop.Line;
    LayoutReadPropertyHook(*this, instance, prop);
  }
  if (!fixups_.empty()) Fail("component references need a form", fixups_.front().line);
  prop_name_.clear();
  prop_path_.clear();
}

void TLayoutReader::ReadComponentDefault(TLayoutReader& reader, TComponent& component,
                                         const TLayoutNode& node) {
  for (const TLayoutProperty& prop : node.Properties) {
    reader.component_ = &component;
    reader.component_name_ = node.Name;
    reader.line_ = prop.Line;
    LayoutReadPropertyHook(reader, component, prop);
  }
  reader.prop_name_.clear();
  reader.prop_path_.clear();
  for (const TLayoutNode& child : node.Children) reader.ReadChild(component, child);
  reader.component_ = &component;
  reader.component_name_ = node.Name;
}

void TLayoutReader::ReadChild(TComponent& parent, const TLayoutNode& node) {
  component_name_ = node.Name;
  prop_path_.clear();
  prop_name_.clear();
  const TComponentClass* cls = bindings_ ? bindings_->FindClass(node.ClassName) : nullptr;
  if (!cls) cls = FindComponentClass(node.ClassName);
  if (!cls) Fail("unknown class " + node.ClassName, node.Line);
  TComponent* component = cls->Create(root_);
  try {
    component->SetName(node.Name);
    if (bindings_ && !bindings_->BindField(*component))
      Fail("the form declares " + node.Name + " with another class than " + node.ClassName,
           node.Line);
    component->BeginLoading();
    component->SetParentComponent(&parent);
  } catch (const ELayoutError&) {
    delete component;
    throw;
  } catch (const Exception& e) {
    delete component;
    Fail(e.Message(), node.Line);
  }
  loaded_.push_back(component);
  component_ = component;
  LayoutReadComponentHook(*this, *component, node);
}

void TLayoutReader::ReadPropertyDefault(TLayoutReader& reader, TComponent& instance,
                                        const TLayoutProperty& prop) {
  reader.SetProperty(instance, prop);
}

void TLayoutReader::SetProperty(TComponent& instance, const TLayoutProperty& prop) {
  prop_path_ = prop.Name;
  line_ = prop.Line;
  TObject* target = &instance;
  std::string_view path = prop.Name;
  for (;;) {
    size_t dot = path.find('.');
    std::string part(path.substr(0, dot));
    prop_name_ = part;
    if (dot == std::string_view::npos) {
      if (auto* strings = class_cast<TStrings>(target); strings && AsciiIequals(part, "Strings")) {
        if (prop.Value.ValueKind != TLayoutValue::vkList)
          Fail("expected a list of texts in ( )", prop.Line);
        strings->Clear();
        for (const TLayoutValue& item : prop.Value.List) {
          if (item.ValueKind != TLayoutValue::vkString) Fail("a list item must be a text", item.Line);
          strings->Add(ReadString(item));
        }
        return;
      }
      const TPropInfo* p = FindProperty(target->ClassInfo(), part);
      if (!p) Fail(std::string("unknown property ") + part + " of " + target->ClassName(), prop.Line);
      SetValue(instance, *target, *p, prop.Value);
      return;
    }
    const TPropInfo* p = FindProperty(target->ClassInfo(), part);
    if (!p) Fail(std::string("unknown property ") + part + " of " + target->ClassName(), prop.Line);
    if (p->Kind != pkClass) Fail(part + " has no properties of its own", prop.Line);
    target = p->GetObj(*target);
    if (!target) Fail(part + " is not set", prop.Line);
    path = path.substr(dot + 1);
  }
}

void TLayoutReader::SetValue(TComponent& instance, TObject& target, const TPropInfo& p,
                              const TLayoutValue& v) {
  auto expect = [&](TLayoutValue::TKind k, const char* what) {
    if (v.ValueKind != k)
      Fail(std::string("expected ") + what + ", found " + KindText(v.ValueKind), v.Line);
  };
  try {
    switch (p.Kind) {
      case pkInteger:
        expect(TLayoutValue::vkInteger, "a number");
        p.SetOrd(target, v.Integer);
        break;
      case pkBoolean:
        expect(TLayoutValue::vkIdent, "True or False");
        if (AsciiIequals(v.Ident, "True")) p.SetOrd(target, 1);
        else if (AsciiIequals(v.Ident, "False")) p.SetOrd(target, 0);
        else Fail("unknown value " + v.Ident + " (True or False)", v.Line);
        break;
      case pkEnumeration: {
        expect(TLayoutValue::vkIdent, std::string(std::string("a value of ") + p.Enum->TypeName()).c_str());
        auto value = p.Enum->Value(v.Ident);
        if (!value) Fail("unknown value " + v.Ident + " of " + p.Enum->TypeName(), v.Line);
        p.SetOrd(target, *value);
        break;
      }
      case pkSet: {
        expect(TLayoutValue::vkSet, "a set in [ ]");
        uint32_t bits = 0;
        for (const std::string& member : v.Set) {
          auto value = p.Enum->Value(member);
          if (!value) Fail("unknown value " + member + " of " + p.Enum->TypeName(), v.Line);
          bits |= uint32_t{1} << *value;
        }
        p.SetOrd(target, bits);
        break;
      }
      case pkColor: {
        std::optional<TColor> color;
        if (v.ValueKind == TLayoutValue::vkIdent) color = StringToColor(v.Ident);
        else if (v.ValueKind == TLayoutValue::vkInteger) color = static_cast<TColor>(v.Integer);
        else Fail(std::string("expected a colour, found ") + KindText(v.ValueKind), v.Line);
        if (!color) Fail("unknown colour " + v.Ident, v.Line);
        p.SetOrd(target, *color);
        break;
      }
      case pkString:
        expect(TLayoutValue::vkString, "a text");
        p.SetStr(target, ReadString(v));
        break;
      case pkWideString:
        expect(TLayoutValue::vkString, "a text");
        p.SetWStr(target, ReadWideString(v));
        break;
      case pkClass:
        Fail(p.Name + " is set through its own properties (" + p.Name + ".…)", v.Line);
      case pkEvent: {
        expect(TLayoutValue::vkIdent, "a handler name");
        const TEventHandler* h = bindings_ ? bindings_->FindHandler(v.Ident) : nullptr;
        if (!h) Fail("the form has no handler " + v.Ident, v.Line);
        if (h->index() != p.EventIndex) Fail("handler " + v.Ident + " does not fit the event", v.Line);
        p.SetEvent(target, *h);
        break;
      }
      case pkComponent:
        expect(TLayoutValue::vkIdent, "a component name");
        fixups_.push_back({&instance, &target, &p, v.Ident, component_name_, prop_path_, v.Line});
        break;
    }
  } catch (const ELayoutError&) {
    throw;
  } catch (const Exception& e) {
    Fail(e.Message(), v.Line);
  }
}

std::string TLayoutReader::ReadString(const TLayoutValue& v) {
  value_ = &v;
  auto reset = OnScopeExit([this] { value_ = nullptr; });
  return LayoutReadStringHook(*this);
}

std::wstring TLayoutReader::ReadWideString(const TLayoutValue& v) {
  value_ = &v;
  auto reset = OnScopeExit([this] { value_ = nullptr; });
  return LayoutReadWideStringHook(*this);
}

std::string TLayoutReader::ReadStringDefault(TLayoutReader& reader) {
  return Narrow(reader.CurrentValue().String);
}

std::wstring TLayoutReader::ReadWideStringDefault(TLayoutReader& reader) {
  return reader.CurrentValue().String;
}
