#pragma once
// A page of a page control: a plain window in the page control's display area whose caption is
// its tab's text.

#include "forms/win_control.h"

class TWinXPPageControl;

class TWinXPTabSheet : public TWinControl {
  TAVRIN_CLASS(TWinXPTabSheet, TWinControl)
 public:
  explicit TWinXPTabSheet(TComponent* owner);
  ~TWinXPTabSheet() override;

  TWinXPPageControl* PageControl() const;
  void SetPageControl(TWinXPPageControl* control);
  bool TabVisible() const { return tab_visible_; }
  void SetTabVisible(bool value);
  // The sheet's index among its page control's pages, or -1.
  int PageIndex() const;
  bool DialogChar(char c) override;

 protected:
  void TextChanged() override;

 private:
  bool tab_visible_ = true;
};
