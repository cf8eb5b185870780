#include "forms/control.h"

#include "forms/errors.h"

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  font_->OnChange = [this] { FontChanged(); };
  PublishOnce<TControl>([](TPublisher<TControl>& p) {
    p.String("Caption", &TControl::Text, &TControl::SetText);
    p.Color("Color", &TControl::Color, &TControl::SetColor);
    p.Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled);
    p.Object("Font", &TControl::Font);
    p.Integer("Height", &TControl::Height, &TControl::SetHeight);
    p.String("Hint", &TControl::Hint, &TControl::SetHint);
    p.Integer("Left", &TControl::Left, &TControl::SetLeft);
    p.Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor);
    p.Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
    p.Boolean("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint);
    p.Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint);
    p.Integer("Top", &TControl::Top, &TControl::SetTop);
    p.Boolean("Visible", &TControl::Visible, &TControl::SetVisible);
    p.Integer("Width", &TControl::Width, &TControl::SetWidth);
    p.Event("OnClick", &TControl::OnClick);
    p.Event("OnDblClick", &TControl::OnDblClick);
  });
}

TControl::~TControl() {
  if (parent_) parent_->RemoveControl(*this);
}

void TControl::SetParent(TControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EInvalidOperation("A control cannot be its own parent");
  if (parent && !parent->AsWinControl())
    throw EInvalidOperation(std::string(ClassName()) + " cannot be placed inside a " +
                            parent->ClassName());
  if (parent_) parent_->RemoveControl(*this);
  if (parent) parent->InsertControl(*this);
}

void TControl::SetParentComponent(TComponent* parent) {
  if (!parent) {
    SetParent(nullptr);
    return;
  }
  auto* control = class_cast<TControl>(parent);
  if (!control || !control->AsWinControl())
    throw EInvalidOperation(std::string(ClassName()) + " cannot be placed inside a " +
                            parent->ClassName());
  SetParent(control);
}

void TControl::InsertControl(TControl& control) {
  throw EInvalidOperation(std::string(control.ClassName()) + " cannot be placed inside a " +
                          ClassName());
}

void TControl::SetBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width < 0 ? 0 : width;
  height_ = height < 0 ? 0 : height;
}

RECT TControl::ClientRect() { return {0, 0, width_, height_}; }

void TControl::SetClientWidth(int v) {
  RECT r = ClientRect();
  SetWidth(width_ - r.right + v);
}

void TControl::SetClientHeight(int v) {
  RECT r = ClientRect();
  SetHeight(height_ - r.bottom + v);
}

void TControl::SetText(std::string_view text) {
  if (text == text_) return;
  text_ = std::string(text);
  TextChanged();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  VisibleChanged();
}

bool TControl::Showing() const {
  if (!visible_) return false;
  if (AsForm()) return true;
  return parent_ && parent_->Showing();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
}

void TControl::SetColor(TColor color) {
  parent_color_ = false;
  if (color == color_) return;
  color_ = color;
  ColorChanged();
}

void TControl::SetParentColor(bool value) {
  if (value == parent_color_) return;
  parent_color_ = value;
  ColorChanged();
}

TColor TControl::EffectiveColor() const {
  if (parent_color_ && parent_) return parent_->EffectiveColor();
  return color_;
}

void TControl::SetParentFont(bool value) {
  parent_font_ = value;
  if (value) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!parent_font_ || !parent_) return;
  taking_parent_font_ = true;
  font_->Assign(*parent_->Font());
  taking_parent_font_ = false;
}

void TControl::FontChanged() {
  // A font set on the control itself ends the inheritance.
  if (!taking_parent_font_) parent_font_ = false;
}

void TControl::ColorChanged() { Invalidate(); }
void TControl::ParentColorChanged() {
  if (parent_color_) ColorChanged();
}

void TControl::SetShowHint(bool value) {
  show_hint_ = value;
  parent_show_hint_ = false;
}

void TControl::SetParentShowHint(bool value) { parent_show_hint_ = value; }

bool TControl::EffectiveShowHint() const {
  if (parent_show_hint_ && parent_) return parent_->EffectiveShowHint();
  return show_hint_;
}

void TControl::ParentShowHintChanged() {}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

TCustomForm* TControl::ParentForm() const {
  const TControl* c = this;
  while (c) {
    if (TCustomForm* form = c->AsForm()) return form;
    c = c->parent_;
  }
  return nullptr;
}

POINT TControl::ClientToScreen(POINT p) {
  if (parent_) return parent_->ClientToScreen({p.x + left_, p.y + top_});
  return p;
}

void TControl::Invalidate() {
  if (parent_) parent_->InvalidateArea(BoundsRect());
}
