#pragma once
// The plug-in's hint window: the framework's, without the drop shadow of its window class.

#include "forms/hint_window.h"

class TNoShadowHintWindow : public THintWindow {
  TAVRIN_CLASS(TNoShadowHintWindow, THintWindow)
 public:
  explicit TNoShadowHintWindow(TComponent* owner) : THintWindow(owner) {}
  static THintWindow* Create(TComponent* owner) { return new TNoShadowHintWindow(owner); }

 protected:
  void CreateParams(TCreateParams& params) override;
};
