#include "toolkit/xp_check_box.h"

TXPCheckBox::TXPCheckBox(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 97, 17);
  PublishOnce<TXPCheckBox>([](TPublisher<TXPCheckBox>& p) {
    p.Boolean("Checked", &TXPCheckBox::Checked, &TXPCheckBox::SetChecked);
  });
}

bool TXPCheckBox::Checked() const {
  return checked_;
}

void TXPCheckBox::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!Loading()) Click();
}

void TXPCheckBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"BUTTON";
  params.SystemClass = true;
  params.Style |= BS_CHECKBOX;
}

void TXPCheckBox::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TXPCheckBox::CNCommand(WORD code) {
  // A plain BS_CHECKBOX leaves the toggling to us, so code and user go the same way.
  if (code == BN_CLICKED) SetChecked(!checked_);
}

bool TXPCheckBox::DialogChar(char c) {
  if (!IsAccel(c, Caption()) || !CanFocus()) return false;
  SetFocus();
  SetChecked(!checked_);
  return true;
}
