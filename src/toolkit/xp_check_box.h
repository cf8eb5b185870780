#pragma once
// A native check box. OnClick runs when the user toggles it and when Checked changes from code
// (except while its layout is read).

#include "forms/win_control.h"

class TXPCheckBox : public TWinControl {
  TAVRIN_CLASS(TXPCheckBox, TWinControl)
 public:
  explicit TXPCheckBox(TComponent* owner);

  bool Checked() const;
  void SetChecked(bool value);
  bool DialogChar(char c) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void CNCommand(WORD code) override;

 private:
  bool checked_ = false;
};
