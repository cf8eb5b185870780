#include "frame/library_steps.h"

#include <algorithm>
#include <vector>

namespace {
struct Step {
  TLibraryStep step;
  int sequence;
  TLibraryProc start;
  TLibraryProc end;
};

std::vector<Step>& steps() {
  static std::vector<Step> list;
  return list;
}

bool started = false;

void run_guarded(TLibraryProc proc) noexcept {
  if (!proc) return;
  try {
    proc();
  } catch (...) {
  }
}
}  // namespace

TLibraryStepRegistration::TLibraryStepRegistration(TLibraryStep step, TLibraryProc start,
                                                   TLibraryProc end) {
  steps().push_back(Step{step, static_cast<int>(steps().size()), start, end});
}

void RunLibraryStart() {
  if (started) return;
  started = true;
  std::vector<Step> ordered = steps();
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const Step& a, const Step& b) { return a.step < b.step; });
  for (const Step& step : ordered) run_guarded(step.start);
}

void RunLibraryEnd() {
  if (!started) return;
  started = false;
  std::vector<Step> ordered = steps();
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const Step& a, const Step& b) { return a.step < b.step; });
  for (auto it = ordered.rbegin(); it != ordered.rend(); ++it) run_guarded(it->end);
}
