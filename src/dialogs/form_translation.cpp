#include "dialogs/form_translation.h"

#include <windows.h>

#include "base/bstr.h"
#include "base/check_host.h"
#include "base/com_ptr.h"
#include "base/scope_guard.h"
#include "base/text_convert.h"
#include "dialogs/dialog_framework_state.h"
#include "dialogs/font_properties.h"
#include "dialogs/translation_key.h"
#include "forms/form.h"
#include "forms/layout_reader.h"
#include "forms/property.h"
#include "frame/client_api_bindings.h"
#include "frame/client_services.h"
#include "hostapi/translation_manager.h"

namespace {

bool g_installed = false;
// Which of the two reader steps acts: the component step is disarmed while its own component is
// read and re-armed by that component's first property.
bool g_component_armed = false;
bool g_property_armed = false;
std::wstring g_context;
TObject* g_instance = nullptr;

// Texts of the layout are 8-bit in the thread's code page, as the properties keep them.
std::wstring thread_wide(std::string_view text) {
  if (text.empty()) return std::wstring();
  int n = MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string thread_ansi(std::wstring_view text) {
  if (text.empty()) return std::string();
  int n = WideCharToMultiByte(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

ComPtr<ITranslationManager> translation_manager() {
  return ComPtr<ITranslationManager>::attach(ClientAPI_GetTranslationManager());
}

// The translation of a key under the current context; nothing when the manager has none.
bool lookup(ITranslationManager& manager, const std::wstring& key, std::wstring& translation) {
  UniqueBstr context(g_context), key_text(key);
  BSTR found_text = nullptr;
  int32_t found = 0;
  HRESULT status = manager.LookupTranslation(context.get(), key_text.get(), &found_text, &found);
  UniqueBstr owned(UniqueBstr::attach(found_text));
  check_host(status);
  if (!found) return false;
  translation = owned.wide();
  return true;
}

void set_form_context(const std::wstring& name) {
  ComPtr<ITranslationManager> manager = translation_manager();
  if (!manager) return;
  UniqueBstr text(name);
  check_host(manager->SetFormContext(text.get()));
}

// The translation of a caption becomes the instance's hint, and the hint is shown.
void translate_hint(TObject* instance, std::string_view property, std::wstring_view text) {
  if (!instance) return;
  const TPropInfo* hint = find_property(instance->ClassInfo(), "Hint");
  if (!hint || hint->Kind != pkString) return;
  ComPtr<ITranslationManager> manager = translation_manager();
  if (!manager) return;
  std::wstring translation;
  if (!lookup(*manager.get(), TranslationKey(property, text), translation)) return;
  hint->SetStr(*instance, thread_ansi(translation));
  const TPropInfo* show_hint = find_property(instance->ClassInfo(), "ShowHint");
  if (show_hint && show_hint->Kind == pkBoolean) show_hint->SetOrd(*instance, 1);
}

std::wstring translate(TLayoutReader& reader, std::wstring text) {
  // A reader without a form is not reading a dialog's layout.
  if (!reader.Owner()) return text;
  if (ClientAPI_GetUseLocalizedDialogs()) {
    if (ComPtr<ITranslationManager> manager = translation_manager()) {
      std::wstring translation;
      if (lookup(*manager.get(), TranslationKey(reader.PropertyName(), text), translation)) return translation;
    }
    return text;
  }
  if (reader.PropertyName() == "Caption") translate_hint(g_instance, "Caption", text);
  return text;
}

std::string read_string(TLayoutReader& reader) {
  std::string text = LayoutReadStringHook.Underlying(reader);
  return thread_ansi(translate(reader, thread_wide(text)));
}

std::wstring read_wide_string(TLayoutReader& reader) {
  std::wstring text = LayoutReadWideStringHook.Underlying(reader);
  // The host's translations are keyed by the texts as the 8-bit layouts carry them.
  return translate(reader, to_wide(to_ansi(text)));
}

void read_component(TLayoutReader& reader, TComponent& component, const TLayoutNode& node) {
  if (!g_component_armed) {
    LayoutReadComponentHook.Underlying(reader, component, node);
    return;
  }
  g_component_armed = false;
  auto rearm = on_scope_exit([] { g_component_armed = true; });
  SetLayoutLoadingDepth(LayoutLoadingDepth() + 1);
  bool depth_left = false;
  auto leave_depth = on_scope_exit([&] {
    if (!depth_left) SetLayoutLoadingDepth(LayoutLoadingDepth() - 1);
  });

  auto* form = class_cast<TCustomForm>(&component);
  bool named = !component.Name().empty();
  bool form_context_set = false;
  // A failed read still closes the form's context, so the next form does not look up in it.
  auto close_context = on_scope_exit([&] {
    if (!form_context_set) return;
    try {
      set_form_context(std::wstring());
    } catch (...) {
    }
  });
  if (form) {
    std::wstring name = FormContextName(component.ClassName());
    form_context_set = true;
    set_form_context(name);
    g_context = name;
  } else if (named) {
    g_context = std::wstring(component.Name().begin(), component.Name().end());
  }

  g_property_armed = true;
  {
    auto disarm = on_scope_exit([] { g_property_armed = false; });
    LayoutReadComponentHook.Underlying(reader, component, node);
  }
  if (named) {
    translate_hint(&component, "Hint", std::wstring_view());
    g_context.clear();
  }
  if (form) {
    form_context_set = false;
    set_form_context(std::wstring());
  }

  depth_left = true;
  SetLayoutLoadingDepth(LayoutLoadingDepth() - 1);
  if (LayoutLoadingDepth() == 0 && TranslationActive() && ClientAPI_GetUseSystemLocaleLanguage() &&
      !QueryDialogFont(0).Exists)
    ApplyLocaleFontTree(&component);
}

void read_property(TLayoutReader& reader, TComponent& instance, const TLayoutProperty& prop) {
  if (g_property_armed) {
    g_instance = &instance;
    g_property_armed = false;
    g_component_armed = true;
  }
  LayoutReadPropertyHook.Underlying(reader, instance, prop);
}

}  // namespace

void InstallFormTranslation() {
  LayoutReadStringHook.Install(&read_string);
  LayoutReadWideStringHook.Install(&read_wide_string);
  LayoutReadComponentHook.Install(&read_component);
  LayoutReadPropertyHook.Install(&read_property);
  g_component_armed = true;
  g_property_armed = false;
  g_installed = true;
}

void RemoveFormTranslation() {
  if (!g_installed) return;
  LayoutReadComponentHook.Remove();
  LayoutReadPropertyHook.Remove();
  LayoutReadWideStringHook.Remove();
  LayoutReadStringHook.Remove();
  g_component_armed = false;
  g_property_armed = false;
  g_installed = false;
  g_context.clear();
  g_instance = nullptr;
}

bool FormTranslationInstalled() { return g_installed; }

bool HostIsTranslating() {
  ComPtr<ITranslationManager> manager = translation_manager();
  if (!manager) return false;
  int32_t translating = 0;
  check_host(manager->IsTranslating(&translating));
  return translating != 0;
}
const std::wstring& TranslationContext() { return g_context; }
TObject* TranslationInstance() { return g_instance; }
