#include "toolkit/xp_group_box.h"

TXPGroupBox::TXPGroupBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 105); }

void TXPGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"BUTTON";
  params.SystemClass = true;
  params.Style |= BS_GROUPBOX | WS_CLIPCHILDREN;
}

void TXPGroupBox::WndProc(TMessage& msg) {
  // The frame's own hit test is transparent, which would let clicks fall through to the parent.
  if (msg.Msg == WM_NCHITTEST) {
    msg.Result = HTCLIENT;
    return;
  }
  TWinControl::WndProc(msg);
}

bool TXPGroupBox::DialogChar(char c) {
  if (IsAccel(c, Caption()) && CanFocus()) {
    SelectFirst();
    return true;
  }
  return TWinControl::DialogChar(c);
}
