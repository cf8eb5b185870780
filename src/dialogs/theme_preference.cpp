#include "dialogs/theme_preference.h"

namespace {
bool g_preferred = false;
}

bool EmulatedThemePreference() { return g_preferred; }
void SetEmulatedThemePreference(bool preferred) { g_preferred = preferred; }
