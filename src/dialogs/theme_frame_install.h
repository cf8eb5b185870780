#pragma once
// The emulated theme frame's part of the library start: reads the host's preference for the
// newer caption and frame and lets every server dialog made while the emulated theme applies get
// a TThemeForm. Library end frees the shared theme data.

#include "dialogs/theme_kind.h"

void InstallThemeFrame();
void RemoveThemeFrame();

// The kind for this process now: visual styles, the preference read at start and the system's
// version.
TThemeKind CurrentThemeKind();
