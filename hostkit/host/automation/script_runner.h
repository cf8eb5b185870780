#pragma once
// Runs an automation script against the live windows of one UI thread, from a thread of its own.
// Every look at a window and every action runs as a job on the UI thread (TUiThreadCall); input is
// posted to the controls as the window messages a user's mouse and keyboard would produce, so the
// controls, their owners and the modal loops handle it exactly as they handle the user's input.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "script.h"
#include "ui_thread_call.h"

class TScriptRunner {
 public:
  using TOutput = std::function<void(const std::string& line)>;

  TScriptRunner(TScript script, TUiThreadCall& ui, TOutput output);

  // Runs every step in order; stops at the first that fails and returns false with
  // "line N: <step>: <reason>" in failure.
  bool RunAll(std::string& failure);

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

  TScript script_;
  TUiThreadCall& ui_;
  TOutput output_;
  DWORD timeout_ = 10000;
  bool report_times_ = false;
  HWND current_ = nullptr;
  std::wstring current_caption_;
};
