#include "dialogs/component_insertion_fonts.h"

#include "dialogs/dialog_framework_state.h"
#include "dialogs/font_properties.h"
#include "forms/component.h"
#include "frame/client_api_bindings.h"
#include "frame/client_services.h"

namespace {

constexpr uint32_t kDialogFontKind = 0;

void InsertComponentWithFonts(TComponent& owner, TComponent& component) {
  ComponentInsertedHook.Underlying(owner, component);
  if (TranslationActive() && ClientAPI_GetUseSystemLocaleLanguage() && !QueryDialogFont(kDialogFontKind).Exists)
    ApplyLocaleFontTree(&component);
}

}  // namespace

void InstallComponentInsertionFonts() { ComponentInsertedHook.Install(&InsertComponentWithFonts); }

void RemoveComponentInsertionFonts() { ComponentInsertedHook.Remove(); }
