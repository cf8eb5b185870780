#pragma once
// Placing and showing forms the way the host places its dialogs; usable on any form (message
// boxes too), not only server dialogs.

#include <windows.h>

#include "forms/form.h"

// Centres the form on the full bounds (not the work area) of the monitor nearest to the window
// that is active for this thread; does nothing when there is no monitor. Width and height stay.
void CenterOnActiveMonitor(TCustomForm& form);
// Centres the form on the given monitor bounds.
void CenterOnMonitorBounds(TCustomForm& form, const RECT& bounds);
// Shows the form where it is, without the framework's placement by Position: the show event runs
// (a failure of it is reported and the showing goes on), then the window is shown with the
// command for its window state.
void ShowWithoutPositioning(TCustomForm& form);
