#pragma once
// The host boundary. Every operation the host calls runs its body through HostGuard: an exception
// that escapes the body becomes E_UNEXPECTED (0x8000FFFF) and nothing crosses into the host.
//
// Three hook points belong to the boundary; each may be empty:
//  - the raise hook sees every exception the plug-in throws, when it is thrown (the frame records the
//    error information the host reads after a failure; see SetRaiseHook);
//  - the conversion hook sees the caught exception when the boundary turns it into a status;
//  - the handler-end hook runs when a handler of the plug-in has finished with an exception.

#include <windows.h>

#include <exception>
#include <typeinfo>

// Called for every C++ exception thrown inside the library, before it travels; thrown is the
// exception object, type its dynamic type. A hook must not throw.
using TRaiseHook = void (*)(void* thrown, const std::type_info* type);
// Installs a raise hook; returns the previous one. Only binaries that are linked with
// -Wl,--wrap=__cxa_throw and expand TAVRIN_DEFINE_RAISE_WRAPPER() in one file deliver raises to it
// (the plug-in and the frame's tests).
TRaiseHook SetRaiseHook(TRaiseHook hook);
void DeliverRaise(void* thrown, const std::type_info* type) noexcept;

#define TAVRIN_DEFINE_RAISE_WRAPPER()                                                      \
  extern "C" [[noreturn]] void __real___cxa_throw(void*, std::type_info*, void (*)(void*)); \
  extern "C" [[noreturn]] void __wrap___cxa_throw(void* thrown, std::type_info* type,       \
                                                  void (*destroy)(void*)) {                 \
    DeliverRaise(thrown, type);                                                           \
    __real___cxa_throw(thrown, type, destroy);                                             \
  }

using TConversionHook = void (*)(const std::exception_ptr& caught);
TConversionHook SetConversionHook(TConversionHook hook);

using THandlerEndHook = void (*)();
THandlerEndHook SetHandlerEndHook(THandlerEndHook hook);
// What every handler of the plug-in that finishes an exception calls last.
void ExceptionHandlerFinished() noexcept;

// The status for the exception being handled; call it inside a catch block only.
HRESULT StatusFromCaughtException() noexcept;

template <class Body>
HRESULT HostGuard(Body&& body) noexcept {
  try {
    body();
    return S_OK;
  } catch (...) {
    HRESULT status = StatusFromCaughtException();
    ExceptionHandlerFinished();
    return status;
  }
}

// As HostGuard, for bodies that decide their own success status.
template <class Body>
HRESULT HostGuardStatus(Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    HRESULT status = StatusFromCaughtException();
    ExceptionHandlerFinished();
    return status;
  }
}
