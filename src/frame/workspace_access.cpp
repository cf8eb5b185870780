#include "frame/workspace_access.h"

namespace {

GetWorkspaceProc g_get_workspace = nullptr;

}  // namespace

ComPtr<IWorkspace> GetWorkspace() {
  if (!g_get_workspace) {
    HMODULE module = GetModuleHandleA(kWorkspaceModuleName);
    if (!module) return {};
    g_get_workspace = reinterpret_cast<GetWorkspaceProc>(
        reinterpret_cast<void*>(GetProcAddress(module, kGetWorkspaceName)));
    if (!g_get_workspace) return {};
  }
  IWorkspace* workspace = nullptr;
  g_get_workspace(&workspace);
  return ComPtr<IWorkspace>::attach(workspace);
}

void ForgetWorkspaceModule() { g_get_workspace = nullptr; }
