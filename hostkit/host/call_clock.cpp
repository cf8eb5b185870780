#include "call_clock.h"

#include <windows.h>
#include <x86intrin.h>

#include <atomic>

#include "host_state.h"

namespace {

// Written on the UI thread, read by the script runner's thread between steps.
std::atomic<uint64_t> host_ticks{0};
int depth = 0;
uint64_t started = 0;

struct TCalibration {
  uint64_t ticks = __rdtsc();
  LARGE_INTEGER counter = [] {
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return c;
  }();
};
const TCalibration start;

}  // namespace

void HostCallClockIn() {
  if (depth++ == 0) started = __rdtsc();
}

void HostCallClockOut() {
  if (depth > 0 && --depth == 0) host_ticks.fetch_add(__rdtsc() - started, std::memory_order_relaxed);
}

uint64_t HostCallTicks() {
  const uint64_t pcb = Host().Pcb.CallTicks ? Host().Pcb.CallTicks() : 0;
  return host_ticks.load(std::memory_order_relaxed) + pcb;
}

double TicksToMilliseconds(uint64_t ticks) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  const double elapsed_ms = (now.QuadPart - start.counter.QuadPart) * 1000.0 / frequency.QuadPart;
  const double elapsed_ticks = static_cast<double>(__rdtsc() - start.ticks);
  return elapsed_ticks > 0 ? ticks * elapsed_ms / elapsed_ticks : 0;
}
