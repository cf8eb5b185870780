#include "dialogs/font_properties.h"

#include "forms/property.h"
#include "frame/client_api_bindings.h"

void ForEachFontProperty(TComponent& component, const TFontPropertyAction& action) {
  ForEachProperty(component, pkClass, [&](const TPropInfo& prop) {
    if (!prop.IsClassOf(TFont::StaticClass()) || !prop.GetObj) return;
    if (auto* font = class_cast<TFont>(prop.GetObj(component))) action(component, *font);
  });
}

void ApplyLocaleFontTree(TComponent* component) {
  if (!component) return;
  ForEachFontProperty(*component, [](TComponent&, TFont& font) {
    LOGFONTW logfont = font.LogFont();
    if (ClientAPI_UpdateFont(&logfont)) font.SetLogFont(logfont);
  });
  // By index: a font change may make a component add or remove components of its own.
  for (int i = 0; i < component->ComponentCount(); ++i) ApplyLocaleFontTree(component->Component(i));
}
