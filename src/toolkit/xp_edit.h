#pragma once
// A native single-line edit box with its text and a change event.

#include "forms/win_control.h"

class TXPEdit : public TWinControl {
  TAVRIN_CLASS(TXPEdit, TWinControl)
 public:
  explicit TXPEdit(TComponent* owner);

  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool value);
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int value);
  // Whether the whole text is selected when the box receives the focus, so that typing replaces it.
  bool AutoSelect() const { return auto_select_; }
  void SetAutoSelect(bool value) { auto_select_ = value; }
  void SelectAll();

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void CNCommand(WORD code) override;

 private:
  bool read_only_ = false;
  bool auto_select_ = true;
  int max_length_ = 0;
};
