#include "base/host_guard.h"

namespace {
TRaiseHook raise_hook = nullptr;
TConversionHook conversion_hook = nullptr;
THandlerEndHook handler_end_hook = nullptr;
}  // namespace

TRaiseHook SetRaiseHook(TRaiseHook hook) {
  TRaiseHook previous = raise_hook;
  raise_hook = hook;
  return previous;
}

TConversionHook SetConversionHook(TConversionHook hook) {
  TConversionHook previous = conversion_hook;
  conversion_hook = hook;
  return previous;
}

THandlerEndHook SetHandlerEndHook(THandlerEndHook hook) {
  THandlerEndHook previous = handler_end_hook;
  handler_end_hook = hook;
  return previous;
}

void ExceptionHandlerFinished() noexcept {
  if (handler_end_hook) {
    try {
      handler_end_hook();
    } catch (...) {
    }
  }
}

HRESULT StatusFromCaughtException() noexcept {
  if (conversion_hook) {
    try {
      conversion_hook(std::current_exception());
    } catch (...) {
    }
  }
  return E_UNEXPECTED;
}

void DeliverRaise(void* thrown, const std::type_info* type) noexcept {
  // A hook that throws would come back here; the inner raise is not reported again.
  static thread_local bool in_hook = false;
  if (!raise_hook || in_hook) return;
  in_hook = true;
  try {
    raise_hook(thrown, type);
  } catch (...) {
  }
  in_hook = false;
}
