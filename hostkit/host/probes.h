#pragma once
// --probe: the host exercises the module's interfaces the way a host may and reports each answer
// ("host: probe ..."), so that tests can check what only a host can observe.

#include <string>

#include "hostapi/i_server_module.h"

// module, depth, idle, state:COMMAND; false for an unknown probe.
bool RunProbe(IServerModule* module, const std::string& probe);
