#pragma once
// The host's share of a benchmark step: time-stamp ticks spent inside the host's operations that a
// server calls (THostCall) and inside the PCB module's, so that the rest of the step is the plug-in's.

#include <cstdint>

// Called on entry to and exit from a host operation; nested operations count once.
void HostCallClockIn();
void HostCallClockOut();
// Ticks spent in the host's own operations and in the PCB module's, since start.
uint64_t HostCallTicks();
// Milliseconds that a number of ticks stands for, calibrated against the performance counter.
double TicksToMilliseconds(uint64_t ticks);
