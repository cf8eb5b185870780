#pragma once
// The framework's standard message form: a message with the system icon of its kind, a set of
// buttons with their modal results and a title. It is a class of its own (TMessageForm) so that
// code watching forms as they show can tell message boxes apart. Created centred on the screen;
// the creator may place it otherwise before running it.

#include <cstdint>
#include <string>
#include <string_view>

#include "forms/form.h"

enum TMsgDlgType : uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : uint8_t { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

class TButton;

class TMessageForm : public TForm {
  TAVRIN_CLASS(TMessageForm, TForm)
 public:
  TMessageForm(TComponent* owner, std::string message, TMsgDlgType kind, TMsgDlgButtons buttons,
               std::string title);

  const std::string& Message() const { return message_; }
  TMsgDlgType Kind() const { return kind_; }
  // The button of a kind, or nullptr when the form has none.
  TButton* Button(TMsgDlgBtn kind) const { return buttons_[kind]; }

  void Construct(bool read_layout) override;

 private:
  std::string message_;
  TMsgDlgType kind_;
  TMsgDlgButtons button_set_;
  TButton* buttons_[7] = {};
  RECT text_rect_{};
  HICON icon_ = nullptr;
};

// The modal result of each button kind (mbYes: mrYes, mbOK: mrOk, …).
TModalResult ModalResultOf(TMsgDlgBtn button);
// The default title of a kind ("Warning", "Error", "Information", "Confirmation").
std::string MessageTitle(TMsgDlgType kind);

// A new message form; the caller frees it. An empty title takes the kind's.
TMessageForm* CreateMessageDialog(std::string_view message, TMsgDlgType kind, TMsgDlgButtons buttons,
                                  std::string_view title = {});
// Shows a message form modally and returns the modal result of the button that ended it.
TModalResult MessageDlg(std::string_view message, TMsgDlgType kind, TMsgDlgButtons buttons,
                        std::string_view title = {});
