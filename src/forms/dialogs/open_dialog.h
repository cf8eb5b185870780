#pragma once
// The standard open-file dialog.

#include <string>

#include "forms/dialogs/common_dialog.h"

class TOpenDialog : public TCommonDialog {
  TAVRIN_CLASS(TOpenDialog, TCommonDialog)
 public:
  explicit TOpenDialog(TComponent* owner);

  std::string FileName;
  // "Text files|*.txt|All files|*.*"
  std::string Filter;
  int FilterIndex = 1;
  std::string InitialDir;
  std::string Title;
  std::string DefaultExt;
  bool FileMustExist = true;

  bool Run(HWND parent) override;
};

// The framework's hook procedure of the open-file dialog (in its dialog data); it runs through
// the hook point OpenDialogHookProc.
UINT_PTR CALLBACK OpenDialogHook(HWND, UINT, WPARAM, LPARAM);
UINT_PTR OpenDialogHookDefault(HWND window, UINT msg, WPARAM w, LPARAM l);
extern THookPoint<UINT_PTR(HWND, UINT, WPARAM, LPARAM)> OpenDialogHookProc;
