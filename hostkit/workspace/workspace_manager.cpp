// The host kit's "WorkspaceManager.DLL": the host's workspace, whose one question a plug-in asks is
// which server handles a kind of task. "PickATask" (help topics and tasks) is the help browser.

#include <windows.h>

#include "base/bstr.h"
#include "hostapi/workspace.h"

namespace {

#define WORKSPACE_PLACE(n) \
  HRESULT __stdcall Unnamed##n() override { return E_NOTIMPL; }

class TWorkspace final : public IWorkspace {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = iid == IID_IUnknown ? static_cast<IUnknown*>(this) : nullptr;
    return *object ? S_OK : E_NOINTERFACE;
  }
  ULONG __stdcall AddRef() override { return 2; }
  ULONG __stdcall Release() override { return 1; }
  HRESULT __stdcall GetServerForKind(BSTR kind, BSTR* server_name) override {
    if (!server_name) return E_POINTER;
    *server_name = _wcsicmp(BstrText(kind).c_str(), L"PickATask") == 0
                      ? TUniqueBstr(std::wstring(L"HelpBrowser")).Detach()
                      : nullptr;
    return S_OK;
  }
  WORKSPACE_PLACE(01) WORKSPACE_PLACE(02) WORKSPACE_PLACE(03) WORKSPACE_PLACE(04) WORKSPACE_PLACE(05)
  WORKSPACE_PLACE(06) WORKSPACE_PLACE(07) WORKSPACE_PLACE(08) WORKSPACE_PLACE(09) WORKSPACE_PLACE(10)
  WORKSPACE_PLACE(11) WORKSPACE_PLACE(12) WORKSPACE_PLACE(13) WORKSPACE_PLACE(14) WORKSPACE_PLACE(15)
  WORKSPACE_PLACE(16) WORKSPACE_PLACE(17) WORKSPACE_PLACE(18) WORKSPACE_PLACE(19) WORKSPACE_PLACE(20)
  WORKSPACE_PLACE(21) WORKSPACE_PLACE(22) WORKSPACE_PLACE(23) WORKSPACE_PLACE(24) WORKSPACE_PLACE(25)
  WORKSPACE_PLACE(26) WORKSPACE_PLACE(27) WORKSPACE_PLACE(28) WORKSPACE_PLACE(29) WORKSPACE_PLACE(30)
  WORKSPACE_PLACE(31) WORKSPACE_PLACE(32) WORKSPACE_PLACE(33) WORKSPACE_PLACE(34) WORKSPACE_PLACE(35)
  WORKSPACE_PLACE(36) WORKSPACE_PLACE(37) WORKSPACE_PLACE(38) WORKSPACE_PLACE(39) WORKSPACE_PLACE(40)
  WORKSPACE_PLACE(41) WORKSPACE_PLACE(42) WORKSPACE_PLACE(43) WORKSPACE_PLACE(44) WORKSPACE_PLACE(45)
  WORKSPACE_PLACE(46) WORKSPACE_PLACE(47) WORKSPACE_PLACE(48) WORKSPACE_PLACE(49) WORKSPACE_PLACE(50)
  WORKSPACE_PLACE(51)
};

}  // namespace

extern "C" void __stdcall GetWorkspace(IWorkspace** workspace) {
  static TWorkspace the_workspace;
  if (workspace) *workspace = &the_workspace;
}
