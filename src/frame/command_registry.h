#pragma once
// The commands a server library offers, registered by the files that define them:
//
//   static const TCommandRegistration run_registration("Run", Run, nullptr);
//
// at namespace scope in the command's own .cpp. TTavrinServerModule::RegisterCommands registers each
// with its launcher, in the order of registration. The library links every layer whole, so a
// registration needs no reference from elsewhere to be kept.

#include <vector>

#include "frame/command_launcher.h"

struct TCommandRegistration {
  TCommandRegistration(const char* name, TCommandProc handler, TCommandStateProc state_handler);
  const char* Name;
  TCommandProc Handler;
  TCommandStateProc StateHandler;
};

// Every registration made so far, in order.
const std::vector<const TCommandRegistration*>& RegisteredCommands();
