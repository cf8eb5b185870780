#include "frame/message_boxes.h"

#include <memory>

#include "frame/test_mode.h"

int ShowDialogWithCaption(const std::string& title, const std::string& message, TMsgDlgType kind,
                          TMsgDlgButtons buttons) {
  if (IsTestMode()) {
    WriteTestLine("ShowDialogWithCaption with" + title + " " + message);
    EndProcessForTest(1);
  }
  std::unique_ptr<TMessageForm> dialog(CreateMessageDialog(message, kind, buttons, title));
  dialog->SetCaption(title);
  dialog->SetPosition(poScreenCenter);
  return dialog->ShowModal();
}

int ShowError(const std::string& message, const std::string& title) {
  return ShowDialogWithCaption(title.empty() ? "Error" : title, message, mtError, {mbOK});
}

int ShowInformation(const std::string& message, const std::string& title) {
  return ShowDialogWithCaption(title.empty() ? "Information" : title, message, mtInformation,
                               {mbOK});
}
