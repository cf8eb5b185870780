#include "forms/button.h"

#include "forms/enum_info.h"
#include "forms/form.h"

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
  PublishOnce<TButton>([](TPublisher<TButton>& p) {
    p.Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel);
    p.Boolean("Default", &TButton::Default, &TButton::SetDefault);
    p.Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult);
  });
}

TButton::~TButton() { UpdateRoles(false); }

void TButton::UpdateRoles(bool on) {
  TCustomForm* form = ParentForm();
  if (!form) return;
  form->SetDefaultButton(this, on && default_);
  form->SetCancelButton(this, on && cancel_);
}

void TButton::SetParent(TControl* parent) {
  UpdateRoles(false);
  TWinControl::SetParent(parent);
  UpdateRoles(true);
}

void TButton::SetDefault(bool value) {
  default_ = value;
  UpdateRoles(true);
  if (HandleAllocated()) {
    LONG style = GetWindowLongW(Handle(), GWL_STYLE) & ~0xF;
    SendMessageW(Handle(), BM_SETSTYLE, style | (value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), TRUE);
  }
}

void TButton::SetCancel(bool value) {
  cancel_ = value;
  UpdateRoles(true);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"BUTTON";
  params.SystemClass = true;
  params.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::CNCommand(WORD code) {
  if (code == BN_CLICKED) Click();
}

void TButton::Click() {
  if (modal_result_ != mrNone)
    if (TCustomForm* form = ParentForm()) form->SetModalResult(modal_result_);
  TWinControl::Click();
}

bool TButton::DialogChar(char c) {
  if (IsAccel(c, Caption()) && CanFocus()) {
    SetFocus();
    Click();
    return true;
  }
  return false;
}
