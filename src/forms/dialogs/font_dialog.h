#pragma once
// The standard font dialog; Font holds the font shown and, after OK, the one chosen.

#include <memory>

#include "forms/dialogs/common_dialog.h"
#include "forms/font.h"

class TFontDialog : public TCommonDialog {
  TAVRIN_CLASS(TFontDialog, TCommonDialog)
 public:
  explicit TFontDialog(TComponent* owner);
  ~TFontDialog() override;

  TFont* Font() const { return font_.get(); }
  bool Run(HWND parent) override;

 private:
  std::unique_ptr<TFont> font_;
};

// The framework's window hook of the font dialog; it runs through the hook point
// FontDialogHookProc (start-up centres the dialog there).
UINT_PTR CALLBACK FontDialogHook(HWND, UINT, WPARAM, LPARAM);
UINT_PTR FontDialogHookDefault(HWND window, UINT msg, WPARAM w, LPARAM l);
extern THookPoint<UINT_PTR(HWND, UINT, WPARAM, LPARAM)> FontDialogHookProc;
