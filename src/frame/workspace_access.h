#pragma once
// The host's workspace. The plug-in never loads "WorkspaceManager.DLL": it is looked for among the
// loaded modules on every call until found; from then on its export is reused.

#include "base/com_ptr.h"
#include "hostapi/workspace.h"

// The workspace, or empty while the module or its export is not there.
TComPtr<IWorkspace> GetWorkspace();
// Forgets a module found (tests that unload it).
void ForgetWorkspaceModule();
