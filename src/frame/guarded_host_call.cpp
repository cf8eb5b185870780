#include "frame/guarded_host_call.h"

#include "base/fault_guard.h"

std::exception_ptr RunHostCall(const std::function<void()>& call) { return RunGuarded(call); }
