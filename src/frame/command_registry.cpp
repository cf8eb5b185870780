#include "frame/command_registry.h"

namespace {
// A function-local list: registrations run during static initialisation, in any file order.
std::vector<const TCommandRegistration*>& Registrations() {
  static std::vector<const TCommandRegistration*> list;
  return list;
}
}  // namespace

TCommandRegistration::TCommandRegistration(const char* name, TCommandProc handler,
                                           TCommandStateProc state_handler)
    : Name(name), Handler(handler), StateHandler(state_handler) {
  Registrations().push_back(this);
}

const std::vector<const TCommandRegistration*>& RegisteredCommands() { return Registrations(); }
