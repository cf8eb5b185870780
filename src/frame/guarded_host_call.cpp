#include "frame/guarded_host_call.h"

#include "forms/fault_guard.h"

std::exception_ptr RunHostCall(const std::function<void()>& call) { return run_guarded(call); }
