#include "dialogs/theme_form.h"

#include <windowsx.h>

#include "base/text_convert.h"
#include "base/unique_handle.h"

TThemeForm::TThemeForm(TComponent* owner, TCustomForm& dialog, TFormThemeData& data)
    : TComponent(owner), form_(&dialog), theme_data_(&data) {
  window_proc_ = form_->WindowProc;
  form_->WindowProc = [this](TMessage& msg) { Dispatch(msg); };
  if (form_->HandleAllocated()) form_->DestroyHandle();
  form_->SetHeight(form_->Height() + theme_data_->Metric(1) - theme_data_->SystemCaptionHeight() -
                   theme_data_->Metric(0));
  form_->SetColor(theme_data_->FormColor());
}

// No message may reach a freed theme frame: the dialog gets its own procedure back.
TThemeForm::~TThemeForm() { form_->WindowProc = window_proc_; }

TCaptionLayout TThemeForm::LayoutAt(int left, int top, int width) {
  TCaptionInput in;
  in.Left = left;
  in.Top = top;
  in.Width = width;
  in.CaptionHeight = theme_data_->Metric(1);
  in.TextHeight = theme_data_->Metric(2);
  in.BorderStyle = form_->BorderStyle();
  in.BorderIcons = form_->BorderIcons();
  in.Maximised = form_->HandleAllocated() && IsZoomed(form_->Handle());
  return LayoutCaption(in);
}

TCaptionLayout TThemeForm::ScreenLayout() {
  RECT r{};
  if (form_->HandleAllocated()) GetWindowRect(form_->Handle(), &r);
  return LayoutAt(r.left, r.top, r.right - r.left);
}

void TThemeForm::SetRegion(int width, int height, bool redraw) {
  HRGN region = theme_data_->WindowRegion(width, height);
  // The window owns the region from here on.
  if (!SetWindowRgn(form_->Handle(), region, redraw)) DeleteObject(region);
}

bool TThemeForm::Active() { return form_->HandleAllocated() && GetActiveWindow() == form_->Handle(); }

void TThemeForm::SetHot(TCaptionElement element) {
  if (element == hot_element_) return;
  hot_element_ = element;
  PaintCaption(Active());
}

void TThemeForm::SetPressed(TCaptionElement element) {
  if (element == pressed_element_) return;
  pressed_element_ = element;
  PaintCaption(Active());
}

HICON TThemeForm::WindowIcon() {
  HWND window = form_->Handle();
  auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
  if (!icon) icon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
  return icon;
}

void TThemeForm::PaintAll(bool is_active) {
  PaintCaption(is_active);
  PaintEdges(is_active);
  // The dialog's own border band lies between these edges and the client area; the framework's
  // forms have no border width, so there is none to fill.
}

void TThemeForm::PaintCaption(bool is_active) {
  if (!form_->HandleAllocated() || window_width_ <= 0) return;
  HWND window = form_->Handle();
  const int w = window_width_, c = theme_data_->Metric(1);
  TCaptionLayout l = LayoutAt(0, 0, w);
  HDC window_dc = GetWindowDC(window);
  if (!window_dc) return;
  HDC dc = CreateCompatibleDC(window_dc);
  TUniqueHbitmap bitmap(CreateCompatibleBitmap(window_dc, w, c));
  if (dc && bitmap) {
    HGDIOBJ old = SelectObject(dc, bitmap.get());
    theme_data_->DrawCaptionBackground(l.Bar, dc, is_active);
    if (l.Icon) theme_data_->DrawWindowIcon(l.IconRect, dc, WindowIcon(), is_active);
    auto state = [&](TCaptionElement e) { return ButtonState(l, e, hot_element_, pressed_element_); };
    if (l.Shown[ceClose]) theme_data_->DrawCloseButton(l.Buttons[ceClose], dc, state(ceClose), is_active);
    if (l.Shown[ceMaximize]) {
      if (l.RestoreButton)
        theme_data_->DrawRestoreButton(l.Buttons[ceMaximize], dc, state(ceMaximize), is_active);
      else
        theme_data_->DrawMaximizeButton(l.Buttons[ceMaximize], dc, state(ceMaximize), is_active);
    }
    if (l.Shown[ceMinimize])
      theme_data_->DrawMinimizeButton(l.Buttons[ceMinimize], dc, state(ceMinimize), is_active);
    if (l.Shown[ceHelp]) theme_data_->DrawHelpButton(l.Buttons[ceHelp], dc, state(ceHelp), is_active);
    theme_data_->DrawCaptionText(l.Text, dc, ToWide(form_->Caption()), is_active);
    BitBlt(window_dc, 0, 0, w, c, dc, 0, 0, SRCCOPY);
    SelectObject(dc, old);
  }
  if (dc) DeleteDC(dc);
  ReleaseDC(window, window_dc);
}

void TThemeForm::PaintEdges(bool is_active) {
  if (!form_->HandleAllocated()) return;
  HWND window = form_->Handle();
  const int w = window_width_, h = window_height_;
  const int c = theme_data_->Metric(1), b = theme_data_->Metric(0);
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  theme_data_->DrawLeftEdge({0, c, b, h - c - b}, dc, is_active);
  theme_data_->DrawBottomEdge({0, h - b, w, b}, dc, is_active);
  theme_data_->DrawRightEdge({w - b, c, b, h - c - b}, dc, is_active);
  ReleaseDC(window, dc);
}

void TThemeForm::PostCommand(TCaptionElement element, const TCaptionLayout& l) {
  WPARAM command = 0;
  switch (element) {
    case ceHelp: command = SC_CONTEXTHELP; break;
    case ceMinimize:
      if (!l.Disabled[ceMinimize]) command = SC_MINIMIZE;
      break;
    case ceMaximize:
      if (!l.Disabled[ceMaximize]) command = l.RestoreButton ? SC_RESTORE : SC_MAXIMIZE;
      break;
    case ceClose: command = SC_CLOSE; break;
    case ceNone: break;
  }
  if (command) PostMessageW(form_->Handle(), WM_SYSCOMMAND, command, 0);
}

void TThemeForm::Dispatch(TMessage& msg) {
  const int c = theme_data_->Metric(1), b = theme_data_->Metric(0);
  switch (msg.Msg) {
    case WM_CREATE:
      CallSaved(msg);
      SetRegion(form_->Width(), form_->Height(), false);
      return;
    case WM_NCCALCSIZE: {
      // Both forms of the message start with the proposed window rectangle.
      auto* r = reinterpret_cast<RECT*>(msg.LParam);
      int w = r->right - r->left, h = r->bottom - r->top;
      if (!size_guard_) {
        region_dirty_ = region_dirty_ || w != window_width_ || h != window_height_;
        window_width_ = w;
        window_height_ = h;
      }
      r->left += b;
      r->right -= b;
      r->bottom -= b;
      r->top += c;
      if (r->right < r->left) r->right = r->left;
      if (r->bottom < r->top) r->bottom = r->top;
      msg.Result = 0;
      return;
    }
    case WM_NCPAINT:
      if (region_dirty_) {
        region_dirty_ = false;
        SetRegion(window_width_, window_height_, true);
      } else {
        PaintAll(Active());
      }
      msg.Result = 0;
      return;
    case WM_NCACTIVATE:
      PaintAll(msg.WParam != 0);
      msg.Result = 1;
      return;
    case WM_SETTEXT:
    case WM_SETICON:
      // The system draws its own caption on these; ours goes back over it.
      CallSaved(msg);
      PaintCaption(Active());
      return;
    case WM_NCHITTEST: {
      int x = GET_X_LPARAM(msg.LParam), y = GET_Y_LPARAM(msg.LParam);
      TCaptionLayout l = ScreenLayout();
      if (l.Icon && l.IconRect.Contains(x, y)) {
        msg.Result = HTSYSMENU;
        return;
      }
      switch (ElementAt(l, x, y)) {
        case ceHelp: msg.Result = HTHELP; return;
        case ceMaximize: msg.Result = HTMAXBUTTON; return;
        case ceMinimize: msg.Result = HTMINBUTTON; return;
        case ceClose: msg.Result = HTCLOSE; return;
        case ceNone: break;
      }
      CallSaved(msg);
      bool sizing_edge = msg.Result >= HTLEFT && msg.Result <= HTTOPRIGHT;
      if (!sizing_edge && l.Bar.Contains(x, y)) msg.Result = HTCAPTION;
      return;
    }
    case WM_NCMOUSEMOVE: {
      SetHot(ElementAt(ScreenLayout(), GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)));
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, form_->Handle(), HOVER_DEFAULT};
      TrackMouseEvent(&track);
      CallSaved(msg);
      return;
    }
    case WM_NCMOUSELEAVE:
      SetHot(ceNone);
      CallSaved(msg);
      return;
    case WM_NCLBUTTONDOWN: {
      TCaptionElement e = ElementAt(ScreenLayout(), GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam));
      if (e == ceNone) {
        SetPressed(ceNone);
        CallSaved(msg);
        return;
      }
      SetCapture(form_->Handle());
      captured_element_ = e;
      SetPressed(e);
      msg.Result = 0;
      return;
    }
    case WM_MOUSEMOVE: {
      if (captured_element_ == ceNone) break;
      POINT p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
      ClientToScreen(form_->Handle(), &p);
      TCaptionElement e = ElementAt(ScreenLayout(), p.x, p.y);
      if (e == ceNone || e == captured_element_) SetPressed(e);
      msg.Result = 0;
      return;
    }
    case WM_LBUTTONUP: {
      if (captured_element_ == ceNone) break;
      if (captured_element_ == pressed_element_) PostCommand(captured_element_, ScreenLayout());
      ReleaseCapture();
      // Capture may have moved elsewhere already: the element is released in any case.
      captured_element_ = ceNone;
      SetPressed(ceNone);
      msg.Result = 0;
      return;
    }
    case WM_CAPTURECHANGED:
      SetPressed(ceNone);
      captured_element_ = ceNone;
      CallSaved(msg);
      return;
    case WM_GETMINMAXINFO:
      CallSaved(msg);
      reinterpret_cast<MINMAXINFO*>(msg.LParam)->ptMinTrackSize.y = c + b;
      return;
    case WM_WINDOWPOSCHANGING: {
      CallSaved(msg);
      auto* pos = reinterpret_cast<WINDOWPOS*>(msg.LParam);
      if (pos->flags & SWP_NOSIZE) return;
      bool not_smaller = pos->cx >= window_width_ && pos->cy >= window_height_;
      bool larger = pos->cx > window_width_ || pos->cy > window_height_;
      // Growing: the region is set before the new size shows. Shrinking waits for the next
      // non-client paint, so the window never shows cut-off parts of its old region.
      if (not_smaller && larger) {
        size_guard_ = true;
        region_dirty_ = false;
        window_width_ = pos->cx;
        window_height_ = pos->cy;
        SetRegion(pos->cx, pos->cy, false);
        size_guard_ = false;
      }
      return;
    }
    default:
      break;
  }
  CallSaved(msg);
}
