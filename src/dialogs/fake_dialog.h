#pragma once
// An open-file dialog that is never shown: run once at start-up on older Windows, it hands over the
// hook procedure that the framework puts into every open-file dialog's data, so that start-up can
// intercept it.

#include <windows.h>

#include <commdlg.h>

#include "forms/dialogs/open_dialog.h"

class TFakeDialog : public TOpenDialog {
  TAVRIN_CLASS(TFakeDialog, TOpenDialog)
 public:
  explicit TFakeDialog(TComponent* owner) : TOpenDialog(owner) {}

  LPOFNHOOKPROC HookProcedure() const { return hook_procedure_; }
  // Keeps the dialog data's hook procedure and answers 0: no dialog is shown.
  BOOL TaskModalDialog(BOOL(WINAPI* dialog)(void*), void* data) override;

 private:
  LPOFNHOOKPROC hook_procedure_ = nullptr;
};

// The hook procedure of the framework's open-file dialogs, found with a TFakeDialog; none when it
// cannot be found.
LPOFNHOOKPROC CaptureDialogHookProcedure();
