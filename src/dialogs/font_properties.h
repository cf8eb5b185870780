#pragma once
// The fonts of a component, found through its published properties, and the host's adaptation of
// a component tree's fonts to the system locale.

#include <functional>

#include "forms/component.h"
#include "forms/font.h"

using TFontPropertyAction = std::function<void(TComponent& component, TFont& font)>;

// Calls the action for each published property of the component whose type is the font class (or
// derives from it) and whose current value is set.
void ForEachFontProperty(TComponent& component, const TFontPropertyAction& action);

// Offers every font of the component and, recursively, of each component it owns to the host
// (ClientAPI_UpdateFont); a font the host adapts gets a new handle made from the adapted logical
// font. The child-control tree is not walked separately.
void ApplyLocaleFontTree(TComponent* component);
