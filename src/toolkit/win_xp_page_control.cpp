#include "toolkit/win_xp_page_control.h"

#include <algorithm>
#include <commctrl.h>

#include "base/text_convert.h"
#include "toolkit/win_xp_tab_sheet.h"

TWinXPPageControl::TWinXPPageControl(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 289, 193);
  PublishOnce<TWinXPPageControl>([](TPublisher<TWinXPPageControl>& p) {
    p.Reference("ActivePage", &TWinXPPageControl::ActivePage, &TWinXPPageControl::SetActivePage);
    p.Event("OnChange", &TWinXPPageControl::OnChange);
  });
}

TWinXPPageControl::~TWinXPPageControl() {
  // Pages that outlive us (owned by the form) must not point back.
  std::vector<TWinXPTabSheet*> pages = pages_;
  for (TWinXPTabSheet* p : pages) p->SetParent(nullptr);
}

void TWinXPPageControl::CreateParams(TCreateParams& params) {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)registered;
  TWinControl::CreateParams(params);
  params.WinClassName = WC_TABCONTROLW;
  params.SystemClass = true;
  params.Style |= WS_CLIPCHILDREN;
}

void TWinXPPageControl::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateTabs();
}

void TWinXPPageControl::ControlChange(TControl* control, bool inserting) {
  if (auto* page = class_cast<TWinXPTabSheet>(control)) {
    if (inserting && page->Parent() == this) {
      if (std::find(pages_.begin(), pages_.end(), page) == pages_.end()) pages_.push_back(page);
      page->FreeNotification(*this);
    } else if (!inserting) {
      pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
      if (active_ == page) active_ = nullptr;
    }
    UpdateTabs();
  }
  TWinControl::ControlChange(control, inserting);
}

void TWinXPPageControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  auto* page = static_cast<TWinXPTabSheet*>(nullptr);
  for (TWinXPTabSheet* p : pages_)
    if (p == component) page = p;
  if (!page) return;
  pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
  if (active_ == page) active_ = nullptr;
  UpdateTabs();
}

void TWinXPPageControl::UpdateTabs() {
  tabs_.clear();
  for (TWinXPTabSheet* p : pages_)
    if (p->TabVisible()) tabs_.push_back(p);
  if (!active_ || std::find(tabs_.begin(), tabs_.end(), active_) == tabs_.end())
    active_ = tabs_.empty() ? nullptr : tabs_.front();
  if (HandleAllocated()) {
    HWND h = Handle();
    SendMessageW(h, TCM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < tabs_.size(); ++i) {
      std::wstring text = ToWide(tabs_[i]->Caption());
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = text.data();
      SendMessageW(h, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    int index = ActivePageIndex();
    if (index >= 0) SendMessageW(h, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  PlacePages();
  ShowActive();
}

void TWinXPPageControl::PlacePages() {
  RECT r{0, 0, Width(), Height()};
  if (HandleAllocated()) {
    GetClientRect(Handle(), &r);
    SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  } else {
    // Before the window exists: the usual tab height and border, corrected once it does.
    r = {4, 24, Width() - 4, Height() - 4};
  }
  for (TWinXPTabSheet* p : pages_) p->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TWinXPPageControl::ShowActive() {
  for (TWinXPTabSheet* p : pages_)
    if (p != active_) p->SetVisible(false);
  if (active_) active_->SetVisible(true);
}

int TWinXPPageControl::ActivePageIndex() const {
  auto it = std::find(tabs_.begin(), tabs_.end(), active_);
  return it == tabs_.end() ? -1 : static_cast<int>(it - tabs_.begin());
}

void TWinXPPageControl::SetActivePage(TWinXPTabSheet* page) {
  if (page && page->PageControl() != this) return;
  if (page == active_) return;
  active_ = page;
  if (HandleAllocated()) SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(ActivePageIndex()), 0);
  ShowActive();
}

void TWinXPPageControl::SetActivePageIndex(int index) {
  if (index >= 0 && index < static_cast<int>(tabs_.size())) SetActivePage(tabs_[static_cast<size_t>(index)]);
}

void TWinXPPageControl::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, width, height);
  PlacePages();
}

void TWinXPPageControl::Loaded() {
  TWinControl::Loaded();
  UpdateTabs();
}

void TWinXPPageControl::CNNotify(NMHDR* header, LRESULT& result) {
  if (header->code == static_cast<UINT>(TCN_SELCHANGE)) {
    int index = static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
    if (index >= 0 && index < static_cast<int>(tabs_.size())) {
      active_ = tabs_[static_cast<size_t>(index)];
      ShowActive();
      if (OnChange) OnChange(this);
    }
  }
  result = 0;
}
