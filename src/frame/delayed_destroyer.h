#pragma once
// Frees a form that has no window once the thread's messages have been processed: a hidden
// message-only window posts itself kFreeMessage and frees the form, then itself, when it arrives.
// Destroyers still waiting when the library ends free their forms then.

#include <windows.h>

#include "base/object.h"
#include "base/unique_handle.h"

class TCustomForm;

class TDelayedDestroyer : public TObject {
  TAVRIN_CLASS(TDelayedDestroyer, TObject)
 public:
  static constexpr UINT kFreeMessage = 0xB021;

  // Takes the form and frees itself with it; raises (and takes nothing) when its window cannot be
  // made or the message not posted.
  explicit TDelayedDestroyer(TCustomForm* form);
  TDelayedDestroyer(const TDelayedDestroyer&) = delete;
  TDelayedDestroyer& operator=(const TDelayedDestroyer&) = delete;

  HWND Handle() const { return window_.get(); }
  // Destroyers whose message has not arrived yet.
  static int PendingCount();
  // Frees every waiting destroyer with its form (library end).
  static void FreePending();

 private:
  ~TDelayedDestroyer() override;
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l);
  void FreeForm();

  TCustomForm* form_;
  TUniqueHwnd window_;
};
