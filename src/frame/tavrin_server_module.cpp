#include "frame/tavrin_server_module.h"

#include "frame/command_registry.h"

void TTavrinServerModule::RegisterCommands() {
  for (const TCommandRegistration* command : RegisteredCommands())
    CommandLauncher()->RegisterCommand(command->Name, command->Handler, command->StateHandler);
}

TComPtr<IServerDocument> TTavrinServerModule::NewDocument(DWORD, DWORD) { return {}; }
