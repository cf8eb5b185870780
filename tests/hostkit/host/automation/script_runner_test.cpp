// The runner against a plain Win32 window of this test program with the native controls the
// dialogs are made of: every verb is checked by reading the controls' state back with messages.

#include "hostkit/host/automation/script_runner.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <thread>

#include "base/unique_handle.h"
#include "png_reader.h"

namespace {

constexpr int kGadgetId = 101;
constexpr int kListId = 102;
constexpr COLORREF kBackground = RGB(200, 30, 40);

struct TTestWindow {
  HWND Main = nullptr, List = nullptr, Ok = nullptr, Disabled = nullptr, Gadget = nullptr,
       Imperial = nullptr, Metric = nullptr, Edit = nullptr, Label = nullptr;
  int OkCommands = 0, CancelCommands = 0, SelChanges = 0, DoubleClicks = 0, ContextMenus = 0;
};

TTestWindow* current = nullptr;

LRESULT CALLBACK TestProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_COMMAND && current) {
    if (LOWORD(w) == IDOK) ++current->OkCommands;
    if (LOWORD(w) == IDCANCEL) ++current->CancelCommands;
    if (LOWORD(w) == kListId && HIWORD(w) == LBN_SELCHANGE) ++current->SelChanges;
    if (LOWORD(w) == kListId && HIWORD(w) == LBN_DBLCLK) ++current->DoubleClicks;
    return 0;
  }
  if (message == WM_CONTEXTMENU && current) {
    ++current->ContextMenus;
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

class ScriptRunnerTest : public testing::Test {
 protected:
  void SetUp() override {
    static TUniqueHbrush brush(CreateSolidBrush(kBackground));
    WNDCLASSW cls{};
    cls.lpfnWndProc = TestProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hbrBackground = brush.get();
    cls.lpszClassName = L"AutomationTestWindow";
    RegisterClassW(&cls);
    current = &w_;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    w_.Main = CreateWindowExW(0, L"AutomationTestWindow", L"Automation Test",
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 50, 50, 400, 300,
                              nullptr, nullptr, instance, nullptr);
    auto child = [&](const wchar_t* cls_name, const wchar_t* text, DWORD style, int x, int y, int cx,
                     int cy, int id) {
      return CreateWindowExW(0, cls_name, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, w_.Main,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    };
    w_.List = child(L"LISTBOX", L"", LBS_EXTENDEDSEL | LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP,
                    10, 10, 150, 60, kListId);
    w_.Ok = child(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 200, 10, 75, 24, IDOK);
    w_.Disabled = child(L"BUTTON", L"&Never", BS_PUSHBUTTON, 200, 40, 75, 24, 103);
    EnableWindow(w_.Disabled, FALSE);
    w_.Gadget = child(L"BUTTON", L"&Gadget", BS_AUTOCHECKBOX | WS_TABSTOP, 200, 70, 90, 20, kGadgetId);
    w_.Imperial = child(L"BUTTON", L"Imperial", BS_AUTORADIOBUTTON | WS_GROUP, 200, 95, 90, 20, 104);
    w_.Metric = child(L"BUTTON", L"Metric", BS_AUTORADIOBUTTON, 200, 120, 90, 20, 105);
    w_.Edit = child(L"EDIT", L"0mm", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 150, 150, 21, 106);
    w_.Label = child(L"STATIC", L"Pads : 0", 0, 10, 180, 150, 16, 107);
    for (const wchar_t* item : {L"8.000 mil", L"10.000 mil", L"12.000 mil", L"14.000 mil",
                                L"16.000 mil", L"18.000 mil", L"20.000 mil", L"22.000 mil"})
      SendMessageW(w_.List, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageW(w_.Imperial, BM_SETCHECK, BST_CHECKED, 0);
    UpdateWindow(w_.Main);
    ASSERT_TRUE(ui_.Create());
  }

  void TearDown() override {
    ui_.Destroy();
    DestroyWindow(w_.Main);
    current = nullptr;
  }

  // Runs the script on its own thread while this thread serves the window as a dialog loop would.
  bool Run(const std::string& text, const TSessionSignals* signals = nullptr) {
    TScript script;
    std::string error;
    EXPECT_TRUE(ParseScript(text, script, error)) << error;
    output_.clear();
    failure_.clear();
    TScriptRunner runner(std::move(script), ui_, [this](const std::string& line) {
      output_.push_back(line);
    });
    runner.SetSessionSignals(signals);
    TUniqueKernelHandle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    bool ok = false;
    std::thread thread([&] {
      ok = runner.RunAll(failure_);
      stopped_ = runner.Stopped();
      SetEvent(done.get());
    });
    HANDLE event = done.get();
    while (MsgWaitForMultipleObjects(1, &event, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (IsDialogMessageW(w_.Main, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
    thread.join();
    return ok;
  }

  std::vector<int> Selection() const {
    std::vector<int> out;
    for (int i = 0; i < SendMessageW(w_.List, LB_GETCOUNT, 0, 0); ++i)
      if (SendMessageW(w_.List, LB_GETSEL, i, 0) > 0) out.push_back(i);
    return out;
  }

  std::wstring TextOf(HWND window) const {
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
  }

  TTestWindow w_;
  TUiThreadCall ui_;
  std::vector<std::string> output_;
  std::string failure_;
  bool stopped_ = false;
};

TEST_F(ScriptRunnerTest, PlainCtrlAndShiftClicksSelectAsAUserWould) {
  ASSERT_TRUE(Run("wait-window \"Automation Test\"\n"
                  "select @ListBox \"10.000 mil\"\n"
                  "expect-selected @ListBox \"10.000 mil\"\n"
                  "select @ListBox \"14.000 mil\" ctrl\n"
                  "expect-selected @ListBox \"10.000 mil\" \"14.000 mil\"\n"
                  "select @ListBox \"10.000 mil\" ctrl\n"
                  "expect-selected @ListBox \"14.000 mil\"\n"
                  "expect-current @ListBox \"10.000 mil\"\n"))
      << failure_;
  EXPECT_EQ(Selection(), std::vector<int>{3});
  EXPECT_EQ(w_.SelChanges, 3);

  // Shift selects from the item last clicked without Shift; that item is scrolled into view first.
  ASSERT_TRUE(Run("wait-window \"Automation Test\"\n"
                  "select @ListBox \"12.000 mil\"\n"
                  "select @ListBox \"22.000 mil\" shift\n"
                  "expect-current @ListBox \"22.000 mil\"\n"))
      << failure_;
  EXPECT_EQ(Selection(), (std::vector<int>{2, 3, 4, 5, 6, 7}));
}

TEST_F(ScriptRunnerTest, DoubleAndRightClicksReachTheOwner) {
  ASSERT_TRUE(Run("wait-window \"Automation Test\"\n"
                  "double-click @ListBox #2\n"
                  "right-click @ListBox \"8.000 mil\"\n"))
      << failure_;
  EXPECT_EQ(w_.DoubleClicks, 1);
  EXPECT_EQ(w_.ContextMenus, 1);
  EXPECT_EQ(Selection(), std::vector<int>{2});
}

TEST_F(ScriptRunnerTest, ButtonsCheckBoxesAndRadioItems) {
  ASSERT_TRUE(Run("wait-window \"Automation Test\"\n"
                  "check Gadget on\n"
                  "expect-checked &Gadget on\n"
                  "check Gadget on\n"
                  "click Metric\n"
                  "expect-checked Metric on\n"
                  "expect-checked Imperial off\n"
                  "click OK\n"
                  "expect-enabled Never off\n"))
      << failure_;
  EXPECT_EQ(SendMessageW(w_.Gadget, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(w_.Metric, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(w_.OkCommands, 1);
}

TEST_F(ScriptRunnerTest, TextAndKeysGoWhereTheUserWouldTypeThem) {
  ASSERT_TRUE(Run("wait-window \"Automation Test\"\n"
                  "set-text @Edit \"12\"\n"
                  "click @Edit\n"
                  "expect-focus @Edit\n"
                  "key end\n"
                  "type \"mil\"\n"
                  "expect-text @Edit \"12mil\"\n"
                  "key enter\n"
                  "key escape\n"
                  "key alt+g\n"
                  "expect-checked Gadget on\n"
                  "print @Static\n"))
      << failure_;
  EXPECT_EQ(TextOf(w_.Edit), L"12mil");
  EXPECT_EQ(w_.OkCommands, 1);
  EXPECT_EQ(w_.CancelCommands, 1);
  EXPECT_NE(std::find(output_.begin(), output_.end(), "text of @Static: \"Pads : 0\""), output_.end());
}

TEST_F(ScriptRunnerTest, ScreenshotHoldsTheWindowAsDrawn) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  std::wstring path = std::wstring(folder) + L"automation-test.png";
  DeleteFileW(path.c_str());
  std::string ansi(path.begin(), path.end());
  std::replace(ansi.begin(), ansi.end(), '\\', '/');  // a backslash starts an escape in scripts
  ASSERT_TRUE(Run("wait-window \"Automation Test\"\nscreenshot \"" + ansi + "\"\n")) << failure_;
  TRgbImage image;
  std::string error;
  ASSERT_TRUE(ReadPngFile(ansi, image, error)) << error;
  RECT bounds;
  GetWindowRect(w_.Main, &bounds);
  EXPECT_EQ(image.Width, bounds.right - bounds.left);
  EXPECT_EQ(image.Height, bounds.bottom - bounds.top);
  // A point of the client area that no control covers shows the class brush.
  POINT p{350, 250};
  ClientToScreen(w_.Main, &p);
  const size_t at = (static_cast<size_t>(p.y - bounds.top) * image.Width + (p.x - bounds.left)) * 3;
  EXPECT_EQ(image.Pixels[at], GetRValue(kBackground));
  EXPECT_EQ(image.Pixels[at + 1], GetGValue(kBackground));
  EXPECT_EQ(image.Pixels[at + 2], GetBValue(kBackground));
  DeleteFileW(path.c_str());
}

// After "on-stop finish" a failing step stops the script without failing it; the cancel path then
// answers the open dialog with its Cancel button.
TEST_F(ScriptRunnerTest, AStopFinishesTheSessionByCancellingTheOpenDialog) {
  HWND cancel = CreateWindowExW(0, L"BUTTON", L"Cancel", WS_CHILD | WS_VISIBLE, 290, 10, 75, 24, w_.Main,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDCANCEL)),
                                GetModuleHandleW(nullptr), nullptr);
  // The cancel path answers owned windows only, as the plug-in's dialogs are.
  HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  SetWindowLongPtrW(w_.Main, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  EXPECT_TRUE(Run("timeout 0.2\non-stop finish\nwait-window \"Automation Test\"\nclick Apply\nclick OK\n"));
  EXPECT_TRUE(stopped_);
  EXPECT_EQ(w_.OkCommands, 0);
  EXPECT_EQ(w_.CancelCommands, 1);
  ASSERT_GE(output_.size(), 2u);
  EXPECT_EQ(output_[output_.size() - 2],
            "stopped at line 4: click \"Apply\": no visible control captioned \"Apply\"");
  EXPECT_EQ(output_.back(), "cancelled \"Automation Test\"");
  SetWindowLongPtrW(w_.Main, GWLP_HWNDPARENT, 0);
  DestroyWindow(owner);
  DestroyWindow(cancel);
}

// Once the host's session is over a wait cannot be answered any more: it stops at once instead of
// running out its time, and with nothing left open the session is finished.
TEST_F(ScriptRunnerTest, AWaitStopsAtOnceWhenTheSessionIsOver) {
  TSessionSignals signals;
  signals.Over = true;
  const ULONGLONG started = GetTickCount64();
  EXPECT_TRUE(Run("timeout 60\non-stop finish\nwait-window \"Nowhere\"\n", &signals));
  EXPECT_LT(GetTickCount64() - started, 30000u);
  EXPECT_TRUE(stopped_);
  EXPECT_EQ(output_.back(),
            "stopped at line 3: wait-window \"Nowhere\": no window \"Nowhere\" (the session is over)");
}

// Without "on-stop finish" (or after "on-stop fail") a failing step fails the script as before;
// "dismiss-message" with no message box open does nothing.
TEST_F(ScriptRunnerTest, WithoutOnStopFinishAFailureFailsTheScript) {
  EXPECT_FALSE(Run("timeout 0.2\non-stop finish\non-stop fail\ndismiss-message\nwait-window \"Nowhere\"\n"));
  EXPECT_FALSE(stopped_);
  EXPECT_EQ(failure_, "line 5: wait-window \"Nowhere\": no window \"Nowhere\" (after 200 ms)");
}

struct TFailingStep {
  const char* Script;
  const char* Failure;
};

class ScriptRunnerFailure : public ScriptRunnerTest, public testing::WithParamInterface<TFailingStep> {};

TEST_P(ScriptRunnerFailure, StopsAtTheStepWithTheReason) {
  EXPECT_FALSE(Run(std::string("timeout 0.2\n") + GetParam().Script));
  EXPECT_EQ(failure_, GetParam().Failure);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptRunnerFailure,
    testing::Values(
        TFailingStep{"click OK", "line 2: click \"OK\": no window waited for yet"},
        TFailingStep{"wait-window \"Nowhere\"",
                    "line 2: wait-window \"Nowhere\": no window \"Nowhere\" (after 200 ms)"},
        TFailingStep{"wait-window \"Automation Test\"\nwait-no-window \"Automation Test\"",
                    "line 3: wait-no-window \"Automation Test\": the window \"Automation Test\" is "
                    "still open (after 200 ms)"},
        TFailingStep{"wait-window \"Automation Test\"\nclick Never",
                    "line 3: click \"Never\": the control is disabled (or its window is behind a "
                    "modal one)"},
        TFailingStep{"wait-window \"Automation Test\"\nclick Apply",
                    "line 3: click \"Apply\": no visible control captioned \"Apply\""},
        TFailingStep{"wait-window \"Automation Test\"\nselect @ListBox#2 \"8.000 mil\"",
                    "line 3: select \"@ListBox#2\" \"8.000 mil\": no visible control @ListBox#2 (1 of "
                    "that class)"},
        TFailingStep{"wait-window \"Automation Test\"\nselect @ListBox \"9.000 mil\"",
                    "line 3: select \"@ListBox\" \"9.000 mil\": no item \"9.000 mil\" among \"8.000 mil\" "
                    "\"10.000 mil\" \"12.000 mil\" \"14.000 mil\" \"16.000 mil\" \"18.000 mil\" "
                    "\"20.000 mil\" \"22.000 mil\""},
        TFailingStep{"wait-window \"Automation Test\"\nselect OK \"x\"",
                    "line 3: select \"OK\" \"x\": not a list box"},
        TFailingStep{"wait-window \"Automation Test\"\nexpect-text @Static \"Pads : 1\"",
                    "line 3: expect-text \"@Static\" \"Pads : 1\": the text is \"Pads : 0\" (after 200 "
                    "ms)"},
        TFailingStep{"wait-window \"Automation Test\"\nexpect-selected @ListBox \"8.000 mil\"",
                    "line 3: expect-selected \"@ListBox\" \"8.000 mil\": selected: (none) (after 200 ms)"},
        TFailingStep{"wait-window \"Automation Test\"\nexpect-checked Gadget on",
                    "line 3: expect-checked \"Gadget\" \"on\": checked is off (after 200 ms)"},
        TFailingStep{"wait-window \"Automation Test\"\nkey hyper",
                    "line 3: key \"hyper\": unknown key hyper"}));

}  // namespace
