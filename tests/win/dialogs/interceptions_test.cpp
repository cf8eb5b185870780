// Library start installs every interception on its hook point and library end puts the framework's
// own routines back; each interception does what it is there for on real windows.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "base/host_guard.h"
#include "dialogs/component_insertion_fonts.h"
#include "dialogs/control_insertion_fonts.h"
#include "dialogs/dialog_framework_start.h"
#include "dialogs/font_dialog_placement.h"
#include "dialogs/form_with_help.h"
#include "dialogs/message_box_placement.h"
#include "dialogs/no_shadow_hint_window.h"
#include "dialogs/standard_dialog_placement.h"
#include "forms/application.h"
#include "forms/button.h"
#include "forms/color.h"
#include "forms/dialogs/common_dialog.h"
#include "forms/component.h"
#include "forms/dialogs/font_dialog.h"
#include "forms/form.h"
#include "forms/dialogs/message_dialog.h"
#include "forms/dialogs/open_dialog.h"
#include "tests/win/dialogs/dialog_fixture.h"

namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM param) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info)) reinterpret_cast<std::vector<RECT>*>(param)->push_back(info.rcMonitor);
  return TRUE;
}

std::vector<RECT> Monitors() {
  std::vector<RECT> found;
  EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&found));
  return found;
}

class Interceptions : public DialogTest {
 protected:
  // An active form in the top left corner of the last monitor (the second one when there are
  // two): centring on it, or on the primary monitor, differs from centring on its monitor.
  std::unique_ptr<TFixedDialog> ActiveFormInTheCorner() {
    auto form = Make<TFixedDialog>();
    RECT last = Monitors().back();
    form->SetBounds(last.left, last.top, form->Width(), form->Height());
    form->Show();
    SetForegroundWindow(form->Handle());
    SetActiveWindow(form->Handle());
    Pump();
    return form;
  }
};

struct THookState {
  bool showing, dialog_run, open_hook, font_hook, control, component, colour;
};

THookState HookState() {
  return {ShowingChangedHook.Installed(),   CommonDialogExecuteHook.Installed(),
          OpenDialogHookProc.Installed(),   FontDialogHookProc.Installed(),
          ControlInsertedHook.Installed(),  ComponentInsertedHook.Installed(),
          ColorToTextHook.Installed()};
}

bool ConversionHooked() { return ExceptionConversionHook.Installed(); }

bool HandlerEndHooked() { return ExceptionHandlerEndHook.Installed(); }

TEST_F(Interceptions, LibraryStartInstallsThemAndLibraryEndRestoresEveryFrameworkRoutine) {
  StartDialogFramework();
  EXPECT_TRUE(InterceptionsInstalled());
  THookState on = HookState();
  EXPECT_TRUE(on.showing);
  EXPECT_TRUE(on.dialog_run);
  EXPECT_TRUE(on.font_hook);
  EXPECT_TRUE(on.control);
  EXPECT_TRUE(on.component);
  EXPECT_TRUE(on.colour);
  EXPECT_TRUE(ConversionHooked());
  EXPECT_TRUE(HandlerEndHooked());
  EXPECT_TRUE(static_cast<bool>(Application->OnException));
  EXPECT_EQ(Application->HintWindowClass, &TNoShadowHintWindow::Create);
  ASSERT_NE(MessageDialogClass(), nullptr);
  EXPECT_STREQ(MessageDialogClass()->Name, "TMessageForm");
  EXPECT_EQ(ColorToString(static_cast<TColor>(0x8000000F)), ColorToString(static_cast<TColor>(0xFF00000F)));

  EndDialogFramework();
  EXPECT_FALSE(InterceptionsInstalled());
  THookState off = HookState();
  EXPECT_FALSE(off.showing || off.dialog_run || off.open_hook || off.font_hook || off.control ||
               off.component || off.colour);
  EXPECT_FALSE(ConversionHooked());
  EXPECT_FALSE(HandlerEndHooked());
  EXPECT_FALSE(static_cast<bool>(Application->OnException));
  EXPECT_EQ(Application->HintWindowClass, &THintWindow::Create);
  EXPECT_EQ(MessageDialogClass(), nullptr);
  EXPECT_EQ(ColorToString(static_cast<TColor>(0x8000000F)), "$8000000F");
}

TEST_F(Interceptions, TheOlderWindowsPathInterceptsTheFrameworksOwnHookProcedure) {
  ASSERT_TRUE(InstallStandardDialogPlacement(TDialogPlacementPath::HookProcedure));
  EXPECT_TRUE(OpenDialogHookProc.Installed());
  EXPECT_TRUE(CommonDialogExecuteHook.Installed());
  RemoveStandardDialogPlacement();
  EXPECT_FALSE(OpenDialogHookProc.Installed());
  EXPECT_FALSE(CommonDialogExecuteHook.Installed());
}

TEST_F(Interceptions, HintsHaveNoDropShadow) {
  std::unique_ptr<THintWindow> plain(THintWindow::Create(nullptr));
  std::unique_ptr<THintWindow> ours(TNoShadowHintWindow::Create(nullptr));
  plain->ActivateHint({10, 10}, "plain");
  ours->ActivateHint({10, 40}, "ours");
  EXPECT_NE(GetClassLongW(plain->Handle(), GCL_STYLE) & CS_DROPSHADOW, 0u);
  EXPECT_EQ(GetClassLongW(ours->Handle(), GCL_STYLE) & CS_DROPSHADOW, 0u);
  EXPECT_NE(GetClassLongW(ours->Handle(), GCL_STYLE) & CS_SAVEBITS, 0u);
}

TEST_F(Interceptions, AControlInsertedIntoAFormWithHelpGetsTheHostsDialogFont) {
  host.client.font = {true, L"Tahoma", 10, 0, 0, ANSI_CHARSET};
  std::unique_ptr<TFormWithHelp> form(make_form_without_layout<TFormWithHelp>(nullptr));
  auto* before = new TButton(form.get());
  before->Font()->SetName("Arial");
  before->SetParent(form.get());
  // Without the interception nothing gives a plain form's late controls the host's font.
  EXPECT_EQ(before->Font()->Name(), "Arial");
  InstallControlInsertionFonts();
  auto* after = new TButton(form.get());
  after->Font()->SetName("Arial");
  after->SetParent(form.get());
  RemoveControlInsertionFonts();
  EXPECT_EQ(after->Font()->Name(), "Tahoma");
  EXPECT_EQ(after->Font()->Size(), 10);
}

TEST_F(Interceptions, AComponentInsertedWhileTheHostTranslatesTakesTheLocaleFontUnlessTheHostPrescribesOne) {
  TestExportTable().use_system_locale_language = 1;
  TestExportTable().locale_face = L"Courier New";
  SetTranslationActive(true);
  std::unique_ptr<TFormWithHelp> form(make_form_without_layout<TFormWithHelp>(nullptr));
  InstallComponentInsertionFonts();
  auto* adapted = new TButton(nullptr);
  form->InsertComponent(*adapted);
  host.client.font = {true, L"Tahoma", 10, 0, 0, ANSI_CHARSET};
  auto* kept = new TButton(nullptr);
  kept->Font()->SetName("Arial");
  form->InsertComponent(*kept);
  SetTranslationActive(false);
  auto* untranslated = new TButton(nullptr);
  untranslated->Font()->SetName("Arial");
  host.client.font = {};
  form->InsertComponent(*untranslated);
  RemoveComponentInsertionFonts();
  EXPECT_EQ(adapted->Font()->Name(), "Courier New");
  EXPECT_EQ(kept->Font()->Name(), "Arial");
  EXPECT_EQ(untranslated->Font()->Name(), "Arial");
}

// Watches for the first standard dialog of this thread from a timer in its modal loop: records
// where it is, whether any redirector window is visible, then cancels it.
struct TDialogWatch {
  static inline TDialogWatch* current = nullptr;
  RECT Dialog{};
  bool Seen = false;
  bool RedirectorVisible = false;
  HWND Owner = nullptr;
  UINT_PTR Timer = 0;

  static BOOL CALLBACK Find(HWND window, LPARAM param) {
    wchar_t cls[64] = {};
    GetClassNameW(window, cls, 64);
    if (lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(window)) {
      *reinterpret_cast<HWND*>(param) = window;
      return FALSE;
    }
    return TRUE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TDialogWatch* w = current;
    if (!w) return;
    if (HWND redirector = FindWindowW(L"TRedirectorWindow", nullptr))
      w->RedirectorVisible = w->RedirectorVisible || IsWindowVisible(redirector);
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &Find, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog || w->Seen) return;
    w->Seen = true;
    GetWindowRect(dialog, &w->Dialog);
    w->Owner = GetWindow(dialog, GW_OWNER);
    KillTimer(nullptr, w->Timer);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  }
  TDialogWatch() {
    current = this;
    Timer = SetTimer(nullptr, 0, 100, &Tick);
  }
  ~TDialogWatch() {
    KillTimer(nullptr, Timer);
    current = nullptr;
  }
};

RECT MonitorOf(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcMonitor;
}

void ExpectCentred(const RECT& window, const RECT& monitor) {
  LONG width = window.right - window.left, height = window.bottom - window.top;
  EXPECT_EQ(window.left, (monitor.left + monitor.right - width) / 2);
  EXPECT_EQ(window.top, (monitor.top + monitor.bottom - height) / 2);
}

// The system's file dialog may still adjust its own frame after it was centred (its caption and
// sizing grip): its centre stays within a few pixels of the monitor's.
void ExpectAboutCentred(const RECT& window, const RECT& monitor) {
  EXPECT_NEAR((window.left + window.right) / 2, (monitor.left + monitor.right) / 2, 16);
  EXPECT_NEAR((window.top + window.bottom) / 2, (monitor.top + monitor.bottom) / 2, 16);
}

TEST_F(Interceptions, OnTheNewPathAFileDialogOpensCentredOnTheActiveFormsMonitorAndTheRedirectorStaysHidden) {
  auto form = ActiveFormInTheCorner();
  ASSERT_TRUE(InstallStandardDialogPlacement(TDialogPlacementPath::Redirector));
  TOpenDialog open(nullptr);
  TDialogWatch watch;
  bool accepted = open.Execute();
  RemoveStandardDialogPlacement();
  EXPECT_FALSE(accepted);
  ASSERT_TRUE(watch.Seen);
  ExpectAboutCentred(watch.Dialog, MonitorOf(form->Handle()));
  EXPECT_FALSE(watch.RedirectorVisible);
  // The redirector owned the dialog, and the redirector is gone again.
  EXPECT_EQ(FindWindowW(L"TRedirectorWindow", nullptr), nullptr);
}

TEST_F(Interceptions, OnTheOlderPathAFileDialogOpensCentredOnTheActiveWindowsMonitor) {
  auto form = ActiveFormInTheCorner();
  ASSERT_TRUE(InstallStandardDialogPlacement(TDialogPlacementPath::HookProcedure));
  TOpenDialog open(nullptr);
  TDialogWatch watch;
  bool accepted = open.Execute();
  RemoveStandardDialogPlacement();
  EXPECT_FALSE(accepted);
  ASSERT_TRUE(watch.Seen);
  EXPECT_EQ(watch.Owner, form->Handle());
  ExpectAboutCentred(watch.Dialog, MonitorOf(form->Handle()));
}

TEST_F(Interceptions, TheFontDialogOpensCentredOnTheActiveWindowsMonitor) {
  auto form = ActiveFormInTheCorner();
  InstallFontDialogPlacement();
  TFontDialog font(nullptr);
  TDialogWatch watch;
  bool accepted = font.Execute();
  RemoveFontDialogPlacement();
  EXPECT_FALSE(accepted);
  ASSERT_TRUE(watch.Seen);
  ExpectCentred(watch.Dialog, MonitorOf(form->Handle()));
}

// A message box asked for the screen's centre opens centred on the active window's monitor; with
// two monitors (Xvfb with two screens and +xinerama) the active window is put on the second one.
TEST_F(Interceptions, AMessageBoxOpensCentredOnTheActiveWindowsMonitor) {
  auto form = ActiveFormInTheCorner();
  InstallMessageBoxPlacement();
  std::unique_ptr<TMessageForm> box(CreateMessageDialog("Centred?", mtInformation, {mbOK}));
  box->SetPosition(poScreenCenter);
  RECT shown{};
  int id = Application->AddIdleHandler([&](TObject*, bool& done) {
    done = false;
    if (!box->HandleAllocated() || !IsWindowVisible(box->Handle())) return;
    GetWindowRect(box->Handle(), &shown);
    box->SetModalResult(mrOk);
  });
  box->ShowModal();
  Application->RemoveIdleHandler(id);
  RemoveMessageBoxPlacement();
  ExpectCentred(shown, MonitorOf(form->Handle()));
}

}  // namespace
