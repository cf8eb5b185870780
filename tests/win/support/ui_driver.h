#pragma once
// Drives framework windows the way a user does, through real window messages, and runs modal
// dialogs with a script that starts once the dialog is idle on screen.

#include <windows.h>

#include <functional>
#include <vector>

#include "base/unique_handle.h"
#include "forms/form.h"

// A top-level window of a window class of the test program's own, registered on first use.
TUniqueHwnd CreateTestWindow(const wchar_t* class_name, WNDPROC procedure, const wchar_t* title,
                             DWORD style, RECT bounds);

// A visible top-level window that stands in for the host's main window.
class TOwnerWindow {
 public:
  TOwnerWindow();
  HWND get() const { return window_.get(); }

 private:
  TUniqueHwnd window_;
};

// Runs the form modally; script runs once from the idle step after the form is shown (and the
// form is cancelled if the script does not end it within a bounded number of idle steps).
TModalResult RunModalWith(TCustomForm& form, std::function<void()> script);
// The same with steps, each run from an idle step of its own (so the modal loop sees what each
// step did before the next one runs).
TModalResult RunModalSteps(TCustomForm& form, std::vector<std::function<void()>> steps);
// Processes every waiting message (and posted ones they cause).
void Pump();

void ClickButton(TWinControl& button);
// A key press as the message loop receives it: WM_KEYDOWN then WM_KEYUP posted to the control.
void PressKey(TWinControl& control, WORD key);
// Posts a character (WM_CHAR, or WM_SYSCHAR when alt) to the control.
void PressChar(TWinControl& control, char c, bool alt);
// Mouse clicks in client coordinates; the key state flags (MK_CONTROL, MK_SHIFT) as given.
void MouseClick(HWND window, int x, int y, WPARAM keys);
void MouseDoubleClick(HWND window, int x, int y);
void RightClick(HWND window, int x, int y);
