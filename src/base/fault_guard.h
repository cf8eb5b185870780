#pragma once
// Runs a routine so that neither a C++ exception nor a processor fault (access violation and the
// like) leaves it. A fault is caught by a frame-based handler on the thread's exception chain
// and turned into an EExternal-derived exception after the guard; destructors between the fault
// and the guard do not run, so guard small steps (one event handler each).

#include <cstdint>
#include <exception>
#include <functional>

struct TFaultRecord {
  uint32_t Code = 0;
  uintptr_t Address = 0;
  // For an access violation: 0 read, 1 write, 8 execute, and the address accessed.
  uint32_t AccessKind = 0;
  uintptr_t AccessAddress = 0;
};

// nullptr when fn returned normally, else the exception it raised or the fault turned into one.
std::exception_ptr RunGuarded(const std::function<void()>& fn);

// The exception a fault is reported as: EAccessViolation for 0xC0000005, EExternal otherwise.
std::exception_ptr FaultException(const TFaultRecord& fault);
