#pragma once
// A call into the host (an interface operation or a flat export) runs guarded: a processor fault
// inside the host becomes an EExternal-derived exception raised here, at the call, as a failing
// status would. The closing steps of the brackets above the call (EndModify, ProcessEnd, destroying
// an iterator) therefore still run, and the host's process is not taken down by its own fault.
//
//   CheckHost(CallHost([&] { return primitive->BeginModify(); }));

#include <exception>
#include <functional>
#include <type_traits>

// nullptr when the call returned, else the exception it raised or the fault turned into one.
std::exception_ptr RunHostCall(const std::function<void()>& call);

template <class Call>
auto CallHost(Call&& call) -> decltype(call()) {
  using TResult = decltype(call());
  if constexpr (std::is_void_v<TResult>) {
    if (std::exception_ptr failed = RunHostCall(call)) std::rethrow_exception(failed);
  } else {
    TResult result{};
    if (std::exception_ptr failed = RunHostCall([&] { result = call(); })) std::rethrow_exception(failed);
    return result;
  }
}
