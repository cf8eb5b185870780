#pragma once
// The window that shows a control's hint. Its creation parameters are a step of their own, so a
// replacement class can change them (the class style's drop shadow, say).

#include "forms/win_control.h"

class THintWindow : public TWinControl {
  TAVRIN_CLASS(THintWindow, TWinControl)
 public:
  explicit THintWindow(TComponent* owner);
  // Shows the text with its top left corner at a screen point.
  void ActivateHint(POINT at, std::string_view text);
  void ReleaseHint();

  static THintWindow* Create(TComponent* owner) { return new THintWindow(owner); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& msg) override;
};
