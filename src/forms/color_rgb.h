#pragma once
// The RGB value a colour stands for now: system colours (either encoding) as the system paints
// them.

#include <windows.h>

#include "forms/color.h"

COLORREF ColorToRGB(TColor color);
