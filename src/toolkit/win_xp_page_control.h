#pragma once
// A native tab control with one page (TWinXPTabSheet) per tab. Only the active page is visible.

#include <vector>

#include "forms/win_control.h"

class TWinXPTabSheet;

class TWinXPPageControl : public TWinControl {
  TAVRIN_CLASS(TWinXPPageControl, TWinControl)
 public:
  explicit TWinXPPageControl(TComponent* owner);
  ~TWinXPPageControl() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TWinXPTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
  TWinXPTabSheet* ActivePage() const { return active_; }
  void SetActivePage(TWinXPTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);

  TNotifyEvent OnChange;

  void ControlChange(TControl* control, bool inserting) override;
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;
  // The page's tab changed (caption, visibility).
  void UpdateTabs();

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void CNNotify(NMHDR* header, LRESULT& result) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TWinXPTabSheet;
  void PlacePages();
  void ShowActive();
  std::vector<TWinXPTabSheet*> pages_;
  std::vector<TWinXPTabSheet*> tabs_;  // the pages that have a tab, in tab order
  TWinXPTabSheet* active_ = nullptr;
};
