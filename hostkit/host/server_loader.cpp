#include "server_loader.h"

#include "base/text_convert.h"
#include "host_report.h"
#include "host_state.h"
#include "trace.h"

TLoadedServer LoadServer(const std::wstring& name, IClient* client, bool with_out) {
  TLoadedServer server;
  server.Library = LoadLibraryW(name.c_str());
  if (!server.Library) {
    HostReport("LoadLibrary " + TraceText(name.c_str()) + " failed, error " +
               std::to_string(GetLastError()));
    return server;
  }
  auto factory = reinterpret_cast<TServerFactoryProc>(
      reinterpret_cast<void*>(GetProcAddress(server.Library, "ServerFactory")));
  if (!factory) {
    HostReport(ToAnsi(name) + " exports no ServerFactory");
    return server;
  }
  // A marker that a factory which empties its out location on entry never leaves behind.
  IServerModule* const untouched = reinterpret_cast<IServerModule*>(1);
  IServerModule* module = untouched;
  server.Status = factory(client, with_out ? &module : nullptr);
  if (!with_out) module = nullptr;
  if (module == untouched) {
    HostReport("ServerFactory left its out location unchanged");
    module = nullptr;
  }
  server.Module = TComPtr<IServerModule>::Attach(module);
  HostReport("ServerFactory " + TraceText(name.c_str()) + " client=" + TracePointer(client) +
             " out=" + (with_out ? "present" : "null") + " -> " + TraceStatus(server.Status) +
             " module=" + TracePointer(module));
  if (FAILED(server.Status)) ReportErrorInfo();
  return server;
}

void BindPcbModuleExports(HMODULE library) {
  auto find = [&](const char* name) {
    return library ? reinterpret_cast<void*>(GetProcAddress(library, name)) : nullptr;
  };
  TPcbModuleExports& pcb = Host().Pcb;
  pcb.OpenBoard = reinterpret_cast<HostKitPcb_OpenBoardProc>(find("HostKitPcb_OpenBoard"));
  pcb.SaveBoard = reinterpret_cast<HostKitPcb_SaveBoardProc>(find("HostKitPcb_SaveBoard"));
  pcb.SetDocumentKind =
      reinterpret_cast<HostKitPcb_SetDocumentKindProc>(find("HostKitPcb_SetDocumentKind"));
  pcb.Paint = reinterpret_cast<HostKitPcb_PaintProc>(find("HostKitPcb_Paint"));
  pcb.SetEditorWindow =
      reinterpret_cast<HostKitPcb_SetEditorWindowProc>(find("HostKitPcb_SetEditorWindow"));
  pcb.Undo = reinterpret_cast<HostKitPcb_UndoProc>(find("HostKitPcb_Undo"));
  pcb.Redo = reinterpret_cast<HostKitPcb_RedoProc>(find("HostKitPcb_Redo"));
  pcb.CallTicks = reinterpret_cast<HostKitPcb_CallTicksProc>(find("HostKitPcb_CallTicks"));
  pcb.CheckBracketsClosed =
      reinterpret_cast<HostKitPcb_CheckBracketsClosedProc>(find("HostKitPcb_CheckBracketsClosed"));
}
