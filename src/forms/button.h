#pragma once
// A native push button with the dialog roles: the default button (Enter), the cancel button
// (Escape) and a modal result that ends its form's modal run when clicked.

#include "forms/form_types.h"
#include "forms/win_control.h"

class TButton : public TWinControl {
  TAVRIN_CLASS(TButton, TWinControl)
 public:
  explicit TButton(TComponent* owner);
  ~TButton() override;
  bool HandlesReturnKey() const override { return true; }

  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value);
  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult value) { modal_result_ = value; }

  // Sets the form's modal result (when the button has one), then runs OnClick.
  void Click() override;
  bool DialogChar(char c) override;
  void SetParent(TControl* parent) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CNCommand(WORD code) override;

 private:
  void UpdateRoles(bool on);
  bool default_ = false;
  bool cancel_ = false;
  TModalResult modal_result_ = mrNone;
};
