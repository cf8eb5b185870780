#include "options_dialog.h"

#include "base/bstr.h"
#include "host_report.h"
#include "host_state.h"
#include "trace.h"

namespace {

constexpr int kListId = 100;  // not IDOK or IDCANCEL
constexpr int kOkId = IDOK;
constexpr int kCancelId = IDCANCEL;
constexpr int kListWidth = 180;
constexpr int kMargin = 8;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 24;

const wchar_t kDialogClass[] = L"TavrinHostOptions";
const wchar_t kPageAreaClass[] = L"TavrinHostOptionsPageArea";

void RegisterDialogClasses() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSW cls{};
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = kDialogClass;
  cls.lpfnWndProc = DefWindowProcW;  // replaced per window below
  RegisterClassW(&cls);
  cls.lpszClassName = kPageAreaClass;
  RegisterClassW(&cls);
  registered = true;
}

std::string ServerModuleName(IServerModule* module) {
  TUniqueBstr name;
  module->GetModuleName(name.Put());
  return name.Ansi();
}

std::string StatusLine(const std::string& what, HRESULT status) {
  return what + " -> " + TraceStatus(status);
}

}  // namespace

TOptionsDialog::TOptionsDialog(HWND owner) : owner_(owner) {}

TOptionsDialog::~TOptionsDialog() {
  if (!finished_) Finish(false);
}

void TOptionsDialog::CollectPages() {
  THostState& host = Host();
  for (IServerModule* module : {host.PluginModule.get(), host.PcbModule.get()}) {
    if (!module) continue;
    std::string name = ServerModuleName(module);
    TComPtr<IOptionsPageProvider> provider;
    module->QueryInterface(IID_IOptionsPageProvider, provider.PutVoid());
    for (const std::wstring& page_name : host.Options.OptionsPages) {
      if (!provider) break;
      TUniqueBstr text(page_name);
      TComPtr<IOptionsPage> page;
      HRESULT status = provider->CreateOptionsPage(text.get(), page.Put());
      HostReport(StatusLine("options page " + TraceText(page_name.c_str()) + " of " + name,
                             status) +
                 " page=" + TracePointer(page.get()));
      if (FAILED(status)) ReportErrorInfo();
      if (!page) continue;
      TOfferedPage offered;
      offered.Title = std::wstring(name.begin(), name.end()) + L": " + page_name;
      offered.Page = page;
      page->QueryInterface(IID_IExternalForm, offered.Form.PutVoid());
      if (offered.Form) pages_.push_back(std::move(offered));
      else HostReport("options page " + TraceText(page_name.c_str()) + " is no external form");
    }
    for (const std::wstring& view_name : host.Options.OptionsViews) {
      TUniqueBstr text(view_name);
      TComPtr<IDocumentOptionsView> view;
      HRESULT status = module->CreateOptionsView(text.get(), view.Put());
      HostReport(StatusLine("options view " + TraceText(view_name.c_str()) + " of " + name,
                             status) +
                 " view=" + TracePointer(view.get()));
      if (FAILED(status)) ReportErrorInfo();
      if (!view) continue;
      TOfferedPage offered;
      offered.Title = std::wstring(name.begin(), name.end()) + L": " + view_name;
      offered.View = view;
      offered.Form = TComPtr<IExternalForm>(view.get());
      pages_.push_back(std::move(offered));
    }
  }
  HostReport("options dialog pages=" + std::to_string(pages_.size()));
}

bool TOptionsDialog::Open(bool show) {
  RegisterDialogClasses();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  window_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kDialogClass, L"Options",
                            WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, CW_USEDEFAULT,
                            CW_USEDEFAULT, 700, 460, owner_, nullptr, instance, nullptr);
  if (!window_) return false;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TOptionsDialog::WindowProc));
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  auto child = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int id) {
    HWND w = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return w;
  };
  list_ = child(L"LISTBOX", L"", WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, kListId);
  page_area_ = child(kPageAreaClass, L"", WS_CLIPCHILDREN, 0);
  empty_label_ = child(L"STATIC", L"No loaded module offers an options page.", 0, 0);
  child(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, kOkId);
  child(L"BUTTON", L"Cancel", WS_TABSTOP | BS_PUSHBUTTON, kCancelId);
  holder_ = std::make_unique<THostFormHolder>(page_area_);
  CollectPages();
  for (const TOfferedPage& page : pages_)
    SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(page.Title.c_str()));
  ShowWindow(empty_label_, pages_.empty() ? SW_SHOWNA : SW_HIDE);
  Layout();
  if (show) ShowWindow(window_, SW_SHOW);
  if (!pages_.empty()) Select(0);
  return true;
}

void TOptionsDialog::Layout() {
  RECT client;
  GetClientRect(window_, &client);
  int bottom = client.bottom - kMargin - kButtonHeight;
  MoveWindow(list_, kMargin, kMargin, kListWidth, bottom - 2 * kMargin, TRUE);
  int area_left = 2 * kMargin + kListWidth;
  int area_width = client.right - area_left - kMargin;
  int area_height = bottom - 2 * kMargin;
  MoveWindow(page_area_, area_left, kMargin, area_width, area_height, TRUE);
  MoveWindow(empty_label_, area_left, kMargin, area_width, 40, TRUE);
  MoveWindow(GetDlgItem(window_, kOkId), client.right - 2 * (kButtonWidth + kMargin), bottom,
             kButtonWidth, kButtonHeight, TRUE);
  MoveWindow(GetDlgItem(window_, kCancelId), client.right - kButtonWidth - kMargin, bottom,
             kButtonWidth, kButtonHeight, TRUE);
}

void TOptionsDialog::Select(int index) {
  if (index == selected_ || index < 0 || index >= PageCount()) return;
  if (selected_ >= 0) pages_[selected_].Form->SetHolder(nullptr);
  selected_ = index;
  SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  IExternalForm* form = pages_[index].Form.get();
  RECT area;
  GetClientRect(page_area_, &area);
  HRESULT status = form->SetHolder(holder_.get());
  if (SUCCEEDED(status)) status = form->Attach();
  if (SUCCEEDED(status)) status = form->SetBounds(0, 0, area.right, area.bottom);
  if (SUCCEEDED(status)) status = form->Show();
  if (SUCCEEDED(status)) form->FocusFirstControl();
  HostReport(StatusLine("options embed " + TraceText(pages_[index].Title.c_str()), status));
  if (FAILED(status)) ReportErrorInfo();
}

void TOptionsDialog::Finish(bool accept) {
  if (finished_) return;
  finished_ = true;
  for (TOfferedPage& page : pages_) {
    HRESULT status = S_OK;
    if (page.Page) status = accept ? page.Page->SaveOptions() : page.Page->CancelOptions();
    else if (accept) status = page.View->SaveViewOptions();
    if (page.Page || accept) {
      HostReport(StatusLine(std::string("options ") + (accept ? "save " : "cancel ") +
                                TraceText(page.Title.c_str()),
                            status));
      if (FAILED(status)) ReportErrorInfo();
    }
    page.Form->SetHolder(nullptr);
  }
  pages_.clear();
  if (window_) {
    if (owner_) EnableWindow(owner_, TRUE);
    DestroyWindow(window_);
    window_ = nullptr;
  }
  if (holder_) HostReport("options dialog closed holder references=" +
                          std::to_string(holder_->References()));
}

void TOptionsDialog::RunModal() {
  if (!window_) return;
  if (owner_) EnableWindow(owner_, FALSE);
  MSG message;
  while (!finished_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (!finished_) Finish(false);
}

LRESULT CALLBACK TOptionsDialog::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  auto* dialog = reinterpret_cast<TOptionsDialog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (dialog) {
    switch (message) {
      case WM_COMMAND:
        if (LOWORD(w) == kListId && HIWORD(w) == LBN_SELCHANGE) {
          dialog->Select(static_cast<int>(SendMessageW(dialog->list_, LB_GETCURSEL, 0, 0)));
          return 0;
        }
        if (LOWORD(w) == kOkId || LOWORD(w) == kCancelId) {
          dialog->Finish(LOWORD(w) == kOkId);
          return 0;
        }
        break;
      case WM_CLOSE:
        dialog->Finish(false);
        return 0;
    }
  }
  return DefWindowProcW(window, message, w, l);
}

void ShowOptionsDialog() {
  TOptionsDialog dialog(Host().MainWindow);
  if (!dialog.Open(true)) {
    HostReport("options dialog not opened");
    return;
  }
  dialog.RunModal();
}

void ProbeOptionsDialog() {
  TOptionsDialog dialog(Host().MainWindow);
  if (!dialog.Open(true)) {
    HostReport("options dialog not opened");
    return;
  }
  if (dialog.PageCount() > 0) {
    HWND form_window = nullptr;
    dialog.PageForm(0)->GetHandle(&form_window);
    int32_t left = 0, top = 0, width = 0, height = 0;
    dialog.PageForm(0)->GetBounds(&left, &top, &width, &height);
    RECT area;
    GetClientRect(dialog.PageArea(), &area);
    HostReport("options page embedded=" +
               std::string(form_window && GetParent(form_window) == dialog.PageArea() ? "yes" : "no") +
               " fills area=" +
               (left == 0 && top == 0 && width == area.right && height == area.bottom ? "yes" : "no"));
  }
  dialog.Finish(false);
}
