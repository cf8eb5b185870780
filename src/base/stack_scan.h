#pragma once
// The return addresses on a thread's stack, found by scanning it: the plug-in is built without frame
// pointers, so a fault's call stack is read from the stack memory itself. A value counts when it
// points into a loaded module just after a call instruction. Safe to call inside an exception
// handler of the faulting thread.

#include <cstddef>
#include <cstdint>

// Scans from the stack pointer up to the thread's stack base; returns how many addresses were put
// into frames (at most capacity).
size_t ScanStackForReturnAddresses(uintptr_t stack_pointer, uintptr_t* frames, size_t capacity);
