#pragma once
// What the toolkit's link-carrying controls do with their links. The dialog framework fills these
// at library start; a control calls the one it needs when it is set.

#include <functional>
#include <string>

struct TLinkHandlers {
  std::function<void(const std::wstring& link)> Clicked;
  std::function<void(const std::wstring& link)> Navigate;
  std::function<void(const std::wstring& link)> OpenInHelpBrowser;
  std::function<void(const std::wstring& text)> MouseEnter;
  std::function<void()> MouseLeave;
};

TLinkHandlers& LinkHandlers();
