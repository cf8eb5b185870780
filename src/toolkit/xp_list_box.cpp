#include "toolkit/xp_list_box.h"

#include <algorithm>

#include "base/text_convert.h"
#include "forms/errors.h"
#include "toolkit/popup_menu.h"

class TXPListBox::TListBoxStrings : public TStrings {
 public:
  explicit TListBoxStrings(TXPListBox& box) : box_(box) {}
  int Count() const override { return static_cast<int>(box_.list_.size()); }
  std::string Get(int index) const override {
    box_.CheckIndex(index);
    return box_.list_[static_cast<size_t>(index)].text;
  }
  void Put(int index, std::string_view text) override {
    box_.CheckIndex(index);
    box_.SaveItem(index);
    box_.list_[static_cast<size_t>(index)].text = std::string(text);
    box_.PutIntoWindow(index);
  }
  TObject* GetObject(int index) const override {
    box_.CheckIndex(index);
    return box_.list_[static_cast<size_t>(index)].object;
  }
  void PutObject(int index, TObject* object) override {
    box_.CheckIndex(index);
    box_.list_[static_cast<size_t>(index)].object = object;
  }
  int AddObject(std::string_view text, TObject* object) override {
    // An item added at the end leaves the others' selection alone: nothing to save.
    box_.list_.push_back({std::string(text), object, false});
    int index = Count() - 1;
    bool had_current = !box_.no_current_;
    if (box_.HandleAllocated()) {
      SendMessageW(box_.Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(text).c_str()));
      // The window may move its caret while items arrive; the current item stays put.
      SendMessageW(box_.Handle(), LB_SETCARETINDEX, had_current ? box_.item_index_ : 0, FALSE);
    }
    if (!had_current) {
      box_.item_index_ = 0;
      box_.no_current_ = false;
    }
    return index;
  }
  void Delete(int index) override {
    box_.CheckIndex(index);
    if (box_.HandleAllocated() && !box_.no_current_)
      box_.item_index_ = static_cast<int>(SendMessageW(box_.Handle(), LB_GETCARETINDEX, 0, 0));
    box_.list_.erase(box_.list_.begin() + index);
    if (box_.HandleAllocated()) SendMessageW(box_.Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    int count = Count();
    if (count == 0) {
      box_.item_index_ = -1;
      box_.no_current_ = true;
    } else if (box_.item_index_ > index || box_.item_index_ >= count) {
      --box_.item_index_;
    }
    if (box_.HandleAllocated() && !box_.no_current_)
      SendMessageW(box_.Handle(), LB_SETCARETINDEX, box_.item_index_, FALSE);
  }
  void Clear() override {
    box_.list_.clear();
    box_.item_index_ = -1;
    box_.no_current_ = true;
    if (box_.HandleAllocated()) SendMessageW(box_.Handle(), LB_RESETCONTENT, 0, 0);
  }
  void Exchange(int a, int b) override {
    box_.CheckIndex(a);
    box_.CheckIndex(b);
    if (a == b) return;
    box_.SaveItem(a);
    box_.SaveItem(b);
    std::swap(box_.list_[static_cast<size_t>(a)], box_.list_[static_cast<size_t>(b)]);
    box_.PutIntoWindow(a);
    box_.PutIntoWindow(b);
  }

 private:
  TXPListBox& box_;
};

TXPListBox::TXPListBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TListBoxStrings>(*this)) {
  SetTabStop(true);
  SetColor(clWindow);
  SetParentColor(false);
  SetBounds(0, 0, 121, 97);
  PublishOnce<TXPListBox>([](TPublisher<TXPListBox>& p) {
    p.Boolean("ExtendedSelect", &TXPListBox::ExtendedSelect, &TXPListBox::SetExtendedSelect);
    p.Object("Items", &TXPListBox::Items);
    p.Boolean("MultiSelect", &TXPListBox::MultiSelect, &TXPListBox::SetMultiSelect);
    p.Reference("PopupMenu", &TXPListBox::PopupMenu, &TXPListBox::SetPopupMenu);
  });
}

TXPListBox::~TXPListBox() {
  if (popup_menu_) popup_menu_->RemoveFreeNotification(*this);
}

void TXPListBox::CheckIndex(int index) const {
  if (index < 0 || index >= static_cast<int>(list_.size()))
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

// Copies the window's selection and caret into the list, so that a rebuild of the window or of
// an item keeps them.
void TXPListBox::SaveSelection() {
  if (!HandleAllocated()) return;
  HWND h = Handle();
  // One question for the whole selection: a question per item costs a message each, seconds on a
  // list of a million items.
  for (TItem& item : list_) item.selected = false;
  if (multi_select_) {
    const LRESULT count = SendMessageW(h, LB_GETSELCOUNT, 0, 0);
    if (count > 0) {
      std::vector<int> indices(static_cast<size_t>(count));
      const LRESULT got = SendMessageW(h, LB_GETSELITEMS, static_cast<WPARAM>(count),
                                       reinterpret_cast<LPARAM>(indices.data()));
      indices.resize(static_cast<size_t>(std::max<LRESULT>(0, got)));
      for (int index : indices)
        if (index >= 0 && static_cast<size_t>(index) < list_.size()) list_[static_cast<size_t>(index)].selected = true;
    }
  } else if (const LRESULT selected = SendMessageW(h, LB_GETCURSEL, 0, 0);
             selected >= 0 && static_cast<size_t>(selected) < list_.size()) {
    list_[static_cast<size_t>(selected)].selected = true;
  }
  if (!no_current_ && !list_.empty()) item_index_ = static_cast<int>(SendMessageW(h, LB_GETCARETINDEX, 0, 0));
}

// The selected state of one item, copied from the window before the item is rebuilt there.
void TXPListBox::SaveItem(int index) {
  if (!HandleAllocated()) return;
  list_[static_cast<size_t>(index)].selected = SendMessageW(Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TXPListBox::PutIntoWindow(int index) {
  if (!HandleAllocated()) return;
  HWND h = Handle();
  const TItem& item = list_[static_cast<size_t>(index)];
  if (!no_current_ && !list_.empty()) item_index_ = static_cast<int>(SendMessageW(h, LB_GETCARETINDEX, 0, 0));
  int caret = item_index_;
  SendMessageW(h, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  SendMessageW(h, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(ToWide(item.text).c_str()));
  if (multi_select_) SendMessageW(h, LB_SETSEL, item.selected, index);
  else if (item.selected) SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  if (!no_current_ && caret >= 0 && caret < static_cast<int>(list_.size())) SendMessageW(h, LB_SETCARETINDEX, caret, FALSE);
}

void TXPListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"LISTBOX";
  params.SystemClass = true;
  params.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL;
  if (multi_select_) params.Style |= extended_select_ ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TXPListBox::CreateWnd() {
  TWinControl::CreateWnd();
  HWND h = Handle();
  for (size_t i = 0; i < list_.size(); ++i) {
    SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(list_[i].text).c_str()));
    if (list_[i].selected) {
      if (multi_select_) SendMessageW(h, LB_SETSEL, TRUE, static_cast<LPARAM>(i));
      else SendMessageW(h, LB_SETCURSEL, i, 0);
    }
  }
  if (!no_current_ && item_index_ >= 0) SendMessageW(h, LB_SETCARETINDEX, item_index_, FALSE);
}

void TXPListBox::DestroyWnd() {
  SaveSelection();
  TWinControl::DestroyWnd();
}

int TXPListBox::ItemIndex() {
  if (no_current_ || list_.empty()) return -1;
  if (HandleAllocated()) item_index_ = static_cast<int>(SendMessageW(Handle(), LB_GETCARETINDEX, 0, 0));
  return item_index_;
}

void TXPListBox::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(list_.size()))
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  if (index == ItemIndex()) return;
  if (index == -1) {
    no_current_ = true;
    return;
  }
  item_index_ = index;
  no_current_ = false;
  if (HandleAllocated()) {
    if (multi_select_) SendMessageW(Handle(), LB_SETCARETINDEX, index, FALSE);
    else SendMessageW(Handle(), LB_SETCURSEL, index, 0);
  } else if (!multi_select_) {
    for (size_t i = 0; i < list_.size(); ++i) list_[i].selected = static_cast<int>(i) == index;
  }
  // Moving the current item from code counts as a click.
  Click();
}

bool TXPListBox::Selected(int index) {
  CheckIndex(index);
  if (HandleAllocated()) return SendMessageW(Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
  return list_[static_cast<size_t>(index)].selected;
}

void TXPListBox::SetSelected(int index, bool value) {
  CheckIndex(index);
  if (!multi_select_ && value)
    for (TItem& item : list_) item.selected = false;
  list_[static_cast<size_t>(index)].selected = value;
  if (!HandleAllocated()) return;
  if (multi_select_) {
    // Selecting does not move the current item, whatever the window does with its caret.
    int current = ItemIndex();
    SendMessageW(Handle(), LB_SETSEL, value, index);
    if (current >= 0) SendMessageW(Handle(), LB_SETCARETINDEX, current, FALSE);
  } else {
    SendMessageW(Handle(), LB_SETCURSEL, value ? index : -1, 0);
  }
}

int TXPListBox::SelCount() {
  if (HandleAllocated() && multi_select_) return std::max(0, static_cast<int>(SendMessageW(Handle(), LB_GETSELCOUNT, 0, 0)));
  int n = 0;
  for (int i = 0, count = static_cast<int>(list_.size()); i < count; ++i) n += Selected(i) ? 1 : 0;
  return n;
}

std::vector<int> TXPListBox::SelectedIndices() {
  std::vector<int> indices;
  if (HandleAllocated() && multi_select_) {
    const LRESULT count = SendMessageW(Handle(), LB_GETSELCOUNT, 0, 0);
    if (count <= 0) return indices;
    indices.resize(static_cast<size_t>(count));
    const LRESULT got = SendMessageW(Handle(), LB_GETSELITEMS, static_cast<WPARAM>(count),
                                     reinterpret_cast<LPARAM>(indices.data()));
    indices.resize(static_cast<size_t>(std::max<LRESULT>(0, got)));
    std::sort(indices.begin(), indices.end());
    return indices;
  }
  for (int i = 0, count = static_cast<int>(list_.size()); i < count; ++i)
    if (Selected(i)) indices.push_back(i);
  return indices;
}

void TXPListBox::AssignItems(const TStrings& source) {
  // Everything that can fail happens before the items change, so a failure leaves the old ones.
  const int count = source.Count();
  std::vector<TItem> items;
  items.reserve(static_cast<size_t>(count));
  std::vector<std::wstring> texts;
  texts.reserve(HandleAllocated() ? static_cast<size_t>(count) : 0);
  size_t characters = 0;
  for (int i = 0; i < count; ++i) {
    items.push_back({source.Get(i), source.GetObject(i), false});
    if (!HandleAllocated()) continue;
    texts.push_back(ToWide(items.back().text));
    characters += texts.back().size() + 1;
  }
  list_ = std::move(items);
  no_current_ = list_.empty();
  item_index_ = no_current_ ? -1 : 0;
  if (!HandleAllocated()) return;
  HWND h = Handle();
  BeginUpdate();
  SendMessageW(h, LB_RESETCONTENT, 0, 0);
  SendMessageW(h, LB_INITSTORAGE, texts.size(), static_cast<LPARAM>(characters * sizeof(wchar_t)));
  for (const std::wstring& text : texts) SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (!no_current_) SendMessageW(h, LB_SETCARETINDEX, 0, FALSE);
  EndUpdate();
}

void TXPListBox::ClearSelection() {
  for (int i = 0, count = static_cast<int>(list_.size()); i < count; ++i) SetSelected(i, false);
}

void TXPListBox::SetMultiSelect(bool value) {
  if (value == multi_select_) return;
  SaveSelection();
  multi_select_ = value;
  RecreateWnd();
}

void TXPListBox::SetExtendedSelect(bool value) {
  if (value == extended_select_) return;
  SaveSelection();
  extended_select_ = value;
  RecreateWnd();
}

void TXPListBox::SetPopupMenu(TPopupMenu* menu) {
  if (popup_menu_) popup_menu_->RemoveFreeNotification(*this);
  popup_menu_ = menu;
  if (menu) menu->FreeNotification(*this);
}

void TXPListBox::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == popup_menu_) popup_menu_ = nullptr;
}

void TXPListBox::CNCommand(WORD code) {
  if (code == LBN_SELCHANGE) {
    no_current_ = list_.empty();
    Click();
  } else if (code == LBN_DBLCLK) {
    DblClick();
  }
}

void TXPListBox::WndProc(TMessage& msg) {
  if (msg.Msg == WM_CONTEXTMENU && popup_menu_) {
    POINT p{static_cast<short>(LOWORD(msg.LParam)), static_cast<short>(HIWORD(msg.LParam))};
    if (p.x == -1 && p.y == -1) {
      // From the keyboard: open at the current item.
      RECT r{};
      SendMessageW(Handle(), LB_GETITEMRECT, ItemIndex() < 0 ? 0 : ItemIndex(), reinterpret_cast<LPARAM>(&r));
      p = ClientToScreen({r.left + 4, r.bottom});
    }
    popup_menu_->SetPopupComponent(this);
    HWND owner = Handle();
    for (HWND parent; (parent = GetParent(owner)) != nullptr;) owner = parent;
    popup_menu_->Popup(p.x, p.y, owner);
    msg.Result = 0;
    return;
  }
  TWinControl::WndProc(msg);
}

TStrings* TXPListBox::Items() const { return items_.get(); }

void TXPListBox::BeginUpdate() {
  if (update_depth_++ == 0 && HandleAllocated()) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TXPListBox::EndUpdate() {
  if (update_depth_ == 0 || --update_depth_ > 0 || !HandleAllocated()) return;
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}
