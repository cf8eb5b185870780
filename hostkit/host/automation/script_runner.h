#pragma once
// Runs an automation script against the live windows of one UI thread, from a thread of its own.
// Every look at a window and every action runs as a job on the UI thread (TUiThreadCall); input is
// posted to the controls as the window messages a user's mouse and keyboard would produce, so the
// controls, their owners and the modal loops handle it exactly as they handle the user's input.

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "script.h"
#include "ui_thread_call.h"

// The time the host has spent so far inside operations that servers called, in milliseconds. When
// one is set, report-times gives each step's share of it beside the step's time.
using THostCallClock = double (*)();
void SetHostCallClock(THostCallClock clock);

// What the host tells a running script about its session; written on the UI thread, read by the
// script's thread.
struct TSessionSignals {
  std::atomic<bool> Over{false};         // the host's command and dialogs are done
  std::atomic<int> HostExceptions{0};    // exceptions the host has handled (ClientAPI_HandleException)
};

class TScriptRunner {
 public:
  using TOutput = std::function<void(const std::string& line)>;

  TScriptRunner(TScript script, TUiThreadCall& ui, TOutput output);

  // Runs every step in order; stops at the first that fails and returns false with
  // "line N: <step>: <reason>" in failure.
  bool RunAll(std::string& failure);
  // After "on-stop finish", a failing step does not fail the script: the runner finishes the
  // session instead (dismisses message boxes, cancels dialogs until the host's session is over).
  // True when that happened.
  bool Stopped() const { return stopped_; }
  void SetSessionSignals(const TSessionSignals* signals) { signals_ = signals; }

 private:
  struct TAnswer {
    bool Ok = false;
    std::string Detail;  // the reason when not Ok, or a text read
    HWND Window = nullptr;
  };
  using TJob = std::function<TAnswer()>;

  bool RunStep(const TScriptStep& step, std::string& reason);
  // Runs the job once on the UI thread.
  bool Once(const TJob& job, TAnswer& answer, std::string& reason);
  // Runs the job until it answers Ok or the step's time is up; the last answer explains a failure.
  bool Until(const TJob& job, TAnswer& answer, std::string& reason);
  // Waits until the UI thread has handled everything posted so far.
  bool Settle(std::string& reason);
  bool NeedWindow(std::string& reason) const;
  // With "on-stop finish": why a waiting step need not wait any longer (a message box it does not
  // wait for is open, the host handled an exception, the session is over); false when none.
  bool Interrupted(std::string& reason);
  // The cancel path after a stop: false when the session did not end in time.
  bool FinishSession(std::string& reason);

  TScript script_;
  TUiThreadCall& ui_;
  TOutput output_;
  DWORD timeout_ = 10000;
  bool report_times_ = false;
  bool finish_on_stop_ = false;
  bool stopped_ = false;
  const TSessionSignals* signals_ = nullptr;
  std::wstring waited_caption_;  // the caption a wait-window step is waiting for
  HWND current_ = nullptr;
  std::wstring current_caption_;
};
