#pragma once
// Whether the system's visual styles apply to this process's windows.

bool VisualStylesActive();
