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
#include "hostapi/i_command_launcher.h"
#include "automation/automation.h"
#include "automation/script_runner.h"
#include "call_clock.h"
#include "export_removal.h"
#include "host_client.h"
#include "host_report.h"
#include "host_state.h"
#include "translation_manager.h"
#include "host_view.h"
#include "main_window.h"
#include "options_dialog.h"
#include "probes.h"
#include "server_loader.h"
#include "test_mode_key.h"
#include "trace.h"

namespace {

std::wstring ExeFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

bool FileExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void LoadPcbModule() {
  THostState& host = Host();
  if (host.Options.PcbModule.empty()) return;
  std::wstring path = ExeFolder() + host.Options.PcbModule;
  if (!FileExists(path) && host.Options.PcbModule.find_first_of(L"\\/") == std::wstring::npos) {
    HostReport("no PCB module " + TraceText(host.Options.PcbModule.c_str()));
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
      HostReport("board " + TraceText(host.Options.Board.c_str()) + " not opened: " +
                 ToAnsi(error));
    }
  }
  if (host.Pcb.SetDocumentKind) host.Pcb.SetDocumentKind(host.DocumentKind);
}

void RemoveExports() {
  for (const std::string& name : Host().Options.RemovedExports) {
    bool removed = RemoveExport(GetModuleHandleW(nullptr), name.c_str()) ||
                   RemoveExport(Host().PcbLibrary, name.c_str());
    HostReport("remove export " + TraceText(name) + (removed ? " done" : " not found"));
  }
}

void RunCommand() {
  THostState& host = Host();
  if (!host.PluginModule) return;
  TComPtr<ICommandLauncher> launcher;
  HRESULT status = host.PluginModule->GetCommandLauncher(launcher.Put());
  if (FAILED(status) || !launcher) {
    HostReport("GetCommandLauncher -> " + TraceStatus(status));
    return;
  }
  std::vector<char> buffer(static_cast<size_t>(std::max(host.Options.ParameterSize, 1)) + 1, 0);
  host.Options.Parameters.copy(buffer.data(), buffer.size() - 1);
  IServerView* view = CurrentHostView();
  HostReport("LaunchCommand " + TraceText(host.Options.Command) + " " +
             TraceText(buffer.data()) + " " + std::to_string(host.Options.ParameterSize) +
             " view=" + TracePointer(view));
  status = launcher->LaunchCommand(host.Options.Command.c_str(), buffer.data(),
                                   host.Options.ParameterSize, view);
  HostReport("LaunchCommand -> " + TraceStatus(status) + " parameters=" + TraceText(buffer.data()));
  if (FAILED(status)) ReportErrorInfo();
}

void SaveBoard() {
  THostState& host = Host();
  if (host.Options.Save.empty()) return;
  wchar_t error[512] = {};
  if (!host.Pcb.SaveBoard) {
    HostReport("the PCB module cannot save boards");
  } else if (!host.Pcb.SaveBoard(host.Options.Save.c_str(), error, 512)) {
    HostReport("board not saved: " + ToAnsi(error));
  } else {
    HostReport("board saved " + TraceText(host.Options.Save.c_str()));
  }
}

void release(TComPtr<IServerModule>& module, const char* what) {
  if (!module) return;
  ULONG count = module.Detach()->Release();
  HostReport(std::string("Release ") + what + " -> " + std::to_string(count));
}

void LoadPlugin() {
  THostState& host = Host();
  if (host.Options.Plugin.empty()) return;
  TLoadedServer plugin = LoadServer(host.Options.Plugin, host.Options.NoClient ? nullptr : &HostClient(),
                                    !host.Options.NoOut);
  host.PluginLibrary = plugin.Library;
  host.PluginModule = plugin.Module;
}

struct TWindowsOfModule {
  HMODULE module;
  std::vector<std::string> classes;
};

// Notes the window when its class belongs to the module; windows of other processes are skipped,
// as another host's plug-in may sit at the same address.
BOOL CALLBACK NoteWindowOfModule(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<TWindowsOfModule*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() &&
      reinterpret_cast<HMODULE>(GetClassLongPtrW(window, GCLP_HMODULE)) == found->module) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    found->classes.push_back(ToAnsi(name));
  }
  return TRUE;
}

// A top-level window and all its descendants (EnumChildWindows walks the whole tree below it).
BOOL CALLBACK NoteWindowTreeOfModule(HWND window, LPARAM param) {
  NoteWindowOfModule(window, param);
  EnumChildWindows(window, &NoteWindowOfModule, param);
  return TRUE;
}

// A window left behind by an unloaded library runs code that is gone the next time it is sent a
// message, so the host names every one it finds.
void UnloadPlugin() {
  THostState& host = Host();
  release(host.PluginModule, "plug-in module");
  if (!host.PluginLibrary) return;
  TWindowsOfModule found{host.PluginLibrary, {}};
  FreeLibrary(host.PluginLibrary);
  host.PluginLibrary = nullptr;
  if (GetModuleHandleW(host.Options.Plugin.c_str())) {
    HostReport("plug-in library still loaded after FreeLibrary");
    return;
  }
  HostReport("plug-in library unloaded");
  EnumThreadWindows(GetCurrentThreadId(), &NoteWindowTreeOfModule, reinterpret_cast<LPARAM>(&found));
  HWND message_window = nullptr;
  while ((message_window = FindWindowExW(HWND_MESSAGE, message_window, nullptr, nullptr)))
    NoteWindowTreeOfModule(message_window, reinterpret_cast<LPARAM>(&found));
  for (const std::string& name : found.classes)
    HostReport("a window of the unloaded plug-in library remains: " + name);
}

int MessageLoop() {
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
  if (!ParseHostOptions(arguments, host.Options, error)) {
    std::fprintf(stderr, "TavrinHost: %s\n%s", error.c_str(), kHostUsage);
    return 2;
  }
  host.SettingsFile = host.Options.SettingsPath.empty() ? ExeFolder() + L"TavrinHost.ini"
                                                        : host.Options.SettingsPath;
  if (!host.Options.TracePath.empty()) OpenTrace(host.Options.TracePath);
  for (const TFaultRule& rule : host.Options.Faults) AddFaultRule(rule);
  SetCallNumbering(host.Options.CountCalls);
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
  LoadPcbModule();
  // The workspace module is part of the host; a plug-in finds it loaded, never loads it.
  if (!LoadLibraryW(L"WorkspaceManager.dll")) HostReport("WorkspaceManager.dll not loaded");
  RemoveExports();

  LoadPlugin();
  for (const std::string& probe : host.Options.Probes)
    if (!RunProbe(host.PluginModule.get(), probe)) HostReport("unknown probe " + TraceText(probe));

  SetHostCallClock([] { return TicksToMilliseconds(HostCallTicks()); });
  if (!host.Options.ScriptPath.empty() && !StartScript(host.Options.ScriptPath))
    return kScriptFailedExitCode;
  SetRunCommandHandler(RunCommand);
  if (host.Options.HasCommand)
    for (int i = 0; i < host.Options.Repeat; ++i) RunCommand();
  if (host.Options.Reload) {
    UnloadPlugin();
    LoadPlugin();
    if (host.Options.HasCommand)
      for (int i = 0; i < host.Options.Repeat; ++i) RunCommand();
  }
  if (host.Options.OptionsDialog) ShowOptionsDialog();
  if (host.Options.Interactive) MessageLoop();
  FinishScript();
  if (host.Pcb.CheckBracketsClosed) {
    const int32_t violations = host.Pcb.CheckBracketsClosed();
    if (violations) HostReport("PCB protocol violations: " + std::to_string(violations));
  }
  SaveBoard();

  UnloadPlugin();
  release(host.PcbModule, "PCB module");
  // Releasing and unloading the servers makes calls of its own: they count too.
  if (host.Options.CountCalls) HostReport("calls counted " + std::to_string(CountedCalls()));
  if (host.MainWindow && IsWindow(host.MainWindow)) DestroyWindow(host.MainWindow);
  if (host.Options.TestMode) SetTestModeKey(false);
  OleUninitialize();
  CloseTrace();
  return 0;
}
