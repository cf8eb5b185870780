#pragma once
// The texts of a form's layout in the host's language. While a layout is read, every string and
// wide string goes through the host's translation manager under the current context (the form's
// context name, then the name of the component being read). With the host's localised dialogs on,
// a translation replaces the designed text; off, a caption keeps its text and its translation, if
// any, becomes the control's hint. The reader's component and property steps keep the context,
// the loading depth and the current instance; they hand over to each other so that each component
// of the layout passes through the component step once.

#include <string>

class TObject;

// Puts the four layout-reader replacements in place / takes them out again (library start, end).
void InstallFormTranslation();
void RemoveFormTranslation();
bool FormTranslationInstalled();

// The host's translation manager says it translates (IsTranslating answers non-zero); false
// without a manager. A failing status raises.
bool HostIsTranslating();

// The context and instance the last lookups used (empty / none between forms).
const std::wstring& TranslationContext();
TObject* TranslationInstance();
