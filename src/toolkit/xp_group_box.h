#pragma once
// A native group frame holding other controls; its accelerator moves the focus into it.

#include "forms/win_control.h"

class TXPGroupBox : public TWinControl {
  TAVRIN_CLASS(TXPGroupBox, TWinControl)
 public:
  explicit TXPGroupBox(TComponent* owner);
  bool DialogChar(char c) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& msg) override;
};
