#include "frame/workspace_access.h"

namespace {

TGetWorkspaceProc g_get_workspace = nullptr;

}  // namespace

TComPtr<IWorkspace> GetWorkspace() {
  if (!g_get_workspace) {
    HMODULE module = GetModuleHandleA(kWorkspaceModuleName);
    if (!module) return {};
    g_get_workspace = reinterpret_cast<TGetWorkspaceProc>(
        reinterpret_cast<void*>(GetProcAddress(module, kGetWorkspaceName)));
    if (!g_get_workspace) return {};
  }
  IWorkspace* workspace = nullptr;
  g_get_workspace(&workspace);
  return TComPtr<IWorkspace>::Attach(workspace);
}

void ForgetWorkspaceModule() { g_get_workspace = nullptr; }
