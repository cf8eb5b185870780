#pragma once
// TavrinHost.exe's command line; docs/host-kit.md describes every option.

#include <string>
#include <vector>

#include "faults.h"

struct THostOptions {
  std::wstring Plugin = L"Tavrin.dll";   // loaded by name; empty: none
  std::wstring PcbModule = L"Dralith.dll";  // loaded by name when present; empty: none
  bool HasCommand = false;
  std::string Command;
  std::string Parameters;
  int ParameterSize = 256;
  bool TestMode = false;
  bool NoTestMode = false;
  std::wstring TracePath;
  std::wstring SettingsPath;             // the host kit's settings file
  std::vector<TFaultRule> Faults;
  bool CountCalls = false;               // number every counted call in the trace, report the total
  std::vector<std::string> RemovedExports;
  std::wstring Board;
  std::wstring Save;
  int DocumentKind = -1;                 // 0 none, 1 other, 2 pcb; -1: pcb with --board, else none
  bool NoView = false;
  bool NoClient = false;                 // ServerFactory gets no client
  bool NoOut = false;                    // ServerFactory gets no out location
  std::vector<std::string> Probes;       // module, state:NAME, depth, idle, options
  // What the options dialog asks each module for; pages default to "General".
  std::vector<std::wstring> OptionsPages;
  std::vector<std::wstring> OptionsViews;
  bool Interactive = false;
  bool OptionsDialog = false;            // the options dialog opens after the command
  int Repeat = 1;                        // how often the command runs
  bool Reload = false;                   // unload the plug-in, load it again, run the command again
  std::wstring ScriptPath;               // automation script run against the live windows
  std::wstring Language;                 // translation file name or path; empty: no translation manager
  bool HintTranslations = false;         // with --language: localised dialogs off (translations as hints)
};

// Parses the arguments after the program name; on failure returns false with the reason.
bool ParseHostOptions(const std::vector<std::wstring>& arguments, THostOptions& options,
                        std::string& error);

extern const char kHostUsage[];
