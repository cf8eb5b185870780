#include "forms/dialogs/common_dialog.h"

#include "forms/application.h"
#include "forms/form.h"

THookPoint<bool(TCommonDialog&)> CommonDialogExecuteHook("CommonDialogExecute", &CommonDialogExecuteDefault);
THookPoint<bool(TCommonDialog&, HWND)> CommonDialogExecuteWithParentHook(
    "CommonDialogExecuteWithParent", &CommonDialogExecuteWithParentDefault);

bool TCommonDialog::Execute() { return CommonDialogExecuteHook(*this); }

bool TCommonDialog::Execute(HWND parent) { return CommonDialogExecuteWithParentHook(*this, parent); }

bool CommonDialogExecuteDefault(TCommonDialog& dialog) {
  TCustomForm* active = Application->ActiveForm();
  return dialog.Execute(active ? active->Handle() : Application->Handle());
}

bool CommonDialogExecuteWithParentDefault(TCommonDialog& dialog, HWND parent) {
  return dialog.Run(parent);
}

BOOL TCommonDialog::TaskModalDialog(BOOL(WINAPI* dialog)(void*), void* data) {
  BOOL result = dialog(data);
  handle_ = nullptr;
  return result;
}

void TCommonDialog::DoShow(HWND dialog) {
  handle_ = dialog;
  if (OnShow) OnShow(this);
}

void TCommonDialog::DoClose() {
  if (OnClose) OnClose(this);
  handle_ = nullptr;
}
