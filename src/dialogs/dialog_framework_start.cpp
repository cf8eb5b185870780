#include "dialogs/dialog_framework_start.h"

#include "dialogs/dialog_framework_state.h"
#include "dialogs/form_translation.h"
#include "dialogs/theme_frame_install.h"
#include "frame/library_steps.h"
#include "frame/locations.h"

void StartDialogFramework() {
  SetFormsKey(PreferencesKey() + L"\\Plenvik" + L"\\Forms");
  SetTranslationActive(false);
  SetLayoutLoadingDepth(0);
  InstallFormTranslation();
  InstallThemeFrame();
  // Last, as a failing manager abandons the rest of the step.
  SetTranslationActive(HostIsTranslating());
}

void EndDialogFramework() {
  RemoveThemeFrame();
  RemoveFormTranslation();
  SetFormsKey(std::wstring());
}

namespace {

const TLibraryStepRegistration dialog_framework_step(TLibraryStep::DialogFramework,
                                                     &StartDialogFramework, &EndDialogFramework);

}  // namespace
