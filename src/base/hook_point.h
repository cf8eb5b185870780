#pragma once
// A named hook point: a framework routine that library start-up may replace as a whole. The
// framework always calls through the point; a replacement that needs the framework's own routine
// calls Underlying() directly, so nested calls of the point still reach the replacement.

#include <functional>
#include <utility>

template <class Signature>
class THookPoint;

template <class R, class... Args>
class THookPoint<R(Args...)> {
 public:
  using TRoutine = std::function<R(Args...)>;

  THookPoint(const char* name, R (*underlying)(Args...)) : name_(name), underlying_(underlying) {}
  THookPoint(const THookPoint&) = delete;
  THookPoint& operator=(const THookPoint&) = delete;

  const char* Name() const { return name_; }
  bool Installed() const { return static_cast<bool>(replacement_); }
  // Replaces whatever replacement was in place.
  void Install(TRoutine replacement) { replacement_ = std::move(replacement); }
  // Restores the framework's own routine.
  void Remove() { replacement_ = nullptr; }

  R operator()(Args... args) const {
    if (replacement_) return replacement_(std::forward<Args>(args)...);
    return underlying_(std::forward<Args>(args)...);
  }
  R Underlying(Args... args) const { return underlying_(std::forward<Args>(args)...); }

 private:
  const char* name_;
  R (*underlying_)(Args...);
  TRoutine replacement_;
};
