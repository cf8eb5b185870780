#include "dialogs/message_box_placement.h"

#include <memory>

#include "dialogs/form_placement.h"
#include "forms/dialogs/message_dialog.h"
#include "frame/test_mode.h"

namespace {

const TClassInfo* message_dialog_class = nullptr;

void MessageBoxShowingChanged(TCustomForm& form) {
  if (!form.Showing() || !message_dialog_class || !form.Is(*message_dialog_class)) {
    ShowingChangedHook.Underlying(form);
    return;
  }
  if (IsTestMode()) {
    WriteTestLine("Running modal dialog " + std::string(form.ClassName()) + " " + form.Caption());
    EndProcessForTest(1);
  }
  CenterOnActiveMonitor(form);
  ShowWithoutPositioning(form);
}

}  // namespace

void InstallMessageBoxPlacement() {
  // The class is the one the framework really makes for a message box.
  std::unique_ptr<TMessageForm> probe(CreateMessageDialog("", mtCustom, {}));
  message_dialog_class = &probe->ClassInfo();
  ShowingChangedHook.Install(&MessageBoxShowingChanged);
}

void RemoveMessageBoxPlacement() {
  ShowingChangedHook.Remove();
  message_dialog_class = nullptr;
}

const TClassInfo* MessageDialogClass() { return message_dialog_class; }
