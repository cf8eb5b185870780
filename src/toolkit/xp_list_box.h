#pragma once
// A native list box. Items are texts with attached objects in insertion order, each with a
// selected state; the current index (the item with the focus rectangle) is separate from the
// selection. With multiple extended selection a plain click selects only the clicked item, Ctrl
// toggles it and Shift selects the range from the last item clicked without Shift.
//
// Notifications: OnClick when the user changes the selection or the current item by mouse or
// keyboard, and when code sets ItemIndex to another valid index; none when code selects items.
// OnDblClick on a double click; the context menu (PopupMenu) on a right click or the menu key.

#include <memory>
#include <vector>

#include "base/string_list.h"
#include "forms/win_control.h"

class TPopupMenu;

class TXPListBox : public TWinControl {
  TAVRIN_CLASS(TXPListBox, TWinControl)
 public:
  explicit TXPListBox(TComponent* owner);
  ~TXPListBox() override;

  // Exchange swaps texts, objects and selected states and leaves ItemIndex where it was.
  TStrings* Items() const;

  int ItemIndex();
  void SetItemIndex(int index);
  bool Selected(int index);
  void SetSelected(int index, bool value);
  int SelCount();
  // Drawing stops while many items change and the box repaints once at the end; pairs nest.
  void BeginUpdate();
  void EndUpdate();
  void ClearSelection();

  bool MultiSelect() const { return multi_select_; }
  void SetMultiSelect(bool value);
  bool ExtendedSelect() const { return extended_select_; }
  void SetExtendedSelect(bool value);

  TPopupMenu* PopupMenu() const { return popup_menu_; }
  void SetPopupMenu(TPopupMenu* menu);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void CNCommand(WORD code) override;
  void WndProc(TMessage& msg) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  int update_depth_ = 0;
  class TListBoxStrings;
  friend class TListBoxStrings;
  struct TItem {
    std::string text;
    TObject* object;
    bool selected;
  };
  void CheckIndex(int index) const;
  void PutIntoWindow(int index);
  void SaveSelection();

  std::unique_ptr<TListBoxStrings> items_;
  std::vector<TItem> list_;
  // The current index while the window does not exist, or -1 while none is current.
  int item_index_ = -1;
  bool no_current_ = true;
  bool multi_select_ = false;
  bool extended_select_ = true;
  TPopupMenu* popup_menu_ = nullptr;
};
