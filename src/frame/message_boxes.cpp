#include "frame/message_boxes.h"

#include <windows.h>

#include "base/text_convert.h"
#include "frame/plugin_application.h"
#include "frame/test_mode.h"

int ShowDialogWithCaption(const std::string& title, const std::string& message, TMessageKind kind,
                          TMessageButtons buttons) {
  if (IsTestMode()) {
    WriteTestLine("ShowDialogWithCaption with" + title + " " + message);
    EndProcessForTest(1);
  }
  UINT style = (kind == mkError ? MB_ICONERROR : MB_ICONINFORMATION) |
               ((buttons & mbCancel) ? MB_OKCANCEL : MB_OK);
  std::wstring text = to_wide(message), caption = to_wide(title);
  return MessageBoxW(PluginApplicationWindow(), text.c_str(), caption.c_str(), style);
}

int ShowError(const std::string& message, const std::string& title) {
  return ShowDialogWithCaption(title.empty() ? "Error" : title, message, mkError, mbOK);
}

int ShowInformation(const std::string& message, const std::string& title) {
  return ShowDialogWithCaption(title.empty() ? "Information" : title, message, mkInformation, mbOK);
}
