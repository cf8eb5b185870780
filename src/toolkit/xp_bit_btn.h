#pragma once
// The dialogs' push button: a native BUTTON with the default, cancel and modal-result roles.

#include "forms/button.h"

class TXPBitBtn : public TButton {
  TAVRIN_CLASS(TXPBitBtn, TButton)
 public:
  using TButton::TButton;
};
