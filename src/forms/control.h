#pragma once
// Controls: components with a place in a parent windowed control, bounds, a caption, visibility,
// enabled state, colour, font (taken from the parent while ParentFont holds), hint and click
// events.

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "forms/color.h"
#include "forms/component.h"
#include "forms/font.h"
#include "forms/property.h"

class TWinControl;
class TCustomForm;

class TControl : public TComponent {
  TAVRIN_CLASS(TControl, TComponent)
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_ ? parent_->AsWinControl() : nullptr; }
  // Moves the control into another parent (through the parent's InsertControl); nullptr removes it.
  // Only a windowed control holds controls.
  virtual void SetParent(TControl* parent);
  void SetParentComponent(TComponent* parent) override;
  bool HasParent() const override { return true; }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  virtual RECT ClientRect();
  int ClientWidth() { return ClientRect().right; }
  int ClientHeight() { return ClientRect().bottom; }
  virtual void SetClientWidth(int v);
  virtual void SetClientHeight(int v);

  // Caption and Text are one value, as the window's text.
  virtual std::string Text() const { return text_; }
  virtual void SetText(std::string_view text);
  std::string Caption() const { return Text(); }
  void SetCaption(std::string_view text) { SetText(text); }

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible and every parent up to a form visible too.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool value);
  // The colour in effect: the parent's while ParentColor holds.
  TColor EffectiveColor() const;

  TFont* Font() const { return font_.get(); }
  void SetFont(const TFont& font) { font_->Assign(font); }
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool value);

  const std::string& Hint() const { return hint_; }
  void SetHint(std::string_view hint) { hint_ = std::string(hint); }
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parent_show_hint_; }
  void SetParentShowHint(bool value);
  // ShowHint as in effect, taken from the parent while ParentShowHint holds.
  bool EffectiveShowHint() const;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  virtual void Click();
  virtual void DblClick();

  // The form the control sits on (itself for a form), or nullptr.
  TCustomForm* ParentForm() const;
  // This control as a form, nullptr for every control that is not one.
  virtual TCustomForm* AsForm() const { return nullptr; }
  // This control as a windowed control, nullptr for every control that has no window of its own.
  virtual TWinControl* AsWinControl() const { return nullptr; }
  // Screen coordinates of a point in the control's client area.
  virtual POINT ClientToScreen(POINT p);
  // Repaints the control: a control without a window repaints its area of the parent's window.
  virtual void Invalidate();

  // Taking a control in and letting it go: what a windowed control does for its children (a control
  // without a window holds none).
  virtual void InsertControl(TControl& control);
  virtual void RemoveControl(TControl&) {}

 protected:
  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void TextChanged() {}
  virtual void EnabledChanged() {}
  virtual void VisibleChanged() {}
  // The parent's font changed (or the control just moved into a parent).
  void ParentFontChanged();
  void ParentColorChanged();
  void ParentShowHintChanged();
  // Repaints an area of the client area (in client coordinates); a windowed control's window does.
  virtual void InvalidateArea(const RECT&) {}
  friend class TWinControl;
  friend void InsertControlDefault(TWinControl& parent, TControl& control);
  friend void RemoveControlDefault(TWinControl& parent, TControl& control);

  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::string text_;
  bool visible_ = true;
  bool enabled_ = true;

 private:
  TControl* parent_ = nullptr;  // always a windowed control
  TColor color_ = clBtnFace;
  bool parent_color_ = true;
  std::unique_ptr<TFont> font_;
  bool parent_font_ = true;
  bool taking_parent_font_ = false;
  std::string hint_;
  bool show_hint_ = false;
  bool parent_show_hint_ = true;
};
