#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "forms/application.h"
#include "tests/win/support/ui_driver.h"
#include "tests/win/toolkit/gallery_form.h"

namespace {

class TTag : public TObject {
  TAVRIN_CLASS(TTag, TObject)
 public:
  explicit TTag(int v) : value(v) {}
  int value;
};

// The gallery's SourceList with five items, shown, so that clicks reach a real window.
class ListBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(make_form<TGalleryForm>(nullptr));
    list = form->SourceList;
    for (int i = 0; i < 5; ++i) {
      tags.push_back(std::make_unique<TTag>(i));
      list->Items()->AddObject("item " + std::to_string(i), tags.back().get());
    }
    form->Show();
    Pump();
    form->list_clicks = 0;
  }
  void TearDown() override { form.reset(); }

  void ClickOn(int index, WPARAM keys = 0) {
    RECT r{};
    SendMessageW(list->Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    MouseClick(list->Handle(), (r.left + r.right) / 2, (r.top + r.bottom) / 2, keys);
    Pump();
  }
  std::set<int> Selection() {
    std::set<int> s;
    for (int i = 0; i < list->Items()->Count(); ++i)
      if (list->Selected(i)) s.insert(i);
    return s;
  }

  std::unique_ptr<TGalleryForm> form;
  TXPListBox* list = nullptr;
  std::vector<std::unique_ptr<TTag>> tags;
};

struct TClick {
  int index;
  WPARAM keys;
};
struct TClickCase {
  const char* name;
  std::vector<TClick> clicks;
  std::set<int> selected;
  int current;
};

class ListBoxClicks : public ListBoxTest, public ::testing::WithParamInterface<TClickCase> {};

TEST_P(ListBoxClicks, SelectAsExtendedSelectionDoes) {
  for (const TClick& c : GetParam().clicks) ClickOn(c.index, c.keys);
  EXPECT_EQ(Selection(), GetParam().selected);
  EXPECT_EQ(list->ItemIndex(), GetParam().current);
  EXPECT_EQ(list->SelCount(), static_cast<int>(GetParam().selected.size()));
  EXPECT_EQ(form->list_clicks, static_cast<int>(GetParam().clicks.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Toolkit, ListBoxClicks,
    ::testing::Values(
        TClickCase{"PlainClick", {{2, 0}}, {2}, 2},
        TClickCase{"PlainClickReplacesTheSelection", {{1, 0}, {3, 0}}, {3}, 3},
        TClickCase{"CtrlClickAdds", {{1, 0}, {3, MK_CONTROL}}, {1, 3}, 3},
        TClickCase{"CtrlClickToggles", {{1, 0}, {3, MK_CONTROL}, {1, MK_CONTROL}}, {3}, 1},
        TClickCase{"ShiftClickSelectsTheRange", {{1, 0}, {3, MK_SHIFT}}, {1, 2, 3}, 3},
        TClickCase{"ShiftClickBackwards", {{3, 0}, {1, MK_SHIFT}}, {1, 2, 3}, 1},
        TClickCase{"ShiftRangesStartAtTheLastClickWithoutShift", {{1, 0}, {3, MK_SHIFT}, {0, MK_SHIFT}}, {0, 1}, 0},
        TClickCase{"CtrlClickMovesTheRangeStart", {{0, 0}, {4, MK_CONTROL}, {2, MK_SHIFT}}, {2, 3, 4}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ListBoxTest, ItemIndexFromCodeClicksOnlyWhenItMovesToAnotherValidItem) {
  ASSERT_EQ(list->ItemIndex(), 0);
  list->SetItemIndex(3);
  EXPECT_EQ(list->ItemIndex(), 3);
  EXPECT_EQ(form->list_clicks, 1);
  list->SetItemIndex(3);
  EXPECT_EQ(form->list_clicks, 1);
  EXPECT_THROW(list->SetItemIndex(5), Exception);
  EXPECT_EQ(list->ItemIndex(), 3);
  EXPECT_EQ(Selection(), std::set<int>{}) << "the current item is not selected by moving there";
  list->SetSelected(2, true);
  list->SetSelected(4, true);
  EXPECT_EQ(Selection(), (std::set<int>{2, 4}));
  EXPECT_EQ(form->list_clicks, 1) << "selecting from code raises no click";
  EXPECT_EQ(list->ItemIndex(), 3);
}

TEST_F(ListBoxTest, ClearingAndAddingSetTheCurrentIndexWithoutNotification) {
  ClickOn(2);
  list->Items()->Clear();
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->SelCount(), 0);
  list->Items()->Add("first");
  EXPECT_EQ(list->ItemIndex(), 0);
  list->Items()->Add("second");
  list->SetItemIndex(1);
  list->Items()->Add("third");
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->SelCount(), 0);
  EXPECT_EQ(form->list_clicks, 2) << "one user click, one move from code";
}

TEST_F(ListBoxTest, ExchangeMovesTextsObjectsAndSelectionButNotTheCurrentIndex) {
  ClickOn(1);
  list->SetSelected(0, true);
  list->Items()->Exchange(0, 3);
  EXPECT_EQ(list->Items()->Get(0), "item 3");
  EXPECT_EQ(list->Items()->Get(3), "item 0");
  EXPECT_EQ(static_cast<TTag*>(list->Items()->GetObject(3))->value, 0);
  EXPECT_EQ(static_cast<TTag*>(list->Items()->GetObject(0))->value, 3);
  EXPECT_EQ(Selection(), (std::set<int>{1, 3}));
  EXPECT_EQ(list->ItemIndex(), 1);
  wchar_t text[32] = {};
  SendMessageW(list->Handle(), LB_GETTEXT, 3, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"item 0") << "the window shows the exchange too";
}

TEST_F(ListBoxTest, StateSurvivesTheWindowBeingMadeAgain) {
  ClickOn(1);
  ClickOn(3, MK_CONTROL);
  form->RecreateWnd();
  EXPECT_EQ(list->Items()->Count(), 5);
  EXPECT_EQ(Selection(), (std::set<int>{1, 3}));
  EXPECT_EQ(list->ItemIndex(), 3);
}

// The window's selection is what survives, not what code last set: a click that took an item out
// of the selection keeps it out.
TEST_F(ListBoxTest, TheSelectionTheUserLeftSurvivesTheWindowBeingMadeAgain) {
  list->SetSelected(1, true);
  list->SetSelected(2, true);
  ClickOn(3);  // a plain click: 3 alone
  form->RecreateWnd();
  EXPECT_EQ(Selection(), (std::set<int>{3}));
  EXPECT_EQ(list->ItemIndex(), 3);

  list->SetMultiSelect(false);
  ClickOn(4);
  form->RecreateWnd();
  EXPECT_EQ(Selection(), (std::set<int>{4}));
}

TEST_F(ListBoxTest, DoubleClickAndContextMenu) {
  RECT r{};
  SendMessageW(list->Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
  MouseDoubleClick(list->Handle(), r.left + 5, r.top + 3);
  Pump();
  ASSERT_EQ(form->events.back(), "SourceListDblClick");

  // The menu loop reads these keys: down to the only entry, Enter to choose it.
  bool popped = false;
  form->PopupMenu1->OnPopup = [&](TObject*) {
    popped = true;
    PostMessageW(list->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(list->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  };
  POINT p = list->ClientToScreen({r.left + 5, r.top + 3});
  SendMessageW(list->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list->Handle()), MAKELPARAM(p.x, p.y));
  Pump();
  EXPECT_TRUE(popped);
  EXPECT_EQ(form->events.back(), "EditButtonClick(menu)");
  EXPECT_EQ(form->PopupMenu1->PopupComponent(), list);
}

TEST_F(ListBoxTest, AssigningReplacesEveryItemLikeClearAndAdd) {
  ClickOn(1);
  ClickOn(3, MK_CONTROL);
  TStringList source;
  std::vector<std::unique_ptr<TTag>> more;
  for (int i = 0; i < 2000; ++i) {
    more.push_back(std::make_unique<TTag>(100 + i));
    source.AddObject("new " + std::to_string(i), more.back().get());
  }
  const int clicks = form->list_clicks;
  list->AssignItems(source);
  EXPECT_EQ(form->list_clicks, clicks) << "no notification";
  ASSERT_EQ(list->Items()->Count(), 2000);
  EXPECT_EQ(list->Items()->Get(1999), "new 1999");
  EXPECT_EQ(static_cast<TTag*>(list->Items()->GetObject(7))->value, 107);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 2000);
  wchar_t text[32] = {};
  SendMessageW(list->Handle(), LB_GETTEXT, 1234, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"new 1234") << "the window shows the new items";
  EXPECT_EQ(list->SelCount(), 0);
  EXPECT_TRUE(list->SelectedIndices().empty());
  EXPECT_EQ(list->ItemIndex(), 0);

  // The box goes on as usual afterwards: clicks, selection from code, a window made again.
  ClickOn(2);
  list->SetSelected(1500, true);
  EXPECT_EQ(list->SelectedIndices(), (std::vector<int>{2, 1500}));
  EXPECT_EQ(list->SelCount(), 2);
  form->RecreateWnd();
  EXPECT_EQ(list->SelectedIndices(), (std::vector<int>{2, 1500}));
  EXPECT_EQ(list->ItemIndex(), 2);

  list->AssignItems(TStringList());
  EXPECT_EQ(list->Items()->Count(), 0);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ListBoxTest, AssigningBeforeTheWindowExistsKeepsTheItemsForIt) {
  std::unique_ptr<TGalleryForm> hidden(make_form<TGalleryForm>(nullptr));
  TXPListBox* box = hidden->SourceList;
  box->DestroyHandle();
  TStringList source;
  for (const char* text : {"a", "b", "c"}) source.Add(text);
  box->AssignItems(source);
  EXPECT_EQ(box->ItemIndex(), 0);
  EXPECT_EQ(SendMessageW(box->Handle(), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(box->SelCount(), 0);
  EXPECT_EQ(box->ItemIndex(), 0);
}

TEST_F(ListBoxTest, ItemsOutsideTheListRaiseAListError) {
  EXPECT_THROW(list->Items()->Get(5), Exception);
  EXPECT_THROW(list->Selected(-1), Exception);
  EXPECT_THROW(list->Items()->Exchange(0, 9), Exception);
  EXPECT_EQ(list->Items()->Count(), 5);
}

}  // namespace
