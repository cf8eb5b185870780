#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/layout/class_registry.h"
#include "forms/layout/layout_reader.h"
#include "tests/win/support/ui_driver.h"
#include "tests/win/toolkit/gallery_form.h"
#include "toolkit/toolkit_classes.h"

namespace {

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(make_form<TGalleryForm>(nullptr));
    form->events.clear();
  }
  void Show() {
    form->Show();
    Pump();
  }
  std::unique_ptr<TGalleryForm> form;
};

TEST_F(ToolkitTest, TheLayoutBuildsTheEditorsTree) {
  EXPECT_EQ(form->ClientWidth(), 268);
  EXPECT_EQ(form->ClientHeight(), 266);
  EXPECT_EQ(form->WinXPTabSheet1->Parent(), form->WinXPPageControl1);
  EXPECT_EQ(form->WinXPPageControl1->ActivePage(), form->WinXPTabSheet1);
  EXPECT_EQ(form->PadsCheckBox->Parent(), form->IncludeGroupBox);
  EXPECT_EQ(form->SourceList->Parent(), form->WinXPTabSheet1);
  EXPECT_EQ(form->SourceList->PopupMenu(), form->PopupMenu1);
  ASSERT_EQ(form->PopupMenu1->Items()->Count(), 1);
  EXPECT_EQ(form->PopupMenu1->Items()->Items(0), form->Edit1);
  EXPECT_EQ(form->UnitRadioGroup->Items()->Count(), 2);
  EXPECT_EQ(form->UnitRadioGroup->ItemIndex(), 0);
  EXPECT_TRUE(form->PadsCheckBox->Checked());
  EXPECT_EQ(form->HoleSizeEdit->Text(), "0mm");
  EXPECT_EQ(form->CancelButton->TabOrder(), 0);
  EXPECT_EQ(form->OKButton->TabOrder(), 1);
  EXPECT_EQ(form->events, std::vector<std::string>{}) << "no click while the layout is read";
  // The label fits its text: it was 53 pixels wide in the layout.
  form->DescriptionLabel->SetCaption("Pads : 1200  Vias : 4000");
  EXPECT_GT(form->DescriptionLabel->Width(), 53);
}

TEST_F(ToolkitTest, CheckBoxClicksWhenTheUserTogglesAndWhenCodeChangesIt) {
  Show();
  ClickButton(*form->PadsCheckBox);
  EXPECT_FALSE(form->PadsCheckBox->Checked());
  EXPECT_EQ(SendMessageW(form->PadsCheckBox->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  form->PadsCheckBox->SetChecked(true);
  form->PadsCheckBox->SetChecked(true);
  EXPECT_EQ(form->events, (std::vector<std::string>{"PadsCheckBoxClick", "PadsCheckBoxClick"}));
}

TEST_F(ToolkitTest, RadioGroupReportsTheItemTheUserPicks) {
  Show();
  ClickButton(*form->UnitRadioGroup->Buttons(1));
  EXPECT_EQ(form->UnitRadioGroup->ItemIndex(), 1);
  ClickButton(*form->UnitRadioGroup->Buttons(1));
  EXPECT_EQ(SendMessageW(form->UnitRadioGroup->Buttons(1)->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(form->UnitRadioGroup->Buttons(0)->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  form->UnitRadioGroup->SetItemIndex(form->UnitRadioGroup->Items()->IndexOf("imperial"));
  EXPECT_EQ(form->UnitRadioGroup->ItemIndex(), 0);
  EXPECT_EQ(form->events, (std::vector<std::string>{"UnitRadioGroupClick", "UnitRadioGroupClick"}));
  EXPECT_THROW(form->UnitRadioGroup->SetItemIndex(2), Exception);
  form->UnitRadioGroup->Items()->Add("Inch");
  EXPECT_EQ(form->UnitRadioGroup->Buttons(2)->Caption(), "Inch");
}

TEST_F(ToolkitTest, AcceleratorsReachTheirControls) {
  TModalResult result = RunModalWith(*form, [&] {
    PressChar(*form->OKButton, 'p', true);  // Alt+P toggles Pads
    Pump();
    PressChar(*form->OKButton, 'e', true);  // Alt+E presses Edit...
    Pump();
    PressChar(*form->OKButton, 'u', true);  // Alt+U goes to the chosen unit
    Pump();
    EXPECT_EQ(form->ActiveControl(), form->UnitRadioGroup->Buttons(0));
    PressChar(*form->OKButton, 'i', true);  // Alt+I into the group
    Pump();
    EXPECT_EQ(form->ActiveControl(), form->PadsCheckBox);
    form->SetModalResult(mrCancel);
  });
  EXPECT_EQ(result, mrCancel);
  EXPECT_EQ(form->events, (std::vector<std::string>{"PadsCheckBoxClick", "EditButtonClick"}));
  EXPECT_FALSE(form->PadsCheckBox->Checked());
}

TEST_F(ToolkitTest, TheFormForgetsAFocusedControlThatGoesAway) {
  Show();
  TWinControl* button = form->UnitRadioGroup->Buttons(1);
  button->SetFocus();
  EXPECT_EQ(form->ActiveControl(), button);
  form->UnitRadioGroup->Items()->Delete(1);  // the group frees that button, which the form does not own
  EXPECT_NE(form->ActiveControl(), button);
  delete form->OKButton;
  EXPECT_EQ(form->DefaultButtonControl(), nullptr);
}

TEST_F(ToolkitTest, ArrowKeysInTheRadioGroupChooseTheNextItem) {
  TModalResult result = RunModalSteps(*form, {[&] { form->UnitRadioGroup->Buttons(0)->SetFocus(); },
                                                [&] { PressKey(*form->UnitRadioGroup->Buttons(0), VK_DOWN); },
                                                [&] { form->SetModalResult(mrCancel); }});
  EXPECT_EQ(result, mrCancel);
  EXPECT_EQ(form->UnitRadioGroup->ItemIndex(), 1);
  EXPECT_EQ(form->events, std::vector<std::string>{"UnitRadioGroupClick"});
}

TEST_F(ToolkitTest, PageControlShowsOnlyTheActivePage) {
  auto* second = new TWinXPTabSheet(form.get());
  second->SetName("Second");
  second->SetCaption("More");
  second->SetParent(form->WinXPPageControl1);
  Show();
  HWND tabs = form->WinXPPageControl1->Handle();
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_TRUE(IsWindowVisible(form->WinXPTabSheet1->Handle()));
  EXPECT_FALSE(IsWindowVisible(second->Handle()));
  int changes = 0;
  form->WinXPPageControl1->OnChange = [&](TObject*) { ++changes; };
  // As the tab control reports a user's pick.
  SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
  NMHDR n{tabs, 0, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&n));
  EXPECT_EQ(form->WinXPPageControl1->ActivePage(), second);
  EXPECT_TRUE(IsWindowVisible(second->Handle()));
  EXPECT_FALSE(IsWindowVisible(form->WinXPTabSheet1->Handle()));
  EXPECT_EQ(changes, 1);
  second->SetTabVisible(false);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_EQ(form->WinXPPageControl1->ActivePage(), form->WinXPTabSheet1);
  delete second;
  EXPECT_EQ(form->WinXPPageControl1->PageCount(), 1);
  // The page fills the tab control's display area.
  RECT display{};
  GetClientRect(tabs, &display);
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  EXPECT_EQ(form->WinXPTabSheet1->Left(), display.left);
  EXPECT_EQ(form->WinXPTabSheet1->Width(), display.right - display.left);
}

TEST_F(ToolkitTest, EditTextComesFromTheWindowAndSurvivesItsRebuild) {
  Show();
  SetWindowTextW(form->HoleSizeEdit->Handle(), L"12mil");
  EXPECT_EQ(form->HoleSizeEdit->Text(), "12mil");
  int changes = 0;
  form->HoleSizeEdit->OnChange = [&](TObject*) { ++changes; };
  form->HoleSizeEdit->SetText("0.3mm");
  EXPECT_EQ(changes, 1);
  form->RecreateWnd();
  EXPECT_EQ(form->HoleSizeEdit->Text(), "0.3mm");
}

TEST_F(ToolkitTest, EditSelectsItsTextOnFocusSoTypingReplacesIt) {
  Show();
  form->HoleSizeEdit->SetText("0.3000 mm");
  form->HoleSizeEdit->SetFocus();
  Pump();
  DWORD start = 0, end = 0;
  SendMessageW(form->HoleSizeEdit->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 9u);
  PressChar(*form->HoleSizeEdit, '5', false);
  Pump();
  EXPECT_EQ(form->HoleSizeEdit->Text(), "5");

  form->SourceList->SetFocus();
  form->HoleSizeEdit->SetAutoSelect(false);
  form->HoleSizeEdit->SetFocus();
  Pump();
  SendMessageW(form->HoleSizeEdit->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end);
}

TEST(ToolkitClasses, RegisteredForLayoutsWithoutFields) {
  RegisterToolkitClasses();
  for (const char* name : {"TXPBitBtn", "TXPCheckBox", "TXPRadioGroup", "TXPGroupBox", "TXPEdit", "TXPListBox",
                           "TWinXPPageControl", "TWinXPTabSheet", "TLabel", "TPopupMenu", "TMenuItem"})
    EXPECT_NE(FindComponentClass(name), nullptr) << name;
  TForm form(nullptr);
  form.ReadLayoutText("object Plain: TForm\n object Label1: TLabel\n  Caption = 'x'\n end\nend\n", "text");
  EXPECT_NE(class_cast<TLabel>(form.FindComponent("Label1")), nullptr);
}

}  // namespace

// Caption buttons and the arrows of scroll bars and check marks are drawn with the window system's
// symbol font; without it every caption shows a letter where its close button belongs.
TEST(WindowFrame, TheSymbolFontOfTheCaptionButtonsIsThere) {
  HDC dc = GetDC(nullptr);
  HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, SYMBOL_CHARSET, 0, 0, 0, 0, L"Marlett");
  HGDIOBJ old = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  EXPECT_STREQ(face, L"Marlett");
}

// The system's group box paints only its frame and caption; the inside is erased with the box's
// colour, or it would keep whatever the screen held there (black on a fresh display).
TEST_F(ToolkitTest, AGroupBoxErasesItsInsideWithItsColour) {
  Show();
  HWND box = form->IncludeGroupBox->Handle();
  RECT r;
  GetClientRect(box, &r);
  HDC screen = GetDC(box);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
  HGDIOBJ old = SelectObject(dc, bitmap);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_NE(SendMessageW(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0);
  EXPECT_EQ(GetPixel(dc, r.right / 2, r.bottom - 3), GetSysColor(COLOR_BTNFACE));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(box, screen);
}
