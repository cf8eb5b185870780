// TavrinHost.exe: the host kit's stand-in host application. It loads the PCB module and a plug-in by
// name, hands them its client, runs a command through the plug-in's command launcher, and releases
// the modules at exit. docs/host-kit.md describes the command line, the trace and fault injection.

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/text_convert.h"
#include "hostapi/command_launcher.h"
#include "automation/automation.h"
#include "export_removal.h"
#include "host_client.h"
#include "host_report.h"
#include "host_state.h"
#include "translation_manager.h"
#include "host_view.h"
#include "main_window.h"
#include "probes.h"
#include "server_loader.h"
#include "test_mode_key.h"
#include "trace.h"

namespace {

std::wstring exe_folder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

bool file_exists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void load_pcb_module() {
  THostState& host = Host();
  if (host.Options.PcbModule.empty()) return;
  std::wstring path = exe_folder() + host.Options.PcbModule;
  if (!file_exists(path) && host.Options.PcbModule.find_first_of(L"\\/") == std::wstring::npos) {
    HostReport("no PCB module " + trace_text(host.Options.PcbModule.c_str()));
    return;
  }
  TLoadedServer pcb = LoadServer(host.Options.PcbModule, &HostClient(), true);
  host.PcbLibrary = pcb.Library;
  host.PcbModule = pcb.Module;
  BindPcbModuleExports(pcb.Library);
  if (host.Pcb.SetEditorWindow) host.Pcb.SetEditorWindow(host.ViewWindow);
  if (!host.Options.Board.empty()) {
    wchar_t error[512] = {};
    if (!host.Pcb.OpenBoard) {
      HostReport("the PCB module cannot open boards");
    } else if (!host.Pcb.OpenBoard(host.Options.Board.c_str(), error, 512)) {
      HostReport("board " + trace_text(host.Options.Board.c_str()) + " not opened: " +
                 to_ansi(error));
    }
  }
  if (host.Pcb.SetDocumentKind) host.Pcb.SetDocumentKind(host.DocumentKind);
}

void remove_exports() {
  for (const std::string& name : Host().Options.RemovedExports) {
    bool removed = RemoveExport(GetModuleHandleW(nullptr), name.c_str()) ||
                   RemoveExport(Host().PcbLibrary, name.c_str());
    HostReport("remove export " + trace_text(name) + (removed ? " done" : " not found"));
  }
}

void run_command() {
  THostState& host = Host();
  if (!host.PluginModule) return;
  ComPtr<ICommandLauncher> launcher;
  HRESULT status = host.PluginModule->GetCommandLauncher(launcher.put());
  if (FAILED(status) || !launcher) {
    HostReport("GetCommandLauncher -> " + trace_status(status));
    return;
  }
  std::vector<char> buffer(static_cast<size_t>(std::max(host.Options.ParameterSize, 1)) + 1, 0);
  host.Options.Parameters.copy(buffer.data(), buffer.size() - 1);
  IServerView* view = CurrentHostView();
  HostReport("LaunchCommand " + trace_text(host.Options.Command) + " " +
             trace_text(buffer.data()) + " " + std::to_string(host.Options.ParameterSize) +
             " view=" + trace_pointer(view));
  status = launcher->LaunchCommand(host.Options.Command.c_str(), buffer.data(),
                                   host.Options.ParameterSize, view);
  HostReport("LaunchCommand -> " + trace_status(status) + " parameters=" + trace_text(buffer.data()));
  if (FAILED(status)) ReportErrorInfo();
}

void save_board() {
  THostState& host = Host();
  if (host.Options.Save.empty()) return;
  wchar_t error[512] = {};
  if (!host.Pcb.SaveBoard) {
    HostReport("the PCB module cannot save boards");
  } else if (!host.Pcb.SaveBoard(host.Options.Save.c_str(), error, 512)) {
    HostReport("board not saved: " + to_ansi(error));
  } else {
    HostReport("board saved " + trace_text(host.Options.Save.c_str()));
  }
}

void release(ComPtr<IServerModule>& module, const char* what) {
  if (!module) return;
  ULONG count = module.detach()->Release();
  HostReport(std::string("Release ") + what + " -> " + std::to_string(count));
}

int message_loop() {
  MSG message;
  for (;;) {
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && Host().PluginModule)
      Host().PluginModule->Idle();
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) return 0;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> arguments(argv + 1, argv + count);
  LocalFree(argv);

  THostState& host = Host();
  std::string error;
  if (!parse_host_options(arguments, host.Options, error)) {
    std::fprintf(stderr, "TavrinHost: %s\n%s", error.c_str(), kHostUsage);
    return 2;
  }
  host.SettingsFile = host.Options.SettingsPath.empty() ? exe_folder() + L"TavrinHost.ini"
                                                        : host.Options.SettingsPath;
  if (!host.Options.TracePath.empty()) OpenTrace(host.Options.TracePath);
  for (const TFaultRule& rule : host.Options.Faults) AddFaultRule(rule);
  host.DocumentKind = host.Options.DocumentKind;
  if (!host.Options.Language.empty()) {
    if (!LoadTranslation(host.Options.Language, error)) {
      std::fprintf(stderr, "TavrinHost: %s\n", error.c_str());
      return 2;
    }
    SetHostPreference("UseLocalizedDialogs", !host.Options.HintTranslations);
  }
  if (host.Options.TestMode) SetTestModeKey(true);
  if (host.Options.NoTestMode) SetTestModeKey(false);
  OleInitialize(nullptr);

  if (!CreateHostWindows(true)) {
    std::fprintf(stderr, "TavrinHost: cannot create the main window\n");
    return 3;
  }
  load_pcb_module();
  remove_exports();

  if (!host.Options.Plugin.empty()) {
    TLoadedServer plugin = LoadServer(host.Options.Plugin,
                                      host.Options.NoClient ? nullptr : &HostClient(),
                                      !host.Options.NoOut);
    host.PluginLibrary = plugin.Library;
    host.PluginModule = plugin.Module;
  }
  for (const std::string& probe : host.Options.Probes)
    if (!RunProbe(host.PluginModule.get(), probe)) HostReport("unknown probe " + trace_text(probe));

  if (!host.Options.ScriptPath.empty() && !StartScript(host.Options.ScriptPath))
    return kScriptFailedExitCode;
  SetRunCommandHandler(run_command);
  if (host.Options.HasCommand)
    for (int i = 0; i < host.Options.Repeat; ++i) run_command();
  if (host.Options.Interactive) message_loop();
  FinishScript();
  save_board();

  release(host.PluginModule, "plug-in module");
  if (host.PluginLibrary) {
    FreeLibrary(host.PluginLibrary);
    HostReport("plug-in library unloaded");
  }
  release(host.PcbModule, "PCB module");
  if (host.MainWindow && IsWindow(host.MainWindow)) DestroyWindow(host.MainWindow);
  if (host.Options.TestMode) SetTestModeKey(false);
  OleUninitialize();
  CloseTrace();
  return 0;
}
