#pragma once
// Library-wide values of the dialog framework. Start-up fills them; the dialogs read them. Until
// the translation of layout texts is in place nothing translates and no layout read is counted,
// and until the emulated theme is, no dialog gets a theme frame.

#include <string>

class TCustomForm;

// The registry path (current user's hive) under which dialogs keep their bounds, one subkey per
// dialog class. Empty before start-up: then no bounds are read or written.
const std::wstring& FormsKey();
void SetFormsKey(std::wstring key);

// The host's translation manager was translating at start-up.
bool TranslationActive();
void SetTranslationActive(bool active);

// Nesting depth of the layout reads in progress.
int LayoutLoadingDepth();
void SetLayoutLoadingDepth(int depth);

// Creates the theme frame of a server dialog (owned by the dialog) when the emulated theme
// applies; none installed means it does not.
using TThemeFrameFactory = void (*)(TCustomForm& dialog);
TThemeFrameFactory ThemeFrameFactory();
void SetThemeFrameFactory(TThemeFrameFactory factory);
