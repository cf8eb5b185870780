#include "toolkit/xp_edit.h"

TXPEdit::TXPEdit(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetParentColor(false);
  SetBounds(0, 0, 121, 21);
  PublishOnce<TXPEdit>([](TPublisher<TXPEdit>& p) {
    p.Integer("MaxLength", &TXPEdit::MaxLength, &TXPEdit::SetMaxLength);
    p.Boolean("AutoSelect", &TXPEdit::AutoSelect, &TXPEdit::SetAutoSelect);
    p.Boolean("ReadOnly", &TXPEdit::ReadOnly, &TXPEdit::SetReadOnly);
    p.String("Text", &TXPEdit::Text, &TXPEdit::SetText);
    p.Event("OnChange", &TXPEdit::OnChange);
  });
}

void TXPEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"EDIT";
  params.SystemClass = true;
  params.Style |= ES_AUTOHSCROLL | (read_only_ ? ES_READONLY : 0);
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TXPEdit::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(max_length_), 0);
}

void TXPEdit::DestroyWnd() {
  // The window holds the text the user typed.
  if (HandleAllocated()) text_ = Text();
  TWinControl::DestroyWnd();
}

void TXPEdit::SetReadOnly(bool value) {
  read_only_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, value, 0);
}

void TXPEdit::SetMaxLength(int value) {
  max_length_ = value < 0 ? 0 : value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(max_length_), 0);
}

void TXPEdit::SelectAll() {
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TXPEdit::CNCommand(WORD code) {
  if (code == EN_CHANGE && OnChange && !Loading()) OnChange(this);
  // A mouse click places the caret itself after the focus arrives; keyboard and code focus select.
  if (code == EN_SETFOCUS && auto_select_ && !(GetKeyState(VK_LBUTTON) & 0x8000)) SelectAll();
}
