#pragma once
// Dialog bounds kept in the registry under the forms key, one subkey per dialog class holding
// "Width", "Height", "Left" and "Top". A missing key or value leaves that bound as it is.

#include "forms/form.h"

// Reads the asked-for bounds (Width then Height, Left then Top), starting from the dialog's
// current ones, and sets all four in one step. A size that is not positive keeps the current
// size, and a place that lies on no monitor keeps the current place.
void LoadBounds(TCustomForm& dialog, bool size, bool position);
// Writes the asked-for current bounds, creating the subkey as needed.
void StoreBounds(TCustomForm& dialog, bool size, bool position);
