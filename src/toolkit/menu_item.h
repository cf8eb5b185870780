#pragma once
// An entry of a pop-up menu, or a sub-menu holding further entries.

#include <string>
#include <vector>

#include "forms/component.h"
#include "forms/property.h"

class TPopupMenu;

class TMenuItem : public TComponent {
  TAVRIN_CLASS(TMenuItem, TComponent)
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { visible_ = value; }
  bool Checked() const { return checked_; }
  void SetChecked(bool value) { checked_ = value; }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  void Add(TMenuItem& item);
  void Remove(TMenuItem& item);
  TMenuItem* ParentItem() const { return parent_; }

  TNotifyEvent OnClick;
  virtual void Click();

  // A menu item sits in a pop-up menu's entries or in another item.
  void SetParentComponent(TComponent* parent) override;
  bool HasParent() const override { return true; }

 private:
  std::string caption_;
  bool enabled_ = true, visible_ = true, checked_ = false;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
};
