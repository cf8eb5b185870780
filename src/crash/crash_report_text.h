#pragma once
// The text of a crash report, from what was gathered about one severe exception: what and where it
// was (the address as module + offset, "Tavrin.dll+0x1234"), on which thread, the call stack, the
// plug-in's version and build, the Windows version and the loaded modules. A step of gathering
// that failed ends the report with one line saying so.

#include <cstdint>
#include <string>
#include <vector>

struct TCrashModule {
  std::string Name;  // file name without folder
  uintptr_t Base = 0;
  uint32_t Size = 0;
};

// Module + offset for an address inside one of the modules, else the bare address "0x00401000".
std::string DescribeCodeAddress(uintptr_t address, const std::vector<TCrashModule>& modules);

struct TCrashReportFacts {
  std::string ExceptionClass;  // empty: no exception object
  std::string Message;
  uint32_t Code = 0;           // system exception code; 0: raised by the plug-in itself
  std::string CodeName;        // its name, when it has one
  uintptr_t Address = 0;
  uint32_t ThreadId = 0;
  std::string PluginVersion;   // "0.1"
  std::string PluginBuild;     // "a1b2c3d"
  std::string WindowsVersion;  // "6.1 build 7601 (Wine 8.0)"
  // Stack and module list are only part of the report when they were asked for.
  bool WithDetails = false;
  std::vector<uintptr_t> Stack;
  // Used to describe addresses, and listed with details.
  std::vector<TCrashModule> Modules;
  // Set when gathering stopped early: what failed.
  std::string Incomplete;
};

std::string ComposeCrashReportText(const TCrashReportFacts& facts);
