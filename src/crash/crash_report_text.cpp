#include "crash/crash_report_text.h"

#include <cstdio>

namespace {

std::string Hex(uintptr_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%08llX", static_cast<unsigned long long>(value));
  return text;
}

}  // namespace

std::string DescribeCodeAddress(uintptr_t address, const std::vector<TCrashModule>& modules) {
  for (const TCrashModule& module : modules) {
    if (address >= module.Base && address - module.Base < module.Size) {
      char offset[24];
      std::snprintf(offset, sizeof offset, "+0x%llX",
                    static_cast<unsigned long long>(address - module.Base));
      return module.Name + offset;
    }
  }
  return Hex(address);
}

std::string ComposeCrashReportText(const TCrashReportFacts& facts) {
  std::string text = "Tavrin crash report\r\n";
  auto line = [&text](const std::string& label, const std::string& value) {
    text += label + ": " + value + "\r\n";
  };
  line("Exception", facts.ExceptionClass.empty() ? "(no exception object)" : facts.ExceptionClass);
  line("Message", facts.Message);
  if (facts.Code != 0) {
    char code[16];
    std::snprintf(code, sizeof code, "%08X", static_cast<unsigned>(facts.Code));
    line("Code", facts.CodeName.empty() ? std::string(code) : std::string(code) + " (" + facts.CodeName + ")");
  }
  line("Address", DescribeCodeAddress(facts.Address, facts.Modules));
  line("Thread", std::to_string(facts.ThreadId));
  line("Plug-in", "Tavrin " + facts.PluginVersion + " (build " + facts.PluginBuild + ")");
  line("Windows", facts.WindowsVersion);
  if (facts.WithDetails) {
    text += "Call stack:\r\n";
    for (size_t i = 0; i < facts.Stack.size(); ++i)
      text += "  #" + std::to_string(i) + " " + DescribeCodeAddress(facts.Stack[i], facts.Modules) + "\r\n";
    text += "Modules:\r\n";
    for (const TCrashModule& module : facts.Modules) text += "  " + Hex(module.Base) + " " + module.Name + "\r\n";
  }
  if (!facts.Incomplete.empty()) text += "Report incomplete: " + facts.Incomplete + "\r\n";
  return text;
}
