#include "frame/command_registry.h"

namespace {
// A function-local list: registrations run during static initialisation, in any file order.
std::vector<const TCommandRegistration*>& registrations() {
  static std::vector<const TCommandRegistration*> list;
  return list;
}
}  // namespace

TCommandRegistration::TCommandRegistration(const char* name, TCommandProc handler,
                                           TCommandStateProc stateHandler)
    : Name(name), Handler(handler), StateHandler(stateHandler) {
  registrations().push_back(this);
}

const std::vector<const TCommandRegistration*>& RegisteredCommands() { return registrations(); }
