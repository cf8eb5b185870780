#pragma once
// The host's options dialog: it asks every loaded server module for the options pages and options
// views named on the command line (--options-page, --options-view), lists what they offer and
// embeds the selected one in its page area through a THostFormHolder. OK saves, Cancel cancels;
// closing detaches every form and releases it. Modules that offer nothing leave the list empty.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/com_ptr.h"
#include "form_holder.h"
#include "hostapi/i_external_form.h"

class TOptionsDialog {
 public:
  explicit TOptionsDialog(HWND owner);
  ~TOptionsDialog();
  TOptionsDialog(const TOptionsDialog&) = delete;
  TOptionsDialog& operator=(const TOptionsDialog&) = delete;

  // Asks the modules and makes the dialog's windows (shown when show holds); false when the
  // window system refuses.
  bool Open(bool show);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  const std::wstring& PageTitle(int index) const { return pages_[index].Title; }
  IExternalForm* PageForm(int index) const { return pages_[index].Form.get(); }
  HWND PageArea() const { return page_area_; }
  // Embeds a page in the page area, detaching the one shown before.
  void Select(int index);
  // OK (accept) or Cancel: the pages save or cancel, then every form is detached and released and
  // the windows go.
  void Finish(bool accept);
  // Shows the dialog modally until OK, Cancel or its close box.
  void RunModal();

 private:
  struct TOfferedPage {
    std::wstring Title;
    TComPtr<IExternalForm> Form;
    TComPtr<IOptionsPage> Page;            // empty for an options view
    TComPtr<IDocumentOptionsView> View;    // empty for an options page
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l);
  void CollectPages();
  void Layout();

  HWND owner_;
  HWND window_ = nullptr;
  HWND list_ = nullptr;
  HWND page_area_ = nullptr;
  HWND empty_label_ = nullptr;
  std::unique_ptr<THostFormHolder> holder_;  // made with the page area
  std::vector<TOfferedPage> pages_;
  int selected_ = -1;
  bool finished_ = false;
};

// The menu's "Options..." item and the options probe: opens the dialog over the main window.
void ShowOptionsDialog();
// Opens the dialog, reports what it holds, embeds the first page and closes with Cancel.
void ProbeOptionsDialog();
