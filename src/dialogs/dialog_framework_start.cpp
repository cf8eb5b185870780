#include "dialogs/dialog_framework_start.h"

#include "dialogs/dialog_framework_state.h"
#include "dialogs/dialog_help.h"
#include "frame/library_steps.h"
#include "frame/locations.h"

void StartDialogFramework() {
  SetFormsKey(PreferencesKey() + L"\\Plenvik" + L"\\Forms");
  SetTranslationActive(false);
  SetLayoutLoadingDepth(0);
  InstallDialogHelp();
}

void EndDialogFramework() {
  RemoveDialogHelp();
  SetFormsKey(std::wstring());
}

namespace {

const TLibraryStepRegistration dialog_framework_step(TLibraryStep::DialogFramework,
                                                     &StartDialogFramework, &EndDialogFramework);

}  // namespace
