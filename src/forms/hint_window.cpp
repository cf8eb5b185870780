#include "forms/hint_window.h"

#include "base/text_convert.h"
#include "forms/color_rgb.h"

THintWindow::THintWindow(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.WndParent = nullptr;
  params.WindowClass.style |= CS_SAVEBITS | CS_DROPSHADOW;
}

void THintWindow::ActivateHint(POINT at, std::string_view text) {
  SetText(text);
  HWND window = Handle();
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  std::wstring wide = ToWide(text);
  RECT r{0, 0, 300, 0};
  DrawTextW(dc, wide.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  SetBounds(at.x, at.y, r.right + 8, r.bottom + 6);
  visible_ = true;
  SetWindowPos(window, HWND_TOPMOST, at.x, at.y, r.right + 8, r.bottom + 6, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(window, nullptr, TRUE);
}

void THintWindow::ReleaseHint() {
  visible_ = false;
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void THintWindow::WndProc(TMessage& msg) {
  if (msg.Msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT r;
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, BackgroundBrush());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font()->Color()));
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    InflateRect(&r, -3, -2);
    std::wstring wide = ToWide(text_);
    DrawTextW(dc, wide.c_str(), -1, &r, DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    EndPaint(Handle(), &ps);
    msg.Result = 0;
    return;
  }
  if (msg.Msg == WM_NCHITTEST) {
    msg.Result = HTTRANSPARENT;
    return;
  }
  TWinControl::WndProc(msg);
}
