#pragma once
// The base of the standard dialogs (open file, font). Execute() runs the dialog parented to the
// application's active form; Execute(parent) with an explicit parent. Both are hook points, so
// start-up can place every standard dialog; the native dialog itself runs in TaskModalDialog.

#include <windows.h>

#include "forms/component.h"
#include "base/hook_point.h"
#include "forms/property.h"

class TCommonDialog : public TComponent {
  TAVRIN_CLASS(TCommonDialog, TComponent)
 public:
  explicit TCommonDialog(TComponent* owner) : TComponent(owner) {}

  // True when the user accepted the dialog.
  bool Execute();
  bool Execute(HWND parent);
  // The native dialog's window while it is open.
  HWND Handle() const { return handle_; }

  // Runs when the native dialog has been made (sender: the dialog component) and when it closes.
  TNotifyEvent OnShow;
  TNotifyEvent OnClose;

  // The dialog's own run with a parent window: fills the system's dialog data and calls
  // TaskModalDialog. Called by the with-parent hook point's own routine.
  virtual bool Run(HWND parent) = 0;
  // Runs the native dialog function on its data; a replacement class may watch or skip it.
  virtual BOOL TaskModalDialog(BOOL(WINAPI* dialog)(void*), void* data);

  // Used by the framework's dialog hook procedures.
  void DoShow(HWND dialog);
  void DoClose();

 private:
  HWND handle_ = nullptr;
};

bool CommonDialogExecuteDefault(TCommonDialog& dialog);
bool CommonDialogExecuteWithParentDefault(TCommonDialog& dialog, HWND parent);
extern THookPoint<bool(TCommonDialog&)> CommonDialogExecuteHook;
extern THookPoint<bool(TCommonDialog&, HWND)> CommonDialogExecuteWithParentHook;
