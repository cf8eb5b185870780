#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/ascii.h"
#include "forms/application.h"
#include "forms/color.h"
#include "forms/dialogs/common_dialog.h"
#include "forms/dialogs/font_dialog.h"
#include "forms/dialogs/message_dialog.h"
#include "forms/dialogs/open_dialog.h"
#include "forms/hint_window.h"
#include "forms/layout/layout_reader.h"
#include "tests/win/forms/modal_form.h"
#include "tests/win/support/ui_driver.h"

namespace {

// Removes a replacement however the test ends.
template <class Hook>
struct TInstalled {
  Hook& hook;
  template <class F>
  TInstalled(Hook& h, F f) : hook(h) {
    hook.Install(std::move(f));
  }
  ~TInstalled() { hook.Remove(); }
};

TEST(HookPoints, ShowingChangedRunsBeforeAMessageBoxShowsAndRemovalRestoresTheFramework) {
  std::vector<std::string> seen;
  {
    TInstalled guard(ShowingChangedHook, [&](TCustomForm& form) {
      if (form.Showing() && form.Is(TMessageForm::StaticClass())) {
        seen.push_back(std::string(form.ClassName()) + (IsWindowVisible(form.Handle()) ? " visible" : " hidden"));
        // Instead of showing: end the run at once, as a test-mode start-up would.
        form.SetModalResult(mrIgnore);
        return;
      }
      ShowingChangedHook.Underlying(form);
    });
    EXPECT_EQ(MessageDlg("Replace the sizes?", mtConfirmation, {mbYes, mbNo}), mrIgnore);
    ASSERT_EQ(seen, std::vector<std::string>{"TMessageForm hidden"});

    // Other forms still go the framework's way through the replacement.
    std::unique_ptr<TModalForm> form(make_form<TModalForm>(nullptr));
    EXPECT_EQ(RunModalWith(*form, [&] { ClickButton(*form->OkButton); }), mrOk);
    EXPECT_EQ(seen.size(), 1u);
  }
  EXPECT_FALSE(ShowingChangedHook.Installed());
  std::unique_ptr<TMessageForm> box(CreateMessageDialog("Shown by the framework", mtInformation, {mbOK}));
  bool visible_in_script = false;
  EXPECT_EQ(RunModalWith(*box, [&] {
              visible_in_script = IsWindowVisible(box->Handle());
              ClickButton(*box->Button(mbOK));
            }),
            mrOk);
  EXPECT_TRUE(visible_in_script);
}

TEST(HookPoints, ControlAndComponentInsertionReachTheReplacementForEveryInsertion) {
  std::vector<std::string> controls, components;
  {
    TInstalled c(ControlInsertedHook, [&](TWinControl& parent, TControl& control) {
      ControlInsertedHook.Underlying(parent, control);
      controls.push_back(parent.Name() + "<" + control.Name());
    });
    TInstalled o(ComponentInsertedHook, [&](TComponent& owner, TComponent& component) {
      ComponentInsertedHook.Underlying(owner, component);
      components.push_back(component.ClassName());
    });
    std::unique_ptr<TModalForm> form(make_form<TModalForm>(nullptr));
    EXPECT_EQ(controls, (std::vector<std::string>{"ModalForm<OkButton", "ModalForm<CancelButton",
                                                  "ModalForm<ThrowButton"}));
    EXPECT_EQ(components, (std::vector<std::string>{"TButton", "TButton", "TButton"}));
    // After loading, too.
    auto* late = new TButton(form.get());
    late->SetName("Late");
    late->SetParent(form.get());
    EXPECT_EQ(controls.back(), "ModalForm<Late");
    EXPECT_EQ(form->FindComponent("Late"), late);
  }
  size_t before = controls.size();
  std::unique_ptr<TModalForm> again(make_form<TModalForm>(nullptr));
  EXPECT_EQ(controls.size(), before);
  EXPECT_EQ(again->ControlCount(), 3);
}

TEST(HookPoints, LayoutStringsPassThroughTheReplacement) {
  {
    TInstalled s(LayoutReadStringHook, [](TLayoutReader& reader) {
      std::string text = LayoutReadStringHook.Underlying(reader);
      return reader.PropertyName() == "Caption" ? AsciiToUpper(text) : text;
    });
    std::unique_ptr<TModalForm> form(make_form<TModalForm>(nullptr));
    EXPECT_EQ(form->Caption(), "MODAL TEST");
    EXPECT_EQ(form->ThrowButton->Caption(), "&THROW");
    EXPECT_EQ(form->Font()->Name(), "MS Sans Serif") << "only captions were changed";
  }
  std::unique_ptr<TModalForm> form(make_form<TModalForm>(nullptr));
  EXPECT_EQ(form->Caption(), "Modal test");
}

TEST(HookPoints, ColourToTextCanTakeTheOldSystemColourEncoding) {
  EXPECT_EQ(ColorToString(static_cast<TColor>(0xFF00000F)), "clBtnFace");
  EXPECT_EQ(ColorToString(static_cast<TColor>(0x8000000F)), "$8000000F");
  {
    TInstalled h(ColorToTextHook, [](TColor c) {
      uint32_t v = static_cast<uint32_t>(c);
      if ((v >> 24) == 0x80) v = (v & 0xFFFFFF) | 0xFF000000u;
      return ColorToTextHook.Underlying(static_cast<TColor>(v));
    });
    EXPECT_EQ(ColorToString(static_cast<TColor>(0x8000000F)), "clBtnFace");
  }
  EXPECT_EQ(ColorToString(static_cast<TColor>(0x8000000F)), "$8000000F");
}

TEST(HookPoints, StandardDialogRunStepsAndTheFrameworksOwnRun) {
  TOpenDialog dialog(nullptr);
  std::vector<HWND> parents;
  {
    TInstalled run(CommonDialogExecuteHook, [&](TCommonDialog& d) {
      parents.push_back(nullptr);
      return d.Execute(reinterpret_cast<HWND>(0x1234));
    });
    TInstalled with_parent(CommonDialogExecuteWithParentHook, [&](TCommonDialog&, HWND parent) {
      parents.push_back(parent);
      return true;
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(parents, (std::vector<HWND>{nullptr, reinterpret_cast<HWND>(0x1234)}));
  }
  // The framework's own run shows the native dialog; cancel it once it is up.
  TOwnerWindow owner;
  int shown = 0, closed = 0;
  dialog.OnShow = [&](TObject*) {
    ++shown;
    EXPECT_TRUE(IsWindow(dialog.Handle()));
    PostMessageW(dialog.Handle(), WM_COMMAND, IDCANCEL, 0);
  };
  dialog.OnClose = [&](TObject*) { ++closed; };
  EXPECT_FALSE(dialog.Execute(owner.get()));
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(closed, 1);
}

TEST(HookPoints, FontDialogWindowHook) {
  TFontDialog dialog(nullptr);
  dialog.Font()->SetName("Arial");
  std::vector<UINT> init_seen;
  TInstalled h(FontDialogHookProc, [&](HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    UINT_PTR r = FontDialogHookProc.Underlying(w, msg, wp, lp);
    if (msg == WM_INITDIALOG) {
      init_seen.push_back(msg);
      PostMessageW(w, WM_COMMAND, IDCANCEL, 0);
    }
    return r;
  });
  TOwnerWindow owner;
  EXPECT_FALSE(dialog.Execute(owner.get()));
  EXPECT_EQ(init_seen.size(), 1u);
  EXPECT_EQ(dialog.Font()->Name(), "Arial") << "a cancelled dialog leaves the font";
}

class TPlainHintWindow : public THintWindow {
  TAVRIN_CLASS(TPlainHintWindow, THintWindow)
 public:
  using THintWindow::THintWindow;
  static THintWindow* Create(TComponent* owner) { return new TPlainHintWindow(owner); }

 protected:
  void CreateParams(TCreateParams& params) override {
    THintWindow::CreateParams(params);
    params.WindowClass.style &= ~CS_DROPSHADOW;
  }
};

TEST(HintWindow, ShowEventAndAReplacementClassWithItsOwnCreationParameters) {
  std::unique_ptr<TModalForm> form(make_form<TModalForm>(nullptr));
  form->OkButton->SetHint("Accept");
  std::vector<std::string> hints;
  Application->OnShowHint = [&](std::string& text, bool& can_show, THintInfo& info) {
    hints.push_back(text + "@" + info.HintControl->Name());
    text = "Accept the sizes";
    (void)can_show;
  };
  Application->ActivateHint(form->OkButton, {300, 300});
  ASSERT_NE(Application->HintWindow(), nullptr);
  HWND hint = Application->HintWindow()->Handle();
  EXPECT_TRUE(GetClassLongW(hint, GCL_STYLE) & CS_DROPSHADOW);
  EXPECT_EQ(Application->HintWindow()->Caption(), "Accept the sizes");
  EXPECT_TRUE(IsWindowVisible(hint));
  Application->CancelHint();
  EXPECT_FALSE(IsWindowVisible(hint));

  // The class is used for hint windows made from now on.
  Application->DestroyHandle();
  Application->HintWindowClass = &TPlainHintWindow::Create;
  Application->ActivateHint(form->OkButton, {300, 300});
  ASSERT_TRUE(Application->HintWindow()->Is(TPlainHintWindow::StaticClass()));
  EXPECT_FALSE(GetClassLongW(Application->HintWindow()->Handle(), GCL_STYLE) & CS_DROPSHADOW);
  EXPECT_EQ(hints, (std::vector<std::string>{"Accept@OkButton", "Accept@OkButton"}));
  Application->OnShowHint = nullptr;
  Application->DestroyHandle();
  Application->HintWindowClass = &THintWindow::Create;
}

}  // namespace

namespace {

TEST(HintWindow, HoveringOverAControlWithAHintShowsItAfterThePause) {
  std::unique_ptr<TModalForm> form(make_form<TModalForm>(nullptr));
  form->SetShowHint(true);
  form->OkButton->SetHint("Accept");
  form->Show();
  Pump();
  int saved_pause = Application->HintPause;
  Application->HintPause = 1;
  std::vector<std::string> shown;
  Application->OnShowHint = [&](std::string& text, bool&, THintInfo&) { shown.push_back(text); };
  PostMessageW(form->OkButton->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  // The hint timer fires by itself; bounded so a failure cannot hang.
  for (int i = 0; i < 200 && shown.empty(); ++i) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    Application->ProcessMessages();
  }
  Application->OnShowHint = nullptr;
  Application->HintPause = saved_pause;
  EXPECT_EQ(shown, std::vector<std::string>{"Accept"});
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_TRUE(IsWindowVisible(Application->HintWindow()->Handle()));
  PostMessageW(form->OkButton->Handle(), WM_LBUTTONDOWN, 0, 0);
  Pump();
  EXPECT_FALSE(IsWindowVisible(Application->HintWindow()->Handle()));
  // A control without ShowHint in effect shows none.
  form->ThrowButton->SetHint("Never");
  form->ThrowButton->SetShowHint(false);
  PostMessageW(form->ThrowButton->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  Pump();
  Application->DestroyHandle();
}

}  // namespace
