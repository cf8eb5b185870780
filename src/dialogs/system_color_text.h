#pragma once
// Colours stored with the old encoding of system colours (top byte 0x80) get the names of the
// current one (top byte 0xFF) when they are turned into text, so a stored button-face colour stays
// "clBtnFace" whichever encoding wrote it. Installed on the hook point ColorToTextHook.

#include "forms/color.h"

// The colour in the current encoding: low 24 bits kept, top byte 0x80 becomes 0xFF.
TColor CurrentSystemColorEncoding(TColor color);

void InstallSystemColorText();
void RemoveSystemColorText();
