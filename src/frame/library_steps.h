#pragma once
// The library's start-up and shut-down, in a fixed order of steps. Each layer that needs work at
// load registers its step in its own .cpp:
//
//   static const TLibraryStepRegistration pcb_step(TLibraryStep::PcbBinding, BindPcbApi, nullptr);
//
// RunLibraryStart runs the start procedures in step order (registrations of one step in
// registration order); RunLibraryEnd runs the end procedures in the reverse order. A step that
// raises is abandoned and the next one runs: every step tolerates a missing host.

enum class TLibraryStep : int {
  ClientBindings = 10,    // flat client exports bound, ClientSlot filled
  FractionalDigits = 20,  // millimetre precision from the PCB editor's settings
  PcbBinding = 30,        // the PCB module's flat exports
  DialogFramework = 40,   // hook points, exception and hint events, forms key
  ErrorInfoHook = 50,     // error information recorded for the host on every raise
  ExternalForms = 60,     // at the end: forms still waiting to be freed go first
};

using TLibraryProc = void (*)();

struct TLibraryStepRegistration {
  TLibraryStepRegistration(TLibraryStep step, TLibraryProc start, TLibraryProc end);
};

void RunLibraryStart();
void RunLibraryEnd();
