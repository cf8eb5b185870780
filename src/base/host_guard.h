#pragma once
// The host boundary. Every operation the host calls runs its body through HostGuard: a C++
// exception or a processor fault (access violation and the like) that escapes the body becomes
// E_UNEXPECTED (0x8000FFFF), and nothing crosses into the host.
//
// Three hook points belong to the boundary; nothing is installed in them by default:
//  - ExceptionRaiseHook sees every exception the plug-in throws, when it is thrown (the frame
//    records the error information the host reads after a failure there);
//  - ExceptionConversionHook sees what escaped when the boundary turns it into a status;
//  - ExceptionHandlerEndHook runs when a handler of the plug-in has finished with an exception.
// A replacement must not throw; one that does is ignored.

#include <windows.h>

#include <exception>
#include <typeinfo>

#include "base/fault_guard.h"
#include "base/hook_point.h"

// Called for every C++ exception thrown inside the library, before it travels; thrown is the
// exception object, type its dynamic type. Only binaries that are linked with
// -Wl,--wrap=__cxa_throw and expand TAVRIN_DEFINE_RAISE_WRAPPER() in one file deliver raises to it
// (the plug-in and the frame's tests).
extern THookPoint<void(void* thrown, const std::type_info* type)> ExceptionRaiseHook;
extern THookPoint<void(const std::exception_ptr& caught)> ExceptionConversionHook;
extern THookPoint<void()> ExceptionHandlerEndHook;

// `at` is the address the raise returns to in the raising code; an Exception keeps it.
void DeliverRaise(void* thrown, const std::type_info* type, void* at) noexcept;

#define TAVRIN_DEFINE_RAISE_WRAPPER()                                                      \
  extern "C" [[noreturn]] void __real___cxa_throw(void*, std::type_info*, void (*)(void*)); \
  extern "C" [[noreturn]] void __wrap___cxa_throw(void* thrown, std::type_info* type,       \
                                                  void (*destroy)(void*)) {                 \
    DeliverRaise(thrown, type, __builtin_return_address(0));                              \
    __real___cxa_throw(thrown, type, destroy);                                             \
  }

// What every handler of the plug-in that finishes an exception calls last.
void ExceptionHandlerFinished() noexcept;

// The status for the exception being handled; call it inside a catch block only.
HRESULT StatusFromCaughtException() noexcept;
// The status for what escaped a guarded body (see RunGuarded), with the hooks' calls.
HRESULT StatusFromFailure(const std::exception_ptr& failure) noexcept;

template <class Body>
HRESULT HostGuard(Body&& body) noexcept {
  std::exception_ptr failure = RunGuarded([&] { body(); });
  return failure ? StatusFromFailure(failure) : S_OK;
}

// As HostGuard, for bodies that decide their own success status.
template <class Body>
HRESULT HostGuardStatus(Body&& body) noexcept {
  HRESULT status = S_OK;
  std::exception_ptr failure = RunGuarded([&] { status = body(); });
  return failure ? StatusFromFailure(failure) : status;
}
