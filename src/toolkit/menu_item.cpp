#include "toolkit/menu_item.h"

#include <algorithm>

#include "forms/errors.h"
#include "toolkit/popup_menu.h"

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {
  PublishOnce<TMenuItem>([](TPublisher<TMenuItem>& p) {
    p.String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
    p.Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked);
    p.Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled);
    p.Boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible);
    p.Event("OnClick", &TMenuItem::OnClick);
  });
}

TMenuItem::~TMenuItem() {
  for (TMenuItem* item : items_) item->parent_ = nullptr;
  if (parent_) parent_->Remove(*this);
}

void TMenuItem::Add(TMenuItem& item) {
  if (item.parent_ == this) return;
  for (TMenuItem* p = this; p; p = p->parent_)
    if (p == &item) throw EInvalidOperation("A menu item cannot contain itself");
  if (item.parent_) item.parent_->Remove(item);
  items_.push_back(&item);
  item.parent_ = this;
}

void TMenuItem::Remove(TMenuItem& item) {
  items_.erase(std::remove(items_.begin(), items_.end(), &item), items_.end());
  if (item.parent_ == this) item.parent_ = nullptr;
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = class_cast<TPopupMenu>(parent)) menu->Items()->Add(*this);
  else if (auto* item = class_cast<TMenuItem>(parent)) item->Add(*this);
  else if (parent)
    throw EInvalidOperation("A menu item belongs in a TPopupMenu or a TMenuItem, not a " +
                            std::string(parent->ClassName()));
}
