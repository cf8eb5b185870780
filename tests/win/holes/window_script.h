#pragma once
// Acts on a dialog that code under test opens modally, through real window messages: an idle step
// of whatever modal loop is running finds the dialog by its caption and runs the action once.

#include <windows.h>

#include <functional>
#include <string>

#include "forms/application.h"
#include "tests/win/support/own_window.h"

class TWhenShown {
 public:
  TWhenShown(std::wstring caption, std::function<void(HWND)> action)
      : caption_(std::move(caption)), action_(std::move(action)) {
    id_ = Application->AddIdleHandler([this](TObject*, bool& done) {
      done = false;
      if (ran_) return;
      HWND window = FindOwnWindow(nullptr, caption_.c_str());
      if (!window) return;
      ran_ = true;
      action_(window);
    });
  }
  ~TWhenShown() { Application->RemoveIdleHandler(id_); }
  TWhenShown(const TWhenShown&) = delete;
  TWhenShown& operator=(const TWhenShown&) = delete;

  bool Ran() const { return ran_; }

 private:
  std::wstring caption_;
  std::function<void(HWND)> action_;
  bool ran_ = false;
  int id_ = 0;
};

struct TChildSearch {
  const wchar_t* cls;
  const wchar_t* text;
  HWND found;
};

inline BOOL CALLBACK MatchChild(HWND child, LPARAM lp) {
  auto* s = reinterpret_cast<TChildSearch*>(lp);
  wchar_t buffer[256];
  GetClassNameW(child, buffer, 256);
  if (lstrcmpiW(buffer, s->cls) != 0) return TRUE;
  if (s->text) {
    GetWindowTextW(child, buffer, 256);
    if (lstrcmpW(buffer, s->text) != 0) return TRUE;
  }
  s->found = child;
  return FALSE;
}

// The first child window of a class (and text, when given).
inline HWND FindChild(HWND parent, const wchar_t* cls, const wchar_t* text = nullptr) {
  TChildSearch search{cls, text, nullptr};
  EnumChildWindows(parent, &MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline std::wstring WindowText(HWND window) {
  wchar_t buffer[512] = {};
  GetWindowTextW(window, buffer, 512);
  return buffer;
}

inline void ClickOn(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
