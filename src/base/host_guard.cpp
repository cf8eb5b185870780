#include "base/host_guard.h"

#include "base/exceptions.h"
#include "base/thrown_object.h"

namespace {
void NoRaiseHook(void*, const std::type_info*) {}
void NoConversionHook(const std::exception_ptr&) {}
void NoHandlerEndHook() {}
}  // namespace

THookPoint<void(void*, const std::type_info*)> ExceptionRaiseHook("Raise", &NoRaiseHook);
THookPoint<void(const std::exception_ptr&)> ExceptionConversionHook("ExceptionConversion",
                                                                     &NoConversionHook);
THookPoint<void()> ExceptionHandlerEndHook("HandlerEnd", &NoHandlerEndHook);

void ExceptionHandlerFinished() noexcept {
  try {
    ExceptionHandlerEndHook();
  } catch (...) {
  }
}

HRESULT StatusFromCaughtException() noexcept {
  try {
    ExceptionConversionHook(std::current_exception());
  } catch (...) {
  }
  return E_UNEXPECTED;
}

HRESULT StatusFromFailure(const std::exception_ptr& failure) noexcept {
  // Handled again so that the conversion sees it as the exception being handled.
  try {
    std::rethrow_exception(failure);
  } catch (...) {
    HRESULT status = StatusFromCaughtException();
    ExceptionHandlerFinished();
    return status;
  }
}

void DeliverRaise(void* thrown, const std::type_info* type, void* at) noexcept {
  if (auto* error = ThrownObjectAs<Exception>(type, thrown)) error->SetRaiseAddress(reinterpret_cast<uintptr_t>(at));
  // A hook that throws would come back here; the inner raise is not reported again. Before the
  // hook point is constructed nothing is installed in it.
  static thread_local bool in_hook = false;
  if (!ExceptionRaiseHook.Installed() || in_hook) return;
  in_hook = true;
  try {
    ExceptionRaiseHook(thrown, type);
  } catch (...) {
  }
  in_hook = false;
}
