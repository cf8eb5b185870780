#include "host_options.h"

#include <cwchar>

#include "base/text_convert.h"

const char kHostUsage[] =
    "usage: TavrinHost [options]\n"
    "  --plugin NAME          server library loaded by name (default Tavrin.dll; \"none\": none)\n"
    "  --pcb-module NAME      PCB editor module loaded by name when present (default Dralith.dll)\n"
    "  --command NAME         command run through the plug-in's command launcher\n"
    "  --parameters TEXT      its parameter text (default empty)\n"
    "  --parameter-size N     size of the parameter buffer passed with it (default 256)\n"
    "  --repeat N             run the command N times (default 1)\n"
    "  --reload               unload the plug-in after the command, load it again and run the\n"
    "                         command once more\n"
    "  --test-mode            create the test-mode registry key for the run (removed at its end)\n"
    "  --no-test-mode         remove the test-mode registry key (left by a run that ended inside a\n"
    "                         command)\n"
    "  --trace FILE           write the trace of every call into the host to FILE\n"
    "  --settings FILE        the host kit's settings file (default TavrinHost.ini beside the exe)\n"
    "  --fail OP,N,STATUS[,DESCRIPTION]\n"
    "                         the N-th call of OP (\"*\": of any operation; N 0: every call) fails\n"
    "  --fault OP,N           the N-th call of OP faults with an access violation inside the host\n"
    "  --count-calls          number every call of the session (trace \"call K OP\"), report the total\n"
    "  --remove-export NAME   hide an export of the host or of the PCB module from GetProcAddress\n"
    "  --board FILE           open a board file in the PCB module\n"
    "  --save FILE            save the board after the command\n"
    "  --document none|other|pcb  what kind of document is open (default pcb with --board)\n"
    "  --no-view              the host reports no current view\n"
    "  --no-client            ServerFactory is called without a client\n"
    "  --no-out               ServerFactory is called without an out location\n"
    "  --probe WHAT           exercise the module and print the answers: module, depth, idle,\n"
    "                         state:COMMAND, options (may repeat)\n"
    "  --options-page NAME    options page the options dialog asks each module for (may repeat;\n"
    "                         default General)\n"
    "  --options-view NAME    options view the options dialog asks each module for (may repeat)\n"
    "  --options-dialog       open the options dialog (modal) after the command\n"
    "  --interactive          keep the main window open; its menu runs the command\n"
    "  --script FILE          drive the windows with an automation script (docs/automation-script.md)\n"
    "  --language NAME|FILE   translation manager over translations\\NAME.translation or FILE;\n"
    "                         dialogs are localised (docs/translation-file.md)\n"
    "  --hint-translations    with --language: dialogs keep their texts, translations become hints\n";

namespace {
bool Integer(const std::wstring& text, int& value) {
  wchar_t* end = nullptr;
  long n = std::wcstol(text.c_str(), &end, 10);
  if (text.empty() || *end) return false;
  value = static_cast<int>(n);
  return true;
}
}  // namespace

bool ParseHostOptions(const std::vector<std::wstring>& arguments, THostOptions& options,
                        std::string& error) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::wstring& a = arguments[i];
    auto value = [&](std::wstring& out) {
      if (i + 1 >= arguments.size()) {
        error = "missing value after " + ToAnsi(a);
        return false;
      }
      out = arguments[++i];
      return true;
    };
    std::wstring v;
    if (a == L"--plugin") {
      if (!value(v)) return false;
      options.Plugin = v == L"none" ? std::wstring() : v;
    } else if (a == L"--pcb-module") {
      if (!value(v)) return false;
      options.PcbModule = v == L"none" ? std::wstring() : v;
    } else if (a == L"--command") {
      if (!value(v)) return false;
      options.HasCommand = true;
      options.Command = ToAnsi(v);
    } else if (a == L"--parameters") {
      if (!value(v)) return false;
      options.Parameters = ToAnsi(v);
    } else if (a == L"--parameter-size") {
      if (!value(v)) return false;
      if (!Integer(v, options.ParameterSize) || options.ParameterSize < 0) {
        error = "--parameter-size needs a count";
        return false;
      }
    } else if (a == L"--repeat") {
      if (!value(v)) return false;
      if (!Integer(v, options.Repeat) || options.Repeat < 0) {
        error = "--repeat needs a count";
        return false;
      }
    } else if (a == L"--reload") {
      options.Reload = true;
    } else if (a == L"--test-mode") {
      options.TestMode = true;
    } else if (a == L"--no-test-mode") {
      options.NoTestMode = true;
    } else if (a == L"--trace") {
      if (!value(options.TracePath)) return false;
    } else if (a == L"--settings") {
      if (!value(options.SettingsPath)) return false;
    } else if (a == L"--fail") {
      if (!value(v)) return false;
      TFaultRule rule;
      if (!ParseFaultRule(ToAnsi(v), rule)) {
        error = "--fail needs OP,N,STATUS[,DESCRIPTION]";
        return false;
      }
      options.Faults.push_back(rule);
    } else if (a == L"--fault") {
      if (!value(v)) return false;
      TFaultRule rule;
      if (!ParseAccessViolationRule(ToAnsi(v), rule)) {
        error = "--fault needs OP,N";
        return false;
      }
      options.Faults.push_back(rule);
    } else if (a == L"--remove-export") {
      if (!value(v)) return false;
      options.RemovedExports.push_back(ToAnsi(v));
    } else if (a == L"--board") {
      if (!value(options.Board)) return false;
    } else if (a == L"--save") {
      if (!value(options.Save)) return false;
    } else if (a == L"--document") {
      if (!value(v)) return false;
      if (v == L"none") options.DocumentKind = 0;
      else if (v == L"other") options.DocumentKind = 1;
      else if (v == L"pcb") options.DocumentKind = 2;
      else {
        error = "--document needs none, other or pcb";
        return false;
      }
    } else if (a == L"--no-view") {
      options.NoView = true;
    } else if (a == L"--no-client") {
      options.NoClient = true;
    } else if (a == L"--no-out") {
      options.NoOut = true;
    } else if (a == L"--probe") {
      if (!value(v)) return false;
      options.Probes.push_back(ToAnsi(v));
    } else if (a == L"--options-page") {
      if (!value(v)) return false;
      options.OptionsPages.push_back(v);
    } else if (a == L"--options-view") {
      if (!value(v)) return false;
      options.OptionsViews.push_back(v);
    } else if (a == L"--script") {
      if (!value(options.ScriptPath)) return false;
    } else if (a == L"--options-dialog") {
      options.OptionsDialog = true;
    } else if (a == L"--language") {
      if (!value(options.Language)) return false;
    } else if (a == L"--hint-translations") {
      options.HintTranslations = true;
    } else if (a == L"--count-calls") {
      options.CountCalls = true;
    } else if (a == L"--interactive") {
      options.Interactive = true;
    } else {
      error = "unknown option " + ToAnsi(a);
      return false;
    }
  }
  if (options.OptionsPages.empty()) options.OptionsPages.push_back(L"General");
  if (options.DocumentKind < 0) options.DocumentKind = options.Board.empty() ? 0 : 2;
  return true;
}
