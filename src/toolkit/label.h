#pragma once
// A native static text. AutoSize fits the bounds to the caption (the height only, when words
// wrap); Transparent lets the parent's background show through.

#include "forms/win_control.h"

class TLabel : public TWinControl {
  TAVRIN_CLASS(TLabel, TWinControl)
 public:
  explicit TLabel(TComponent* owner);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool value);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool value);
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  HBRUSH CtlColor(HDC dc) override;
  void TextChanged() override;
  void FontChanged() override;

 private:
  void AdjustBounds();
  bool transparent_ = false;
  bool word_wrap_ = false;
  bool auto_size_ = true;
};
