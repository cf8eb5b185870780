// The painted caption and frame on a system older than 5.1 with the host's preference on: which
// dialogs get it, where its buttons are, how a Click on them is tracked, and the window region
// that follows the window's size.

#include <gtest/gtest.h>
#include <windows.h>

#include "dialogs/form_theme_data.h"
#include "dialogs/theme_form.h"
#include "dialogs/theme_frame_install.h"
#include "dialogs/theme_preference.h"
#include "tests/win/dialogs/dialog_fixture.h"

namespace {

bool OlderThan51() {
  OSVERSIONINFOW v{};
  v.dwOSVersionInfoSize = sizeof v;
  GetVersionExW(&v);
  return v.dwMajorVersion < 5 || (v.dwMajorVersion == 5 && v.dwMinorVersion == 0);
}

TThemeForm* ThemeFrameOf(TCustomForm& dialog) {
  for (TComponent* c : dialog.Components())
    if (auto* frame = class_cast<TThemeForm>(c)) return frame;
  return nullptr;
}

LPARAM ScreenPoint(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// The Centre of a rectangle.
POINT Centre(const TThemeRect& r) { return {r.Left + r.Width / 2, r.Top + r.Height / 2}; }

class ThemeFrameTest : public DialogTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(OlderThan51()) << "the prefix must run this program as Windows 2000";
    TestExportTable().pref_use_luna = 1;
    InstallThemeFrame();
  }
  void TearDown() override { RemoveThemeFrame(); }

  // A shown server dialog with its theme frame.
  std::unique_ptr<TFixedDialog> ShownDialog() {
    auto dialog = Make<TFixedDialog>();
    frame = ThemeFrameOf(*dialog);
    EXPECT_NE(frame, nullptr);
    dialog->Show();
    Pump();
    return dialog;
  }

  // The WM_SYSCOMMAND the theme frame Posted to the window, or 0.
  static WPARAM PostedCommand(HWND window) {
    MSG m;
    WPARAM found = 0;
    while (PeekMessageW(&m, window, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) found = m.wParam;
    return found;
  }

  TThemeForm* frame = nullptr;
};

TEST_F(ThemeFrameTest, TheEmulatedThemeAppliesHereWithThePreference) {
  EXPECT_TRUE(EmulatedThemePreference());
  // Whatever the theme library says, a system before 5.1 has no visual styles.
  EXPECT_EQ(CurrentThemeKind(), tkEmulated);
  SetEmulatedThemePreference(false);
  EXPECT_EQ(CurrentThemeKind(), tkClassic);
  auto dialog = Make<TFixedDialog>();
  EXPECT_EQ(ThemeFrameOf(*dialog), nullptr);
}

TEST_F(ThemeFrameTest, AServerDialogGetsTheFrameAndGrowsByTheCaptionDifference) {
  auto plain = Make<TFixedDialog>();
  TThemeForm* theme = ThemeFrameOf(*plain);
  ASSERT_NE(theme, nullptr);
  EXPECT_EQ(theme->Owner(), plain.get());
  EXPECT_EQ(plain->Color(), static_cast<TColor>(RGB(236, 233, 216)));
  // Without the theme frame the same dialog is shorter by caption bar - system caption - border.
  RemoveThemeFrame();
  auto classic = Make<TFixedDialog>();
  EXPECT_EQ(ThemeFrameOf(*classic), nullptr);
  TFormThemeData& data = SharedFormThemeData();
  EXPECT_EQ(plain->Height() - classic->Height(), data.Metric(1) - data.SystemCaptionHeight() - data.Metric(0));
}

TEST_F(ThemeFrameTest, DefaultServerDialogShowsCloseAndHelpAndNoIcon) {
  auto dialog = ShownDialog();
  ASSERT_NE(frame, nullptr);
  RECT window;
  GetWindowRect(dialog->Handle(), &window);
  TCaptionLayout l = frame->ScreenLayout();
  EXPECT_TRUE(l.Shown[ceClose]);
  EXPECT_TRUE(l.Shown[ceHelp]);
  EXPECT_FALSE(l.Shown[ceMinimize]);
  EXPECT_FALSE(l.Shown[ceMaximize]);
  EXPECT_FALSE(l.Icon);
  EXPECT_EQ(l.Text.Left - window.left, 8);
  // The client area starts below the caption bar and inside the edges.
  POINT origin{0, 0};
  ClientToScreen(dialog->Handle(), &origin);
  EXPECT_EQ(origin.x - window.left, 4);
  EXPECT_EQ(origin.y - window.top, SharedFormThemeData().Metric(1));

  HWND w = dialog->Handle();
  POINT close = Centre(l.Buttons[ceClose]), help = Centre(l.Buttons[ceHelp]);
  EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(close.x, close.y)), HTCLOSE);
  EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(help.x, help.y)), HTHELP);
  EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(window.left + 40, window.top + 10)), HTCAPTION);
  EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(origin.x + 5, origin.y + 5)), HTCLIENT);
}

TEST_F(ThemeFrameTest, HotElementFollowsTheMouseOverTheCaption) {
  auto dialog = ShownDialog();
  ASSERT_NE(frame, nullptr);
  HWND w = dialog->Handle();
  TCaptionLayout l = frame->ScreenLayout();
  POINT close = Centre(l.Buttons[ceClose]);
  SendMessageW(w, WM_NCMOUSEMOVE, HTCLOSE, ScreenPoint(close.x, close.y));
  EXPECT_EQ(frame->HotElement(), ceClose);
  POINT help = Centre(l.Buttons[ceHelp]);
  SendMessageW(w, WM_NCMOUSEMOVE, HTHELP, ScreenPoint(help.x, help.y));
  EXPECT_EQ(frame->HotElement(), ceHelp);
  SendMessageW(w, WM_NCMOUSELEAVE, 0, 0);
  EXPECT_EQ(frame->HotElement(), ceNone);
}

TEST_F(ThemeFrameTest, ReleasingOffTheButtonSendsNothingAndBackOnItSendsTheCommand) {
  auto dialog = ShownDialog();
  ASSERT_NE(frame, nullptr);
  HWND w = dialog->Handle();
  TCaptionLayout l = frame->ScreenLayout();
  POINT close = Centre(l.Buttons[ceClose]);
  // A point of the caption bar that is no button, in client coordinates for the mouse messages.
  POINT off{l.Bar.Left + 30, l.Bar.Top + 10}, close_client = close;
  ScreenToClient(w, &off);
  ScreenToClient(w, &close_client);

  SendMessageW(w, WM_NCLBUTTONDOWN, HTCLOSE, ScreenPoint(close.x, close.y));
  EXPECT_EQ(frame->PressedElement(), ceClose);
  EXPECT_EQ(frame->CapturedElement(), ceClose);
  EXPECT_EQ(GetCapture(), w);
  SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, ScreenPoint(off.x, off.y));
  EXPECT_EQ(frame->PressedElement(), ceNone);
  EXPECT_EQ(frame->CapturedElement(), ceClose);
  SendMessageW(w, WM_LBUTTONUP, 0, ScreenPoint(off.x, off.y));
  EXPECT_EQ(PostedCommand(w), 0u);
  EXPECT_EQ(frame->CapturedElement(), ceNone);
  EXPECT_NE(GetCapture(), w);

  SendMessageW(w, WM_NCLBUTTONDOWN, HTCLOSE, ScreenPoint(close.x, close.y));
  SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, ScreenPoint(off.x, off.y));
  SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, ScreenPoint(close_client.x, close_client.y));
  EXPECT_EQ(frame->PressedElement(), ceClose);
  SendMessageW(w, WM_LBUTTONUP, 0, ScreenPoint(close_client.x, close_client.y));
  EXPECT_EQ(PostedCommand(w), static_cast<WPARAM>(SC_CLOSE));
  EXPECT_EQ(frame->PressedElement(), ceNone);
}

TEST_F(ThemeFrameTest, MovingOntoAnotherButtonKeepsThePressedOne) {
  auto dialog = ShownDialog();
  ASSERT_NE(frame, nullptr);
  HWND w = dialog->Handle();
  TCaptionLayout l = frame->ScreenLayout();
  POINT help = Centre(l.Buttons[ceHelp]), close = Centre(l.Buttons[ceClose]);
  ScreenToClient(w, &close);
  SendMessageW(w, WM_NCLBUTTONDOWN, HTHELP, ScreenPoint(help.x, help.y));
  SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, ScreenPoint(close.x, close.y));
  EXPECT_EQ(frame->PressedElement(), ceHelp);
  SendMessageW(w, WM_LBUTTONUP, 0, ScreenPoint(close.x, close.y));
  EXPECT_EQ(PostedCommand(w), static_cast<WPARAM>(SC_CONTEXTHELP));
}

TEST_F(ThemeFrameTest, LosingTheCaptureDropsThePressedButton) {
  auto dialog = ShownDialog();
  ASSERT_NE(frame, nullptr);
  HWND w = dialog->Handle();
  POINT close = Centre(frame->ScreenLayout().Buttons[ceClose]);
  SendMessageW(w, WM_NCLBUTTONDOWN, HTCLOSE, ScreenPoint(close.x, close.y));
  ReleaseCapture();
  EXPECT_EQ(frame->PressedElement(), ceNone);
  EXPECT_EQ(frame->CapturedElement(), ceNone);
  SendMessageW(w, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(PostedCommand(w), 0u);
}

// Whether the window's region holds a pixel (window coordinates).
bool InRegion(HWND w, int x, int y) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  bool has = GetWindowRgn(w, region) != ERROR;
  bool inside = has && PtInRegion(region, x, y);
  DeleteObject(region);
  return inside;
}

RECT RegionBox(HWND w) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  RECT box{};
  if (GetWindowRgn(w, region) != ERROR) GetRgnBox(region, &box);
  DeleteObject(region);
  return box;
}

TEST_F(ThemeFrameTest, TopCornersAreCut) {
  auto dialog = ShownDialog();
  ASSERT_NE(frame, nullptr);
  HWND w = dialog->Handle();
  RECT r;
  GetWindowRect(w, &r);
  int width = r.right - r.left, height = r.bottom - r.top;
  const int cut[] = {5, 3, 2, 1, 1, 0};
  for (int y = 0; y < 6; ++y) {
    if (cut[y] > 0) {
      EXPECT_FALSE(InRegion(w, cut[y] - 1, y)) << "left, row " << y;
      EXPECT_FALSE(InRegion(w, width - cut[y], y)) << "right, row " << y;
    }
    EXPECT_TRUE(InRegion(w, cut[y], y)) << "left, row " << y;
    EXPECT_TRUE(InRegion(w, width - cut[y] - 1, y)) << "right, row " << y;
  }
  EXPECT_TRUE(InRegion(w, 0, height - 1));
  EXPECT_TRUE(InRegion(w, width - 1, height - 1));
  EXPECT_FALSE(InRegion(w, width, height - 1));
}

TEST_F(ThemeFrameTest, GrowingSetsTheRegionAtOnceAndShrinkingAtTheNextFramePaint) {
  auto dialog = ShownDialog();
  ASSERT_NE(frame, nullptr);
  HWND w = dialog->Handle();
  RECT r;
  GetWindowRect(w, &r);
  int width = r.right - r.left, height = r.bottom - r.top;

  SetWindowPos(w, nullptr, 0, 0, width + 40, height + 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_FALSE(frame->RegionDirty());
  RECT box = RegionBox(w);
  EXPECT_EQ(box.right, width + 40);
  EXPECT_EQ(box.bottom, height + 30);
  EXPECT_EQ(frame->WindowWidth(), width + 40);

  SetWindowPos(w, nullptr, 0, 0, width - 20, height - 10, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The size is taken at once, the region waits for the frame to be painted.
  EXPECT_EQ(frame->WindowWidth(), width - 20);
  EXPECT_EQ(frame->WindowHeight(), height - 10);
  RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  EXPECT_FALSE(frame->RegionDirty());
  box = RegionBox(w);
  EXPECT_EQ(box.right, width - 20);
  EXPECT_EQ(box.bottom, height - 10);
  EXPECT_FALSE(InRegion(w, width - 21, 0));
  EXPECT_FALSE(InRegion(w, 4, 0));
}

TEST_F(ThemeFrameTest, TheMinimumHeightLeavesCaptionAndBottomEdge) {
  auto dialog = ShownDialog();
  ASSERT_NE(frame, nullptr);
  MINMAXINFO info{};
  SendMessageW(dialog->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.y, SharedFormThemeData().Metric(1) + 4);
}

TEST_F(ThemeFrameTest, AFreedThemeFrameHandsTheWindowBack) {
  auto dialog = ShownDialog();
  ASSERT_NE(frame, nullptr);
  HWND w = dialog->Handle();
  delete frame;
  frame = nullptr;
  POINT origin{0, 0};
  ClientToScreen(w, &origin);
  // The dialog's own handling answers again, and nothing reaches the freed frame.
  EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(origin.x + 5, origin.y + 5)), HTCLIENT);
  SetWindowPos(w, nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
}

}  // namespace

namespace {

// A sizeable form with the window menu and both boxes, framed by hand.
class SizeableThemeFrame : public DialogTest {
 protected:
  void SetUp() override {
    form.reset(make_form_without_layout<TForm>(nullptr));
    form->SetBorderStyle(bsSizeable);
    form->SetBounds(60, 60, 320, 200);
    form->SetCaption("Sizeable");
  }
  TThemeForm* Attach(TBorderIcons icons) {
    form->SetBorderIcons(icons);
    TThemeForm* frame = make_component<TThemeForm>(form.get(), *form, SharedFormThemeData());
    form->Show();
    Pump();
    return frame;
  }
  // Presses and releases the caption element at its Centre.
  void Click(TThemeForm& frame, TCaptionElement element, LPARAM hit) {
    HWND w = form->Handle();
    TThemeRect r = frame.ScreenLayout().Buttons[element];
    POINT p{r.Left + r.Width / 2, r.Top + r.Height / 2};
    SendMessageW(w, WM_NCLBUTTONDOWN, hit, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
    ScreenToClient(w, &p);
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
  }
  static WPARAM Posted(HWND window) {
    MSG m;
    WPARAM found = 0;
    while (PeekMessageW(&m, window, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) found = m.wParam;
    return found;
  }
  void TearDown() override {
    form.reset();
    FreeSharedFormThemeData();
  }
  std::unique_ptr<TForm> form;
};

TEST_F(SizeableThemeFrame, BoxesAndIconAnswerAndSendTheirCommands) {
  TThemeForm* frame = Attach({biSystemMenu, biMinimize, biMaximize});
  HWND w = form->Handle();
  TCaptionLayout l = frame->ScreenLayout();
  ASSERT_TRUE(l.Icon);
  EXPECT_FALSE(l.Shown[ceHelp]);
  POINT icon = Centre(l.IconRect), max = Centre(l.Buttons[ceMaximize]), min = Centre(l.Buttons[ceMinimize]);
  EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(icon.x, icon.y)), HTSYSMENU);
  EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(max.x, max.y)), HTMAXBUTTON);
  EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(min.x, min.y)), HTMINBUTTON);
  // The bottom edge of a sizeable window keeps the system's answer.
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, ScreenPoint(r.left + 100, r.bottom - 1)), HTBOTTOM);

  Click(*frame, ceMaximize, HTMAXBUTTON);
  EXPECT_EQ(Posted(w), static_cast<WPARAM>(SC_MAXIMIZE));
  Click(*frame, ceMinimize, HTMINBUTTON);
  EXPECT_EQ(Posted(w), static_cast<WPARAM>(SC_MINIMIZE));
}

TEST_F(SizeableThemeFrame, AMissingBoxIsDrawnDisabledAndSendsNothing) {
  TThemeForm* frame = Attach({biSystemMenu, biMaximize});
  HWND w = form->Handle();
  TCaptionLayout l = frame->ScreenLayout();
  ASSERT_TRUE(l.Shown[ceMinimize]);
  EXPECT_TRUE(l.Disabled[ceMinimize]);
  Click(*frame, ceMinimize, HTMINBUTTON);
  EXPECT_EQ(Posted(w), 0u);
  Click(*frame, ceMaximize, HTMAXBUTTON);
  EXPECT_EQ(Posted(w), static_cast<WPARAM>(SC_MAXIMIZE));
}

}  // namespace
