#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/errors.h"
#include "forms/font.h"
#include "tests/win/forms/modal_form.h"
#include "tests/win/support/ui_driver.h"

namespace {

class TBrokenForm : public TForm {
  TAVRIN_CLASS(TBrokenForm, TForm)
 public:
  using TForm::TForm;
  TButton* OkButton = nullptr;

 protected:
  void DeclareBindings(TLayoutBindings& b) override { b.Component("OkButton", OkButton); }
};

class TNoLayoutForm : public TForm {
  TAVRIN_CLASS(TNoLayoutForm, TForm)
 public:
  using TForm::TForm;
};

// Records the framework's keyboard notifications and takes F1 as a help key would.
class TKeyForm : public TModalForm {
  TAVRIN_CLASS(TKeyForm, TModalForm)
 public:
  using TModalForm::TModalForm;
  std::string LayoutName() const override { return "TModalForm"; }
  std::vector<std::string> keys;

  bool ChildKey(TWinControl* control, WORD key, TShiftState shift) override {
    if (key != VK_F1) return TModalForm::ChildKey(control, key, shift);
    keys.push_back("F1 for " + control->Name());
    return true;
  }
  bool DialogKey(WORD key, TShiftState shift) override {
    keys.push_back("dialog key " + std::to_string(key));
    return TModalForm::DialogKey(key, shift);
  }
};

TEST(FormLayoutResources, AMissingOrBadLayoutFailsTheConstructionAndNamesWhere) {
  int live = LiveComponentCount();
  EXPECT_THROW(make_form<TNoLayoutForm>(nullptr), EResNotFound);
  try {
    make_form<TBrokenForm>(nullptr);
    FAIL() << "the broken layout was read";
  } catch (const ELayoutError& e) {
    EXPECT_EQ(e.Resource(), "TBrokenForm");
    EXPECT_EQ(e.Line(), 5);
    EXPECT_EQ(e.ComponentName(), "OkButton");
    EXPECT_EQ(e.PropertyName(), "Colour");
    EXPECT_NE(e.Message().find("unknown property Colour"), std::string::npos) << e.Message();
  }
  EXPECT_EQ(LiveComponentCount(), live) << "what the failed construction made is freed";
}

TEST(FormOwnership, AnOwnerFreesItsFormsAndTheirComponents) {
  int live = LiveComponentCount();
  auto* owner = new TModalForm(nullptr);
  TModalForm* owned = make_form<TModalForm>(owner);
  EXPECT_EQ(owned->Owner(), owner);
  EXPECT_EQ(LiveComponentCount(), live + 5);
  delete owner;
  EXPECT_EQ(LiveComponentCount(), live);
}

TEST(FormKeys, TabMovesAlongTheTabOrderAndAcceleratorsClick) {
  std::unique_ptr<TModalForm> form(make_form<TModalForm>(nullptr));
  std::vector<std::string> focus;
  // The form's record of the focus: another test program on the display may hold the real one.
  auto focused = [&] {
    TWinControl* c = form->ActiveControl();
    focus.push_back(c ? c->Name() : "(none)");
  };
  int throws = 0;
  TWinControl* backward = nullptr;
  form->on_throw_click = [&] { ++throws; };
  TModalResult result = RunModalWith(*form, [&] {
    focused();
    for (int i = 0; i < 3; ++i) {
      PressKey(*form->ActiveControl(), VK_TAB);
      Pump();
      focused();
    }
    PressChar(*form->OkButton, 't', true);
    Pump();
    backward = form->FindNextControl(form->OkButton, false, true, false);
    form->SetModalResult(mrAbort);
  });
  EXPECT_EQ(result, mrAbort);
  EXPECT_EQ(focus, (std::vector<std::string>{"OkButton", "CancelButton", "ThrowButton", "OkButton"}));
  EXPECT_EQ(throws, 1);
  EXPECT_EQ(backward, form->ThrowButton);
}

TEST(FormKeys, ChildKeyTakesAKeyBeforeTheControlAndDialogKeysFollow) {
  std::unique_ptr<TKeyForm> form(make_form<TKeyForm>(nullptr));
  RunModalWith(*form, [&] {
    PressKey(*form->CancelButton, VK_F1);
    Pump();
    PressKey(*form->CancelButton, VK_ESCAPE);
  });
  EXPECT_EQ(form->keys, (std::vector<std::string>{"F1 for CancelButton", "dialog key 27"}));
}

TEST(FormModal, TheOwnerIsEnabledAgainWhenTheCloseStepThrows) {
  TOwnerWindow owner;
  std::unique_ptr<TModalForm> form(make_form<TModalForm>(nullptr));
  form->HandleNeeded();
  SetWindowLongPtrW(form->Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner.get()));
  form->OnCloseQuery = [](TObject*, bool&) { throw Exception("close query failed"); };
  EXPECT_THROW(RunModalWith(*form, [&] { ClickButton(*form->OkButton); }), Exception);
  EXPECT_TRUE(IsWindowEnabled(owner.get()));
  EXPECT_FALSE(form->FormState().Contains(fsModal));
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  // And it can run again.
  form->OnCloseQuery = nullptr;
  EXPECT_EQ(RunModalWith(*form, [&] { ClickButton(*form->CancelButton); }), mrCancel);
}

TEST(FormModal, ACloseQueryThatRefusesKeepsTheDialogOpen) {
  std::unique_ptr<TModalForm> form(make_form<TModalForm>(nullptr));
  int asked = 0;
  form->OnCloseQuery = [&](TObject*, bool& can_close) { can_close = ++asked > 1; };
  EXPECT_EQ(RunModalSteps(*form, {[&] { ClickButton(*form->OkButton); },
                                     [&] {
                                       EXPECT_TRUE(IsWindowVisible(form->Handle()));
                                       ClickButton(*form->CancelButton);
                                     }}),
            mrCancel);
  EXPECT_EQ(asked, 2);
}

TEST(FormFonts, ControlsTakeTheParentsFontUntilTheyGetOneOfTheirOwn) {
  std::unique_ptr<TModalForm> form(make_form<TModalForm>(nullptr));
  EXPECT_EQ(form->OkButton->Font()->Name(), "MS Sans Serif");
  EXPECT_TRUE(form->OkButton->ParentFont());
  form->ThrowButton->Font()->SetStyle({fsBold});
  EXPECT_FALSE(form->ThrowButton->ParentFont());
  form->Font()->SetName("Arial");
  form->Font()->SetHeight(-13);
  EXPECT_EQ(form->OkButton->Font()->Name(), "Arial");
  EXPECT_EQ(form->OkButton->Font()->Height(), -13);
  EXPECT_EQ(form->ThrowButton->Font()->Name(), "MS Sans Serif");
  HFONT sent = reinterpret_cast<HFONT>(SendMessageW(form->OkButton->Handle(), WM_GETFONT, 0, 0));
  EXPECT_EQ(sent, form->OkButton->Font()->Handle());

  // The dialog base walks every font property of a component.
  std::vector<std::string> fonts;
  ForEachProperty(*form->OkButton, pkClass, [&](const TPropInfo& p) {
    if (p.IsClassOf(TFont::StaticClass()) && p.GetObj(*form->OkButton)) fonts.push_back(p.Name);
  });
  EXPECT_EQ(fonts, std::vector<std::string>{"Font"});
}

TEST(FormFonts, LogicalFontsRoundTrip) {
  TFont font;
  font.SetName("Arial");
  font.SetSize(10);
  font.SetStyle({fsBold, fsUnderline});
  LOGFONTW lf = font.LogFont();
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_TRUE(lf.lfUnderline);
  lf.lfQuality = ANTIALIASED_QUALITY;
  lf.lfItalic = TRUE;
  TFont copy;
  copy.SetLogFont(lf);
  EXPECT_EQ(copy.Name(), "Arial");
  EXPECT_EQ(copy.Height(), font.Height());
  EXPECT_EQ(copy.Style(), (TFontStyles{fsBold, fsItalic, fsUnderline}));
  EXPECT_EQ(copy.LogFont().lfQuality, ANTIALIASED_QUALITY) << "the handle comes from the logical font given";
  LOGFONTW made{};
  GetObjectW(copy.Handle(), sizeof made, &made);
  EXPECT_TRUE(made.lfItalic);
}

TEST(FormParentWindow, AFormInAParentWindowIsItsChildAndLeavesItAsAPopUp) {
  HWND area = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                              nullptr, nullptr);
  std::unique_ptr<TNoLayoutForm> form(make_form_without_layout<TNoLayoutForm>(nullptr));
  form->SetBorderStyle(bsNone);
  form->SetBounds(10, 20, 100, 50);
  form->HandleNeeded();
  form->SetParentWindow(area);
  ASSERT_TRUE(form->HandleAllocated());
  EXPECT_EQ(GetParent(form->Handle()), area);
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_CHILD);
  EXPECT_EQ(form->Left(), 10);
  form->SetParentWindow(nullptr);
  EXPECT_EQ(GetAncestor(form->Handle(), GA_PARENT), GetDesktopWindow());
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_POPUP);
  form.reset();
  DestroyWindow(area);
}

TEST(FormRelease, TheFormIsFreedWhenItsMessageArrivesNotBefore) {
  int live = LiveComponentCount();
  TNoLayoutForm* form = make_form_without_layout<TNoLayoutForm>(nullptr);
  form->Release();
  EXPECT_TRUE(form->HandleAllocated()) << "the message needs the form's window";
  EXPECT_EQ(LiveComponentCount(), live + 1);
  Pump();
  EXPECT_EQ(LiveComponentCount(), live);
}

TEST(FormVisibility, HidingAFormWithoutAWindowMakesNoneAndRunsNoHideEvent) {
  std::unique_ptr<TNoLayoutForm> form(make_form_without_layout<TNoLayoutForm>(nullptr));
  int hides = 0;
  form->OnHide = [&](TObject*) { ++hides; };
  form->SetVisible(true);
  form->DestroyHandle();
  form->SetVisible(false);
  EXPECT_FALSE(form->HandleAllocated());
  EXPECT_EQ(hides, 0);
  int activations = 0;
  form->OnActivate = [&](TObject*) { ++activations; };
  form->Perform(WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_GE(activations, 1);
  int active = activations;
  form->Perform(WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_EQ(activations, active);
}

}  // namespace
