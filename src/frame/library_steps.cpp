#include "frame/library_steps.h"

#include <algorithm>
#include <vector>

namespace {
struct TStep {
  TLibraryStep step;
  int sequence;
  TLibraryProc start;
  TLibraryProc end;
};

std::vector<TStep>& Steps() {
  static std::vector<TStep> list;
  return list;
}

bool started = false;

void RunStepGuarded(TLibraryProc proc) noexcept {
  if (!proc) return;
  try {
    proc();
  } catch (...) {
  }
}
}  // namespace

TLibraryStepRegistration::TLibraryStepRegistration(TLibraryStep step, TLibraryProc start,
                                                   TLibraryProc end) {
  Steps().push_back(TStep{step, static_cast<int>(Steps().size()), start, end});
}

void RunLibraryStart() {
  if (started) return;
  started = true;
  std::vector<TStep> ordered = Steps();
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const TStep& a, const TStep& b) { return a.step < b.step; });
  for (const TStep& step : ordered) RunStepGuarded(step.start);
}

void RunLibraryEnd() {
  if (!started) return;
  started = false;
  std::vector<TStep> ordered = Steps();
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const TStep& a, const TStep& b) { return a.step < b.step; });
  for (auto it = ordered.rbegin(); it != ordered.rend(); ++it) RunStepGuarded(it->end);
}
