#include "toolkit/label.h"

#include "base/text_convert.h"
#include "forms/color_rgb.h"

TLabel::TLabel(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 65, 17);
  PublishOnce<TLabel>([](TPublisher<TLabel>& p) {
    p.Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize);
    p.Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent);
    p.Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap);
  });
}

void TLabel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"STATIC";
  params.SystemClass = true;
  params.Style |= word_wrap_ ? SS_LEFT : SS_LEFTNOWORDWRAP;
}

void TLabel::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TLabel::SetWordWrap(bool value) {
  if (value == word_wrap_) return;
  word_wrap_ = value;
  RecreateWnd();
  AdjustBounds();
}

void TLabel::SetAutoSize(bool value) {
  auto_size_ = value;
  AdjustBounds();
}

void TLabel::Loaded() {
  TWinControl::Loaded();
  AdjustBounds();
}

HBRUSH TLabel::CtlColor(HDC dc) {
  if (!transparent_) return TWinControl::CtlColor(dc);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void TLabel::TextChanged() {
  RECT before = BoundsRect();
  AdjustBounds();
  // A transparent static draws over what was there: the parent repaints the old and new area.
  if (transparent_ && Parent() && Parent()->HandleAllocated()) {
    RECT after = BoundsRect();
    UnionRect(&before, &before, &after);
    InvalidateRect(Parent()->Handle(), &before, TRUE);
  }
}

void TLabel::FontChanged() {
  TWinControl::FontChanged();
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!auto_size_ || Loading()) return;
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  std::wstring text = ToWide(text_.empty() ? std::string(" ") : text_);
  RECT r{0, 0, word_wrap_ ? Width() : 0, 0};
  DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | (word_wrap_ ? DT_WORDBREAK : 0) | DT_EXPANDTABS);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  SetBounds(Left(), Top(), word_wrap_ ? Width() : r.right, r.bottom);
}
