#include "frame/message_boxes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TSeenDialog {
  std::wstring title;
  std::vector<std::wstring> buttons;
  bool centred = false;
};

TSeenDialog seen;

BOOL CALLBACK CollectButton(HWND child, LPARAM) {
  wchar_t cls[32] = {}, text[64] = {};
  GetClassNameW(child, cls, 32);
  if (_wcsicmp(cls, L"Button") == 0) {
    GetWindowTextW(child, text, 64);
    seen.buttons.push_back(text);
  }
  return TRUE;
}

// Runs inside the dialog's modal loop: notes what it shows, then presses its first button.
void CALLBACK InspectAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = GetActiveWindow();
  if (!dialog) return;
  KillTimer(nullptr, timer);
  wchar_t title[64] = {};
  GetWindowTextW(dialog, title, 64);
  seen.title = title;
  EnumChildWindows(dialog, CollectButton, 0);
  RECT r, screen;
  GetWindowRect(dialog, &r);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
  int dx = (r.left + r.right) / 2 - (screen.left + screen.right) / 2;
  int dy = (r.top + r.bottom) / 2 - (screen.top + screen.bottom) / 2;
  seen.centred = dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2;
  HWND button = FindWindowExW(dialog, nullptr, L"Button", nullptr);
  if (button) PostMessageW(button, BM_CLICK, 0, 0);
}

int ShowAndInspect(int (*show)(const std::string&, const std::string&), const std::string& title) {
  seen = TSeenDialog{};
  SetTimer(nullptr, 0, 50, InspectAndClose);
  return show("Something to say.", title);
}

TEST(MessageBoxes, InformationAndErrorHaveTheirDefaultTitleAndOneOkButton) {
  EXPECT_EQ(ShowAndInspect(ShowInformation, ""), 1);
  EXPECT_EQ(seen.title, L"Information");
  EXPECT_EQ(seen.buttons, std::vector<std::wstring>{L"OK"});
  EXPECT_TRUE(seen.centred);
  EXPECT_EQ(ShowAndInspect(ShowError, ""), 1);
  EXPECT_EQ(seen.title, L"Error");
  EXPECT_EQ(seen.buttons, std::vector<std::wstring>{L"OK"});
  EXPECT_EQ(ShowAndInspect(ShowError, "Hole Size Editor"), 1);
  EXPECT_EQ(seen.title, L"Hole Size Editor");
}

}  // namespace
