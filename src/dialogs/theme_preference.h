#pragma once
// The host's preference for the newer caption and frame (ClientAPI_GetPrefUseLuna), read once at
// library start; false until then.

bool EmulatedThemePreference();
void SetEmulatedThemePreference(bool preferred);
