#pragma once
// Run, the plug-in's one command: shows the Hole Size Editor for the open PCB board and asks the
// host to redraw once it has closed.

#include "hostapi/i_server_document.h"

// The view and parameter text the host passes are not used.
void Run(IServerView* view, char* parameters);
