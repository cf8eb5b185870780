#pragma once
// A window of the class the system's WinHelp sends its requests to, so no help viewer is started:
// it records each request ("command data file") and answers as told.

#include <windows.h>

#include <string>
#include <vector>

#include "base/unique_handle.h"

class TTestWhatsThisViewer {
 public:
  TTestWhatsThisViewer();
  HWND Handle() const { return window_.get(); }
  std::vector<std::string> requests;
  bool answers = true;  // false: WinHelp reports failure

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  TUniqueHwnd window_;
};
