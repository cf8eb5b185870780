#pragma once
// A group frame with one native radio button per item. ItemIndex is the chosen item (-1 for
// none); OnClick runs when the user picks another item and when code changes ItemIndex (except
// while the layout is read).

#include <memory>
#include <vector>

#include "base/string_list.h"
#include "toolkit/xp_group_box.h"

class TXPRadioGroup : public TXPGroupBox {
  TAVRIN_CLASS(TXPRadioGroup, TXPGroupBox)
 public:
  explicit TXPRadioGroup(TComponent* owner);
  ~TXPRadioGroup() override;

  TStrings* Items() const;
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);
  int Columns() const { return columns_; }
  void SetColumns(int value);
  // The radio button of an item (the group owns them).
  TWinControl* Buttons(int index) const;

  void Loaded() override;
  bool DialogChar(char c) override;
  void SetBounds(int left, int top, int width, int height) override;

 private:
  class TRadioStrings;
  class TRadioButton;
  friend class TRadioButton;
  void Rebuild();
  void Arrange();
  void UpdateChecks();
  void ButtonClicked(int index);

  std::unique_ptr<TRadioStrings> items_;
  std::vector<TRadioButton*> buttons_;
  int item_index_ = -1;
  int columns_ = 1;
  bool rebuilding_ = false;
};
