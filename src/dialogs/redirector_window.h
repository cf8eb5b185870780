#pragma once
// The hidden owner of a standard dialog on Windows 6 and later: a pop-up window (never shown) owned
// by the active form's window. The first window it comes to own, the dialog, is centred on the
// monitor nearest to it, once: when a message reaches the redirector, or at the latest when the
// dialog is about to be activated (the system may send the owner nothing once the dialog exists).

#include "forms/win_control.h"

class TRedirectorWindow : public TWinControl {
  TAVRIN_CLASS(TRedirectorWindow, TWinControl)
 public:
  explicit TRedirectorWindow(TComponent* owner);
  ~TRedirectorWindow() override;

  HWND OwnerWindow() const { return owner_window_; }
  void SetOwnerWindow(HWND window) { owner_window_ = window; }
  bool Centred() const { return centred_; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& msg) override;

 private:
  void CenterOwnedWindow();
  static LRESULT CALLBACK ActivationHook(int code, WPARAM w, LPARAM l);

  HWND owner_window_ = nullptr;
  HHOOK hook_ = nullptr;
  bool centred_ = false;
};
