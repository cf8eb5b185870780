#include "dialogs/fake_dialog.h"

#include <memory>

BOOL TFakeDialog::TaskModalDialog(BOOL(WINAPI*)(void*), void* data) {
  hook_procedure_ = data ? static_cast<OPENFILENAMEW*>(data)->lpfnHook : nullptr;
  return 0;
}

LPOFNHOOKPROC CaptureDialogHookProcedure() {
  auto fake = std::make_unique<TFakeDialog>(nullptr);
  // The run with a parent of its own: no window of the application is made for it.
  fake->Run(nullptr);
  return fake->HookProcedure();
}
