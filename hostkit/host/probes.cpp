#include "probes.h"

#include "base/bstr.h"
#include "base/com_ptr.h"
#include "hostapi/i_client.h"
#include "hostapi/i_command_launcher.h"
#include "hostapi/i_external_form.h"
#include "hostapi/i_server_document.h"
#include "host_report.h"
#include "host_state.h"
#include "settings_service.h"
#include "trace.h"

namespace {

std::string Result(const char* what, HRESULT status) {
  return std::string("probe ") + what + " -> " + TraceStatus(status);
}

// Retrieves every queued message, dispatching it, and counts those that are WM_USER.
int DrainCountingWmUser() {
  int count = 0;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_USER) ++count;
    DispatchMessageW(&message);
  }
  return count;
}

void ProbeModule(IServerModule* module) {
  TUniqueBstr name;
  HRESULT status = module->GetModuleName(name.Put());
  HostReport(Result("GetModuleName", status) + " name=" + TraceText(name.get()));

  int32_t count = -1;
  status = module->GetDocumentCount(&count);
  HostReport(Result("GetDocumentCount", status) + " count=" + std::to_string(count));

  IServerDocument* document = reinterpret_cast<IServerDocument*>(1);
  status = module->CreateDocument(1, 2, &document);
  HostReport(Result("CreateDocument", status) + " document=" + TracePointer(document));
  if (document && document != reinterpret_cast<IServerDocument*>(1)) document->Release();
  document = reinterpret_cast<IServerDocument*>(1);
  status = module->CreateDocument(1, 2, 1, &document);
  HostReport(Result("CreateDocument(show)", status) + " document=" + TracePointer(document));
  if (document && document != reinterpret_cast<IServerDocument*>(1)) document->Release();
  count = -1;
  status = module->GetDocumentCount(&count);
  HostReport(Result("GetDocumentCount", status) + " count=" + std::to_string(count));

  for (int32_t index : {0, -1, 1}) {
    document = reinterpret_cast<IServerDocument*>(1);
    status = module->GetDocument(index, &document);
    HostReport(Result(("GetDocument(" + std::to_string(index) + ")").c_str(), status) +
               " document=" + TracePointer(document));
  }

  IUnknown* registered = &HostSettingsService();
  ULONG before = registered->AddRef() - 1;
  registered->Release();
  status = module->AddRegistered(registered);
  HostReport(Result("AddRegistered", status));
  count = -1;
  status = module->GetRegisteredCount(&count);
  HostReport(Result("GetRegisteredCount", status) + " count=" + std::to_string(count));
  IUnknown* got = reinterpret_cast<IUnknown*>(1);
  status = module->GetRegistered(0, &got);
  HostReport(Result("GetRegistered(0)", status) + " same=" + (got == registered ? "yes" : "no"));
  if (got && got != reinterpret_cast<IUnknown*>(1)) got->Release();
  got = reinterpret_cast<IUnknown*>(1);
  status = module->GetRegistered(1, &got);
  HostReport(Result("GetRegistered(1)", status) + " object=" + TracePointer(got));
  status = module->RemoveRegistered(registered);
  HostReport(Result("RemoveRegistered", status));
  count = -1;
  module->GetRegisteredCount(&count);
  ULONG after = registered->AddRef() - 1;
  registered->Release();
  HostReport("probe registered count=" + std::to_string(count) + " references " +
             std::to_string(before) + " -> " + std::to_string(after));

  TUniqueBstr view_name(L"Anything");
  IDocumentOptionsView* view = reinterpret_cast<IDocumentOptionsView*>(1);
  status = module->CreateOptionsView(view_name.get(), &view);
  HostReport(Result("CreateOptionsView", status) + " view=" + TracePointer(view));

  TComPtr<IOptionsPageProvider> provider;
  status = module->QueryInterface(IID_IOptionsPageProvider, provider.PutVoid());
  HostReport(Result("QueryInterface(IOptionsPageProvider)", status));
  if (provider) {
    IOptionsPage* page = reinterpret_cast<IOptionsPage*>(1);
    status = provider->CreateOptionsPage(view_name.get(), &page);
    HostReport(Result("CreateOptionsPage", status) + " page=" + TracePointer(page));
  }

  ULONG references = module->AddRef() - 1;
  module->Release();
  void* unknown = reinterpret_cast<void*>(1);
  status = module->QueryInterface(IID_ISettingsStore, &unknown);
  ULONG after_query = module->AddRef() - 1;
  module->Release();
  HostReport(Result("QueryInterface(unknown)", status) + " object=" + TracePointer(unknown) +
             " references " + std::to_string(references) + " -> " + std::to_string(after_query));

  IClient* client = reinterpret_cast<IClient*>(1);
  status = module->GetClient(&client);
  HostReport(Result("GetClient", status) + " client=" + TracePointer(client));
  if (client && client != reinterpret_cast<IClient*>(1)) client->Release();

  DWORD instance = 0;
  status = module->GetModuleHandle(&instance);
  HostReport(Result("GetModuleHandle", status) + " library=" +
             (instance == reinterpret_cast<uintptr_t>(Host().PluginLibrary) ? "yes" : "no"));

  ICommandLauncher* launcher = nullptr;
  status = module->GetCommandLauncher(&launcher);
  HostReport(Result("GetCommandLauncher", status) + " launcher=" + TracePointer(launcher));
  if (launcher) {
    ULONG added = launcher->AddRef();
    ULONG released = launcher->Release();
    HostReport("probe launcher AddRef -> " + std::to_string(added) + " Release -> " +
               std::to_string(released));
  }

  status = module->ReceiveNotification(7);
  HostReport(Result("ReceiveNotification", status));
}

void ProbeDepth(IServerModule* module) {
  TComPtr<IProcessControl> control;
  HRESULT status = module->GetProcessControl(control.Put());
  HostReport(Result("GetProcessControl", status) + " control=" + TracePointer(control.get()));
  if (!control) return;
  int32_t depth = 99;
  control->GetProcessDepth(&depth);
  HostReport("probe depth start=" + std::to_string(depth));
  control->IncrementProcessDepth(0, 0);
  control->IncrementProcessDepth(0, 0);
  control->DecrementProcessDepth(0, 0);
  control->GetProcessDepth(&depth);
  HostReport("probe depth after +2 -1=" + std::to_string(depth));
  control->SetProcessDepth(-5);
  control->GetProcessDepth(&depth);
  HostReport("probe depth after set -5=" + std::to_string(depth));
  control->SetProcessDepth(0);
  control->DecrementProcessDepth(0, 0);
  control->GetProcessDepth(&depth);
  HostReport("probe depth below zero=" + std::to_string(depth));
  ULONG added = control->AddRef();
  ULONG released = control->Release();
  HostReport("probe control AddRef -> " + std::to_string(added) + " Release -> " +
             std::to_string(released));
}

void ProbeState(IServerModule* module, const std::string& command) {
  TComPtr<ICommandLauncher> launcher;
  module->GetCommandLauncher(launcher.Put());
  if (!launcher) return;
  int32_t v1 = 7, v2 = 7, v3 = 7;
  BYTE f1 = 7, f2 = 7;
  HRESULT status = launcher->GetCommandState(command.c_str(), "", nullptr, &v1, &v2, &v3, &f1, &f2);
  HostReport(Result(("GetCommandState(" + TraceText(command) + ")").c_str(), status) + " values " +
             std::to_string(v1) + " " + std::to_string(v2) + " " + std::to_string(v3) + " " +
             std::to_string(f1) + " " + std::to_string(f2));
  status = launcher->GetCommandState(command.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr,
                                     nullptr, nullptr);
  HostReport(Result("GetCommandState(no out locations)", status));
}

void ProbeIdle(IServerModule* module) {
  DrainCountingWmUser();
  // Nothing queued: Idle waits for the next message, which this timer provides.
  UINT_PTR timer = SetTimer(Host().MainWindow, 1, 50, nullptr);
  HRESULT status = module->Idle();
  KillTimer(Host().MainWindow, timer);
  HostReport(Result("Idle(queue empty)", status) + " WM_USER=" +
             std::to_string(DrainCountingWmUser()));
  PostMessageW(Host().MainWindow, WM_NULL, 0, 0);
  status = module->Idle();
  HostReport(Result("Idle(message waiting)", status) + " WM_USER=" +
             std::to_string(DrainCountingWmUser()));
}

}  // namespace

bool RunProbe(IServerModule* module, const std::string& probe) {
  if (!module) {
    HostReport("probe " + probe + " skipped: no module");
    return true;
  }
  if (probe == "module") ProbeModule(module);
  else if (probe == "depth") ProbeDepth(module);
  else if (probe == "idle") ProbeIdle(module);
  else if (probe.rfind("state:", 0) == 0) ProbeState(module, probe.substr(6));
  else return false;
  return true;
}
