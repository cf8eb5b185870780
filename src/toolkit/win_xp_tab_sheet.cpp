#include "toolkit/win_xp_tab_sheet.h"

#include "forms/errors.h"
#include "toolkit/win_xp_page_control.h"

TWinXPTabSheet::TWinXPTabSheet(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  PublishOnce<TWinXPTabSheet>([](TPublisher<TWinXPTabSheet>& p) {
    p.Reference("PageControl", &TWinXPTabSheet::PageControl, &TWinXPTabSheet::SetPageControl);
    p.Boolean("TabVisible", &TWinXPTabSheet::TabVisible, &TWinXPTabSheet::SetTabVisible);
  });
}

TWinXPTabSheet::~TWinXPTabSheet() { SetParent(nullptr); }

TWinXPPageControl* TWinXPTabSheet::PageControl() const { return class_cast<TWinXPPageControl>(Parent()); }

void TWinXPTabSheet::SetPageControl(TWinXPPageControl* control) { SetParent(control); }

void TWinXPTabSheet::SetTabVisible(bool value) {
  if (value == tab_visible_) return;
  tab_visible_ = value;
  if (TWinXPPageControl* pc = PageControl()) pc->UpdateTabs();
}

int TWinXPTabSheet::PageIndex() const {
  TWinXPPageControl* pc = PageControl();
  if (!pc) return -1;
  for (int i = 0; i < pc->PageCount(); ++i)
    if (pc->Pages(i) == this) return i;
  return -1;
}

void TWinXPTabSheet::TextChanged() {
  if (TWinXPPageControl* pc = PageControl()) pc->UpdateTabs();
}

bool TWinXPTabSheet::DialogChar(char c) {
  if (IsAccel(c, Caption()) && tab_visible_ && PageControl()) {
    PageControl()->SetActivePage(this);
    SelectFirst();
    return true;
  }
  return TWinControl::DialogChar(c);
}
