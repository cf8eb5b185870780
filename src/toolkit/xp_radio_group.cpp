#include "toolkit/xp_radio_group.h"

#include <algorithm>

#include "forms/errors.h"

class TXPRadioGroup::TRadioStrings : public TStringList {
 public:
  explicit TRadioStrings(TXPRadioGroup& group) : group_(group) {}
  void Put(int index, std::string_view text) override {
    TStringList::Put(index, text);
    group_.Rebuild();
  }
  int AddObject(std::string_view text, TObject* object) override {
    int i = TStringList::AddObject(text, object);
    group_.Rebuild();
    return i;
  }
  void Delete(int index) override {
    TStringList::Delete(index);
    group_.Rebuild();
  }
  void Clear() override {
    TStringList::Clear();
    group_.Rebuild();
  }
  void Exchange(int a, int b) override {
    TStringList::Exchange(a, b);
    group_.Rebuild();
  }

 private:
  TXPRadioGroup& group_;
};

class TXPRadioGroup::TRadioButton : public TWinControl {
 public:
  TRadioButton(TXPRadioGroup& group) : TWinControl(&group), group_(group) {}
  int index = 0;
  bool checked = false;

  void SetChecked(bool value) {
    checked = value;
    SetTabStop(value);
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  bool DialogChar(char c) override {
    if (!IsAccel(c, Caption()) || !CanFocus()) return false;
    SetFocus();
    group_.ButtonClicked(index);
    return true;
  }

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.WinClassName = L"BUTTON";
    params.SystemClass = true;
    params.Style |= BS_RADIOBUTTON;
  }
  void CreateWnd() override {
    TWinControl::CreateWnd();
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  void CNCommand(WORD code) override {
    if (code == BN_CLICKED) group_.ButtonClicked(index);
  }
  void SetFocus() override {
    TWinControl::SetFocus();
    // Arrow keys move the focus between the buttons; the one reached is chosen, as in dialogs.
    if (!checked && group_.item_index_ >= 0) group_.ButtonClicked(index);
  }

 private:
  TXPRadioGroup& group_;
};

TXPRadioGroup::TXPRadioGroup(TComponent* owner)
    : TXPGroupBox(owner), items_(std::make_unique<TRadioStrings>(*this)) {
  PublishOnce<TXPRadioGroup>([](TPublisher<TXPRadioGroup>& p) {
    p.Integer("Columns", &TXPRadioGroup::Columns, &TXPRadioGroup::SetColumns);
    p.Integer("ItemIndex", &TXPRadioGroup::ItemIndex, &TXPRadioGroup::SetItemIndex);
    p.Object("Items", &TXPRadioGroup::Items);
  });
}

TXPRadioGroup::~TXPRadioGroup() {
  rebuilding_ = true;
  for (TRadioButton* b : buttons_) delete b;
  buttons_.clear();
}

TWinControl* TXPRadioGroup::Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }

void TXPRadioGroup::Rebuild() {
  rebuilding_ = true;
  int count = items_->Count();
  while (static_cast<int>(buttons_.size()) > count) {
    delete buttons_.back();
    buttons_.pop_back();
  }
  while (static_cast<int>(buttons_.size()) < count) {
    auto* b = new TRadioButton(*this);
    b->index = static_cast<int>(buttons_.size());
    b->SetParent(this);
    buttons_.push_back(b);
  }
  for (int i = 0; i < count; ++i) buttons_[static_cast<size_t>(i)]->SetText(items_->Get(i));
  rebuilding_ = false;
  if (!Loading() && item_index_ >= count) item_index_ = -1;
  UpdateChecks();
  Arrange();
}

void TXPRadioGroup::UpdateChecks() {
  for (TRadioButton* b : buttons_) b->SetChecked(b->index == item_index_);
  // Without a chosen item the first button takes the focus by Tab.
  if (item_index_ < 0 && !buttons_.empty()) buttons_.front()->SetTabStop(true);
}

void TXPRadioGroup::Arrange() {
  if (buttons_.empty()) return;
  int count = static_cast<int>(buttons_.size());
  int per_column = (count + columns_ - 1) / columns_;
  int text_height = 13;
  int usable = Height() - text_height - 5;
  int button_height = std::max(usable / per_column, 1);
  int top_margin = text_height + 1 + (usable % per_column) / 2;
  int button_width = std::max((Width() - 10) / columns_, 1);
  for (int i = 0; i < count; ++i) {
    buttons_[static_cast<size_t>(i)]->SetBounds((i / per_column) * button_width + 8,
                                                (i % per_column) * button_height + top_margin,
                                                button_width - 8, button_height);
  }
}

void TXPRadioGroup::SetBounds(int left, int top, int width, int height) {
  TXPGroupBox::SetBounds(left, top, width, height);
  Arrange();
}

void TXPRadioGroup::SetColumns(int value) {
  columns_ = std::clamp(value, 1, 16);
  Arrange();
}

void TXPRadioGroup::SetItemIndex(int index) {
  if (Loading()) {
    // The items may follow in the layout; the index is checked once everything is read.
    item_index_ = index;
    return;
  }
  if (index < -1 || index >= items_->Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  if (index == item_index_) return;
  item_index_ = index;
  UpdateChecks();
  Click();
}

void TXPRadioGroup::Loaded() {
  TXPGroupBox::Loaded();
  if (item_index_ < -1 || item_index_ >= items_->Count()) item_index_ = -1;
  UpdateChecks();
  Arrange();
}

void TXPRadioGroup::ButtonClicked(int index) {
  if (rebuilding_ || index == item_index_) return;
  item_index_ = index;
  UpdateChecks();
  Click();
}

bool TXPRadioGroup::DialogChar(char c) {
  if (IsAccel(c, Caption()) && CanFocus()) {
    TWinControl* target = item_index_ >= 0 ? buttons_[static_cast<size_t>(item_index_)]
                                           : (buttons_.empty() ? nullptr : buttons_.front());
    if (target && target->CanFocus()) target->SetFocus();
    return true;
  }
  return TWinControl::DialogChar(c);
}

TStrings* TXPRadioGroup::Items() const { return items_.get(); }
