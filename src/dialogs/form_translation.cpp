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
#include "forms/layout/layout_reader.h"
#include "forms/property.h"
#include "frame/client_api_bindings.h"
#include "frame/client_services.h"
#include "frame/guarded_host_call.h"
#include "hostapi/i_translation_manager.h"

namespace {

bool g_installed = false;
// Which of the two reader steps acts: the component step is disarmed while its own component is
// read and re-armed by that component's first property.
bool g_component_armed = false;
bool g_property_armed = false;
std::wstring g_context;
TObject* g_instance = nullptr;

// Texts of the layout are 8-bit in the thread's code page, as the properties keep them.
std::wstring ThreadWide(std::string_view text) {
  if (text.empty()) return std::wstring();
  int n = MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string ThreadAnsi(std::wstring_view text) {
  if (text.empty()) return std::string();
  int n = WideCharToMultiByte(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

TComPtr<ITranslationManager> TranslationManager() {
  return TComPtr<ITranslationManager>::Attach(ClientAPI_GetTranslationManager());
}

// The translation of a key under the current context; nothing when the manager has none.
bool Lookup(ITranslationManager& manager, const std::wstring& key, std::wstring& translation) {
  TUniqueBstr context(g_context), key_text(key);
  BSTR found_text = nullptr;
  int32_t found = 0;
  HRESULT status = manager.LookupTranslation(context.get(), key_text.get(), &found_text, &found);
  TUniqueBstr owned(TUniqueBstr::Attach(found_text));
  CheckHost(status);
  if (!found) return false;
  translation = owned.Wide();
  return true;
}

void SetFormContext(const std::wstring& name) {
  TComPtr<ITranslationManager> manager = TranslationManager();
  if (!manager) return;
  TUniqueBstr text(name);
  CheckHost(CallHost([&] { return manager->SetFormContext(text.get()); }));
}

// The translation of a caption becomes the instance's hint, and the hint is shown.
void TranslateHint(TObject* instance, std::string_view property, std::wstring_view text) {
  if (!instance) return;
  const TPropInfo* hint = FindProperty(instance->ClassInfo(), "Hint");
  if (!hint || hint->Kind != pkString) return;
  TComPtr<ITranslationManager> manager = TranslationManager();
  if (!manager) return;
  std::wstring translation;
  if (!Lookup(*manager.get(), TranslationKey(property, text), translation)) return;
  hint->SetStr(*instance, ThreadAnsi(translation));
  const TPropInfo* show_hint = FindProperty(instance->ClassInfo(), "ShowHint");
  if (show_hint && show_hint->Kind == pkBoolean) show_hint->SetOrd(*instance, 1);
}

std::wstring Translate(TLayoutReader& reader, std::wstring text) {
  // A reader without a form is not reading a dialog's layout.
  if (!reader.Owner()) return text;
  if (ClientAPI_GetUseLocalizedDialogs()) {
    if (TComPtr<ITranslationManager> manager = TranslationManager()) {
      std::wstring translation;
      if (Lookup(*manager.get(), TranslationKey(reader.PropertyName(), text), translation)) return translation;
    }
    return text;
  }
  if (reader.PropertyName() == "Caption") TranslateHint(g_instance, "Caption", text);
  return text;
}

std::string ReadString(TLayoutReader& reader) {
  std::string text = LayoutReadStringHook.Underlying(reader);
  return ThreadAnsi(Translate(reader, ThreadWide(text)));
}

std::wstring ReadWideString(TLayoutReader& reader) {
  std::wstring text = LayoutReadWideStringHook.Underlying(reader);
  // The host's translations are keyed by the texts as the 8-bit layouts carry them.
  return Translate(reader, ToWide(ToAnsi(text)));
}

void ReadComponent(TLayoutReader& reader, TComponent& component, const TLayoutNode& node) {
  if (!g_component_armed) {
    LayoutReadComponentHook.Underlying(reader, component, node);
    return;
  }
  g_component_armed = false;
  auto rearm = OnScopeExit([] { g_component_armed = true; });
  SetLayoutLoadingDepth(LayoutLoadingDepth() + 1);
  bool depth_left = false;
  auto leave_depth = OnScopeExit([&] {
    if (!depth_left) SetLayoutLoadingDepth(LayoutLoadingDepth() - 1);
  });

  auto* form = class_cast<TCustomForm>(&component);
  bool named = !component.Name().empty();
  bool form_context_set = false;
  // A failed read still closes the form's context, so the next form does not look up in it.
  auto close_context = OnScopeExit([&] {
    if (!form_context_set) return;
    try {
      SetFormContext(std::wstring());
    } catch (...) {
    }
  });
  if (form) {
    std::wstring name = FormContextName(component.ClassName());
    form_context_set = true;
    SetFormContext(name);
    g_context = name;
  } else if (named) {
    g_context = std::wstring(component.Name().begin(), component.Name().end());
  }

  g_property_armed = true;
  {
    auto disarm = OnScopeExit([] { g_property_armed = false; });
    LayoutReadComponentHook.Underlying(reader, component, node);
  }
  if (named) {
    TranslateHint(&component, "Hint", std::wstring_view());
    g_context.clear();
  }
  if (form) {
    form_context_set = false;
    SetFormContext(std::wstring());
  }

  depth_left = true;
  SetLayoutLoadingDepth(LayoutLoadingDepth() - 1);
  if (LayoutLoadingDepth() == 0 && TranslationActive() && ClientAPI_GetUseSystemLocaleLanguage() &&
      !QueryDialogFont(0).Exists)
    ApplyLocaleFontTree(&component);
}

void ReadProperty(TLayoutReader& reader, TComponent& instance, const TLayoutProperty& prop) {
  if (g_property_armed) {
    g_instance = &instance;
    g_property_armed = false;
    g_component_armed = true;
  }
  LayoutReadPropertyHook.Underlying(reader, instance, prop);
}

}  // namespace

void InstallFormTranslation() {
  LayoutReadStringHook.Install(&ReadString);
  LayoutReadWideStringHook.Install(&ReadWideString);
  LayoutReadComponentHook.Install(&ReadComponent);
  LayoutReadPropertyHook.Install(&ReadProperty);
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
  TComPtr<ITranslationManager> manager = TranslationManager();
  if (!manager) return false;
  int32_t translating = 0;
  CheckHost(CallHost([&] { return manager->IsTranslating(&translating); }));
  return translating != 0;
}
const std::wstring& TranslationContext() { return g_context; }
TObject* TranslationInstance() { return g_instance; }
