#pragma once
// A component inserted into its owner while the host translates the plug-in's texts, adapts fonts
// to the system locale and prescribes no dialog font gets its fonts adapted to the locale.
// Installed on the hook point ComponentInsertedHook.

void InstallComponentInsertionFonts();
void RemoveComponentInsertionFonts();
