#pragma once
// Runs jobs of the script thread on the host's UI thread. A job is posted to a message-only window
// of the UI thread, so it runs in whichever message loop is active there (the host's, a modal
// dialog's, a message box's or a menu's) and after every message posted before it: input posted by
// earlier steps has been handled when the job runs.

#include <windows.h>

#include <functional>
#include <memory>

class TUiThreadCall {
 public:
  TUiThreadCall() = default;
  TUiThreadCall(const TUiThreadCall&) = delete;
  TUiThreadCall& operator=(const TUiThreadCall&) = delete;
  ~TUiThreadCall();

  // Creates the message-only window; call on the UI thread.
  bool Create();
  // Destroys it; call on the UI thread.
  void Destroy();
  DWORD ThreadId() const { return thread_; }

  // Runs the job on the UI thread and waits at most timeout milliseconds for it to finish. False
  // when the UI thread did not run it in time. The job is kept alive until it has run, so it must
  // capture by value what it uses.
  bool Run(std::function<void()> job, DWORD timeout);

 private:
  HWND window_ = nullptr;
  DWORD thread_ = 0;
};
