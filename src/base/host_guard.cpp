#include "base/host_guard.h"

namespace {
RaiseHook raise_hook = nullptr;
ConversionHook conversion_hook = nullptr;
HandlerEndHook handler_end_hook = nullptr;
}  // namespace

RaiseHook set_raise_hook(RaiseHook hook) {
  RaiseHook previous = raise_hook;
  raise_hook = hook;
  return previous;
}

ConversionHook set_conversion_hook(ConversionHook hook) {
  ConversionHook previous = conversion_hook;
  conversion_hook = hook;
  return previous;
}

HandlerEndHook set_handler_end_hook(HandlerEndHook hook) {
  HandlerEndHook previous = handler_end_hook;
  handler_end_hook = hook;
  return previous;
}

void exception_handler_finished() noexcept {
  if (handler_end_hook) {
    try {
      handler_end_hook();
    } catch (...) {
    }
  }
}

HRESULT status_from_caught_exception() noexcept {
  if (conversion_hook) {
    try {
      conversion_hook(std::current_exception());
    } catch (...) {
    }
  }
  return E_UNEXPECTED;
}

void deliver_raise(void* thrown, const std::type_info* type) noexcept {
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
