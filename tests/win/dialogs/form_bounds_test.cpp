#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>

#include "dialogs/dialog_framework_start.h"
#include "dialogs/form_bounds.h"
#include "frame/locations.h"
#include "tests/win/dialogs/dialog_fixture.h"

namespace {

using TBoundsStorage = DialogTest;

void ExpectNumber(const wchar_t* dialog_class, const wchar_t* name, int value) {
  auto v = ReadStoredValue(dialog_class, name);
  ASSERT_TRUE(v.has_value()) << "no value " << static_cast<char>(name[0]);
  EXPECT_EQ(v->type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(static_cast<int>(v->number), value);
}

TEST_F(TBoundsStorage, AResizableDialogStoresItsBoundsWhenTheCloseIsAllowed) {
  auto dialog = Make<TPlainDialog>();
  dialog->SetBounds(-120, 33, 410, 250);
  ASSERT_TRUE(dialog->CloseQuery());
  ExpectNumber(L"TPlainDialog", L"Width", 410);
  ExpectNumber(L"TPlainDialog", L"Height", 250);
  ExpectNumber(L"TPlainDialog", L"Left", -120);
  ExpectNumber(L"TPlainDialog", L"Top", 33);
}

TEST_F(TBoundsStorage, ARefusedCloseStoresNothing) {
  auto dialog = Make<TPlainDialog>();
  dialog->OnCloseQuery = [](TObject*, bool& can_close) { can_close = false; };
  EXPECT_FALSE(dialog->CloseQuery());
  EXPECT_FALSE(ReadStoredValue(L"TPlainDialog", L"Width").has_value());
  EXPECT_FALSE(ReadStoredValue(L"TPlainDialog", L"Left").has_value());
}

TEST_F(TBoundsStorage, ADesignedDialogNeitherStoresNorLoadsBounds) {
  StoreNumber(L"TFixedDialog", L"Left", 5);
  StoreNumber(L"TFixedDialog", L"Width", 600);
  auto dialog = Make<TFixedDialog>();
  EXPECT_NE(dialog->Left(), 5);
  EXPECT_NE(dialog->Width(), 600);
  dialog->SetBounds(1, 2, 300, 200);
  ASSERT_TRUE(dialog->CloseQuery());
  EXPECT_FALSE(ReadStoredValue(L"TFixedDialog", L"Height").has_value());
  EXPECT_EQ(ReadStoredValue(L"TFixedDialog", L"Left")->number, 5u);
}

TEST_F(TBoundsStorage, StoredBoundsWinOverTheCentring) {
  StoreNumber(L"TPlainDialog", L"Width", 420);
  StoreNumber(L"TPlainDialog", L"Height", 260);
  StoreNumber(L"TPlainDialog", L"Left", static_cast<DWORD>(-300));
  StoreNumber(L"TPlainDialog", L"Top", 44);
  auto dialog = Make<TPlainDialog>();
  EXPECT_EQ(dialog->Width(), 420);
  EXPECT_EQ(dialog->Height(), 260);
  EXPECT_EQ(dialog->Left(), -300);
  EXPECT_EQ(dialog->Top(), 44);
  RECT r{};
  GetWindowRect(dialog->Handle(), &r);
  EXPECT_EQ(r.left, -300);
  EXPECT_EQ(r.right - r.left, 420);
}

TEST_F(TBoundsStorage, AMissingValueLeavesThatBoundAsCentred) {
  auto centred = Make<TPlainDialog>();
  StoreNumber(L"TPlainDialog", L"Left", 12);
  auto dialog = Make<TPlainDialog>();
  EXPECT_EQ(dialog->Left(), 12);
  EXPECT_EQ(dialog->Top(), centred->Top());
  EXPECT_EQ(dialog->Width(), centred->Width());
  EXPECT_EQ(dialog->Height(), centred->Height());
}

TEST_F(TBoundsStorage, TextValuesAreReadAsDecimalAndWrittenBackAsText) {
  StoreText(L"TPlainDialog", L"Left", L"250");
  StoreText(L"TPlainDialog", L"Top", L"not a number");
  StoreText(L"TPlainDialog", L"Width", L"99999999999");
  auto from_text = Make<TPlainDialog>();
  // Unreadable values leave the bounds as a dialog without stored bounds has them.
  RegDeleteTreeW(HKEY_CURRENT_USER, TestRootKey().c_str());
  auto plain = Make<TPlainDialog>();
  EXPECT_EQ(from_text->Left(), 250);
  EXPECT_EQ(from_text->Top(), plain->Top());
  EXPECT_EQ(from_text->Width(), plain->Width());

  StoreText(L"TPlainDialog", L"Left", L" -17 ");
  auto dialog = Make<TPlainDialog>();
  EXPECT_EQ(dialog->Left(), -17);
  dialog->SetBounds(61, 62, 363, 264);
  ASSERT_TRUE(dialog->CloseQuery());
  auto left = ReadStoredValue(L"TPlainDialog", L"Left");
  ASSERT_TRUE(left.has_value());
  EXPECT_EQ(left->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(left->text, L"61");
  ExpectNumber(L"TPlainDialog", L"Width", 363);
}

// Which stored values a dialog takes: each one that would put it out of reach is dropped on its own
// (the dialog keeps its own value there), every other one is taken.
struct TUnreachableCase {
  const char* name;
  int left, top, width, height;
  bool takes_left, takes_top, takes_width, takes_height;
};
void PrintTo(const TUnreachableCase& c, std::ostream* os) { *os << c.name; }

class UnreachableBounds : public DialogTest, public ::testing::WithParamInterface<TUnreachableCase> {};

TEST_P(UnreachableBounds, OnlyTheUnusableValuesAreDropped) {
  const TUnreachableCase& c = GetParam();
  auto centred = Make<TPlainDialog>();
  ASSERT_NE(centred->Width(), c.width);
  ASSERT_NE(centred->Height(), c.height);
  StoreNumber(L"TPlainDialog", L"Left", static_cast<DWORD>(c.left));
  StoreNumber(L"TPlainDialog", L"Top", static_cast<DWORD>(c.top));
  StoreNumber(L"TPlainDialog", L"Width", static_cast<DWORD>(c.width));
  StoreNumber(L"TPlainDialog", L"Height", static_cast<DWORD>(c.height));
  auto dialog = Make<TPlainDialog>();
  EXPECT_EQ(dialog->Left(), c.takes_left ? c.left : centred->Left());
  EXPECT_EQ(dialog->Top(), c.takes_top ? c.top : centred->Top());
  EXPECT_EQ(dialog->Width(), c.takes_width ? c.width : centred->Width());
  EXPECT_EQ(dialog->Height(), c.takes_height ? c.height : centred->Height());
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, UnreachableBounds,
    ::testing::Values(TUnreachableCase{"OffEveryMonitor", -30000, -30000, 400, 250, false, false, true, true},
                      TUnreachableCase{"FarRight", 2147483000, 10, 400, 250, false, true, true, true},
                      TUnreachableCase{"FarDown", 10, 50000, 400, 250, true, false, true, true},
                      TUnreachableCase{"ZeroWidth", 10, 10, 0, 250, true, true, false, true},
                      TUnreachableCase{"NegativeHeight", 10, 10, 400, -5, true, true, true, false},
                      TUnreachableCase{"NoSizeFarRight", 2147483000, 10, -1, 0, false, true, false, false},
                      TUnreachableCase{"PartlyOnScreen", -100, -20, 400, 250, true, true, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TBoundsStorage, NoFormsKeyMeansNoBounds) {
  SetFormsKey(L"");
  auto dialog = Make<TPlainDialog>();
  ASSERT_TRUE(dialog->CloseQuery());
  SetFormsKey(TestFormsKey());
  EXPECT_FALSE(ReadStoredValue(L"TPlainDialog", L"Width").has_value());
}

TEST_F(TBoundsStorage, AModalRunClosedWithOkStoresTheBoundsTheUserGaveIt) {
  auto dialog = Make<TPlainDialog>();
  TModalResult result = RunModalWith(*dialog, [&] {
    SetWindowPos(dialog->Handle(), nullptr, 150, 120, 380, 230, SWP_NOZORDER | SWP_NOACTIVATE);
    auto* ok = class_cast<TWinControl>(dialog->FindComponent("OkButton"));
    SendMessageW(ok->Handle(), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(result, mrOk);
  ExpectNumber(L"TPlainDialog", L"Left", 150);
  ExpectNumber(L"TPlainDialog", L"Width", 380);
  // It reopens where it was closed.
  auto again = Make<TPlainDialog>();
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
