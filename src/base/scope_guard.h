#pragma once
// Runs the closing step of a bracket when the scope ends, also while an exception unwinds. While an
// exception is already on its way, a failure of the closing step is swallowed so that the first
// failure is the one that travels on.

#include <exception>
#include <utility>

template <class F>
class TScopeGuard {
 public:
  explicit TScopeGuard(F f) : f_(std::move(f)), unwinding_at_start_(std::uncaught_exceptions()) {}
  TScopeGuard(const TScopeGuard&) = delete;
  TScopeGuard& operator=(const TScopeGuard&) = delete;
  ~TScopeGuard() noexcept(false) {
    if (!armed_) return;
    if (std::uncaught_exceptions() > unwinding_at_start_) {
      try {
        f_();
      } catch (...) {
      }
    } else {
      f_();
    }
  }
  void Dismiss() { armed_ = false; }

 private:
  F f_;
  int unwinding_at_start_;
  bool armed_ = true;
};

template <class F>
[[nodiscard]] TScopeGuard<F> OnScopeExit(F f) {
  return TScopeGuard<F>(std::move(f));
}
