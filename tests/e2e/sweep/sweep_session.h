#pragma once
// The session the fault sweep repeats: the Hole Size Editor opened with "Run" on a board of pads and
// vias, one size changed, OK, the redraw. A run of it is judged by what a user and the host must
// never meet, whatever call failed: a crash, a bracket left open, a field written that the user did
// not change, the plug-in's module kept alive, a board changed in silence.

#include <string>
#include <vector>

#include "tests/e2e/support/host_run.h"

struct TSweepCall {
  int Index = 0;          // K: its place among the session's counted calls, from 1
  std::string Operation;  // its trace name
};

// The recorded session: every counted call in order.
struct TSweepRecord {
  std::vector<TSweepCall> Calls;
  THostResult Result;
};

class TSweepSession {
 public:
  TSweepSession();

  const std::string& Board() const { return board_; }
  // The board as the session saves it when it gets through.
  const std::string& Edited() const { return edited_; }

  // Runs the session once in a folder of its own with the extra host arguments.
  THostResult Run(const std::string& name, const std::vector<std::wstring>& extra) const;
  // Runs it with every call numbered and gives the calls.
  TSweepRecord Record() const;

  // What is wrong with one run, one line each; empty when nothing is. quiet: the failing call
  // answers "none" rather than a failing status (a handle, a kind, a flag, a missing export), so the
  // plug-in cannot tell the failure from a board that has less on it.
  std::vector<std::string> Findings(const THostResult& result, bool quiet = false) const;

 private:
  std::string board_;
  std::string edited_;
};

// The hole sizes of a board text blanked out, so that boards differing in them alone are equal.
std::string WithoutHoleSizes(const std::string& board);
