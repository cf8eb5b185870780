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
  // The system's group box paints its frame and caption only, and the parent clips its children,
  // so nobody would paint the inside: it would keep whatever the screen held there.
  if (msg.Msg == WM_ERASEBKGND) {
    RECT r;
    GetClientRect(Handle(), &r);
    FillRect(reinterpret_cast<HDC>(msg.WParam), &r, BackgroundBrush());
    msg.Result = 1;
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
