#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>

#include "dialogs/dialog_framework_start.h"
#include "dialogs/form_bounds.h"
#include "frame/locations.h"
#include "tests/win/dialogs/dialog_fixture.h"

namespace {

using BoundsStorage = DialogTest;

void expect_number(const wchar_t* dialogClass, const wchar_t* name, int value) {
  auto v = stored_value(dialogClass, name);
  ASSERT_TRUE(v.has_value()) << "no value " << static_cast<char>(name[0]);
  EXPECT_EQ(v->type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(static_cast<int>(v->number), value);
}

TEST_F(BoundsStorage, AResizableDialogStoresItsBoundsWhenTheCloseIsAllowed) {
  auto dialog = make<TPlainDialog>();
  dialog->SetBounds(-120, 33, 410, 250);
  ASSERT_TRUE(dialog->CloseQuery());
  expect_number(L"TPlainDialog", L"Width", 410);
  expect_number(L"TPlainDialog", L"Height", 250);
  expect_number(L"TPlainDialog", L"Left", -120);
  expect_number(L"TPlainDialog", L"Top", 33);
}

TEST_F(BoundsStorage, ARefusedCloseStoresNothing) {
  auto dialog = make<TPlainDialog>();
  dialog->OnCloseQuery = [](TObject*, bool& canClose) { canClose = false; };
  EXPECT_FALSE(dialog->CloseQuery());
  EXPECT_FALSE(stored_value(L"TPlainDialog", L"Width").has_value());
  EXPECT_FALSE(stored_value(L"TPlainDialog", L"Left").has_value());
}

TEST_F(BoundsStorage, ADesignedDialogNeitherStoresNorLoadsBounds) {
  store_number(L"TFixedDialog", L"Left", 5);
  store_number(L"TFixedDialog", L"Width", 600);
  auto dialog = make<TFixedDialog>();
  EXPECT_NE(dialog->Left(), 5);
  EXPECT_NE(dialog->Width(), 600);
  dialog->SetBounds(1, 2, 300, 200);
  ASSERT_TRUE(dialog->CloseQuery());
  EXPECT_FALSE(stored_value(L"TFixedDialog", L"Height").has_value());
  EXPECT_EQ(stored_value(L"TFixedDialog", L"Left")->number, 5u);
}

TEST_F(BoundsStorage, StoredBoundsWinOverTheCentring) {
  store_number(L"TPlainDialog", L"Width", 420);
  store_number(L"TPlainDialog", L"Height", 260);
  store_number(L"TPlainDialog", L"Left", static_cast<DWORD>(-300));
  store_number(L"TPlainDialog", L"Top", 44);
  auto dialog = make<TPlainDialog>();
  EXPECT_EQ(dialog->Width(), 420);
  EXPECT_EQ(dialog->Height(), 260);
  EXPECT_EQ(dialog->Left(), -300);
  EXPECT_EQ(dialog->Top(), 44);
  RECT r{};
  GetWindowRect(dialog->Handle(), &r);
  EXPECT_EQ(r.left, -300);
  EXPECT_EQ(r.right - r.left, 420);
}

TEST_F(BoundsStorage, AMissingValueLeavesThatBoundAsCentred) {
  auto centred = make<TPlainDialog>();
  store_number(L"TPlainDialog", L"Left", 12);
  auto dialog = make<TPlainDialog>();
  EXPECT_EQ(dialog->Left(), 12);
  EXPECT_EQ(dialog->Top(), centred->Top());
  EXPECT_EQ(dialog->Width(), centred->Width());
  EXPECT_EQ(dialog->Height(), centred->Height());
}

TEST_F(BoundsStorage, TextValuesAreReadAsDecimalAndWrittenBackAsText) {
  store_text(L"TPlainDialog", L"Left", L"250");
  store_text(L"TPlainDialog", L"Top", L"not a number");
  store_text(L"TPlainDialog", L"Width", L"99999999999");
  auto from_text = make<TPlainDialog>();
  // Unreadable values leave the bounds as a dialog without stored bounds has them.
  RegDeleteTreeW(HKEY_CURRENT_USER, test_root_key().c_str());
  auto plain = make<TPlainDialog>();
  EXPECT_EQ(from_text->Left(), 250);
  EXPECT_EQ(from_text->Top(), plain->Top());
  EXPECT_EQ(from_text->Width(), plain->Width());

  store_text(L"TPlainDialog", L"Left", L" -17 ");
  auto dialog = make<TPlainDialog>();
  EXPECT_EQ(dialog->Left(), -17);
  dialog->SetBounds(61, 62, 363, 264);
  ASSERT_TRUE(dialog->CloseQuery());
  auto left = stored_value(L"TPlainDialog", L"Left");
  ASSERT_TRUE(left.has_value());
  EXPECT_EQ(left->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(left->text, L"61");
  expect_number(L"TPlainDialog", L"Width", 363);
}

// Which stored values a dialog takes: each one that would put it out of reach is dropped on its own
// (the dialog keeps its own value there), every other one is taken.
struct UnreachableCase {
  const char* name;
  int left, top, width, height;
  bool takesLeft, takesTop, takesWidth, takesHeight;
};
void PrintTo(const UnreachableCase& c, std::ostream* os) { *os << c.name; }

class UnreachableBounds : public DialogTest, public ::testing::WithParamInterface<UnreachableCase> {};

TEST_P(UnreachableBounds, OnlyTheUnusableValuesAreDropped) {
  const UnreachableCase& c = GetParam();
  auto centred = make<TPlainDialog>();
  ASSERT_NE(centred->Width(), c.width);
  ASSERT_NE(centred->Height(), c.height);
  store_number(L"TPlainDialog", L"Left", static_cast<DWORD>(c.left));
  store_number(L"TPlainDialog", L"Top", static_cast<DWORD>(c.top));
  store_number(L"TPlainDialog", L"Width", static_cast<DWORD>(c.width));
  store_number(L"TPlainDialog", L"Height", static_cast<DWORD>(c.height));
  auto dialog = make<TPlainDialog>();
  EXPECT_EQ(dialog->Left(), c.takesLeft ? c.left : centred->Left());
  EXPECT_EQ(dialog->Top(), c.takesTop ? c.top : centred->Top());
  EXPECT_EQ(dialog->Width(), c.takesWidth ? c.width : centred->Width());
  EXPECT_EQ(dialog->Height(), c.takesHeight ? c.height : centred->Height());
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, UnreachableBounds,
    ::testing::Values(UnreachableCase{"OffEveryMonitor", -30000, -30000, 400, 250, false, false, true, true},
                      UnreachableCase{"FarRight", 2147483000, 10, 400, 250, false, true, true, true},
                      UnreachableCase{"FarDown", 10, 50000, 400, 250, true, false, true, true},
                      UnreachableCase{"ZeroWidth", 10, 10, 0, 250, true, true, false, true},
                      UnreachableCase{"NegativeHeight", 10, 10, 400, -5, true, true, true, false},
                      UnreachableCase{"NoSizeFarRight", 2147483000, 10, -1, 0, false, true, false, false},
                      UnreachableCase{"PartlyOnScreen", -100, -20, 400, 250, true, true, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BoundsStorage, NoFormsKeyMeansNoBounds) {
  SetFormsKey(L"");
  auto dialog = make<TPlainDialog>();
  ASSERT_TRUE(dialog->CloseQuery());
  SetFormsKey(test_forms_key());
  EXPECT_FALSE(stored_value(L"TPlainDialog", L"Width").has_value());
}

TEST_F(BoundsStorage, AModalRunClosedWithOkStoresTheBoundsTheUserGaveIt) {
  auto dialog = make<TPlainDialog>();
  TModalResult result = run_modal_with(*dialog, [&] {
    SetWindowPos(dialog->Handle(), nullptr, 150, 120, 380, 230, SWP_NOZORDER | SWP_NOACTIVATE);
    auto* ok = class_cast<TWinControl>(dialog->FindComponent("OkButton"));
    SendMessageW(ok->Handle(), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(result, mrOk);
  expect_number(L"TPlainDialog", L"Left", 150);
  expect_number(L"TPlainDialog", L"Width", 380);
  // It reopens where it was closed.
  auto again = make<TPlainDialog>();
  EXPECT_EQ(again->Left(), 150);
  EXPECT_EQ(again->Top(), 120);
  EXPECT_EQ(again->Height(), 230);
}

TEST(DialogFrameworkStart, FormsKeyLiesBelowThePreferencesKey) {
  StartDialogFramework();
  EXPECT_EQ(FormsKey(), PreferencesKey() + L"\\Plenvik\\Forms");
  EndDialogFramework();
  EXPECT_TRUE(FormsKey().empty());
}

}  // namespace
