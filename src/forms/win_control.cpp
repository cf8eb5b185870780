#include "forms/win_control.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "base/ascii.h"
#include "base/text_convert.h"
#include "forms/color_rgb.h"
#include "forms/errors.h"
#include "base/fault_guard.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

HINSTANCE FrameworkModule() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

THookPoint<void(TWinControl&, TControl&)> ControlInsertedHook("ControlInserted",
                                                              &InsertControlDefault);

namespace {

const wchar_t kControlProp[] = L"TavrinControl";
// The control whose framework-class window is being made: its first messages arrive before
// CreateWindowEx returns.
thread_local TWinControl* g_creating = nullptr;
TWindowExceptionSink window_exception_sink = nullptr;
std::map<std::wstring, ATOM>& RegisteredClasses() {
  static std::map<std::wstring, ATOM> classes;
  return classes;
}

// The control of each attached window. A window property is kept by the window server: reading it
// costs a round trip to the server, once for every message, which made a list box refresh of a few
// hundred messages take a tenth of a second. This answers in the process. One map for the process,
// not one per thread: a thread-local object with a destructor pins the library in memory for good,
// so the host could never unload it.
class TAttachedControls {
 public:
  TWinControl* Find(HWND window) {
    AcquireSRWLockShared(&lock_);
    auto found = controls_.find(window);
    TWinControl* control = found != controls_.end() ? found->second : nullptr;
    ReleaseSRWLockShared(&lock_);
    return control;
  }
  void Add(HWND window, TWinControl* control) {
    AcquireSRWLockExclusive(&lock_);
    controls_[window] = control;
    ReleaseSRWLockExclusive(&lock_);
  }
  void Remove(HWND window) {
    AcquireSRWLockExclusive(&lock_);
    controls_.erase(window);
    ReleaseSRWLockExclusive(&lock_);
  }

 private:
  SRWLOCK lock_ = SRWLOCK_INIT;
  std::unordered_map<HWND, TWinControl*> controls_;
};

// Never destroyed: controls owned by other static objects detach while the library unloads, after
// this file's own statics may have gone. Empty by then, it leaves only its bucket array behind.
TAttachedControls& AttachedControls() {
  static TAttachedControls* controls = new TAttachedControls;
  return *controls;
}

TWinControl* ControlOf(HWND window) {
  if (TWinControl* control = AttachedControls().Find(window)) return control;
  // A window that is none of ours, or one attached before the map was there.
  return static_cast<TWinControl*>(GetPropW(window, kControlProp));
}

}  // namespace

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT msg, WPARAM w, LPARAM l) {
  auto* control = ControlOf(window);
  if (!control && g_creating) {
    control = std::exchange(g_creating, nullptr);
    control->Attach(window);
  }
  if (!control) return DefWindowProcW(window, msg, w, l);
  if (msg == kFormReleaseMessage && control->AsForm()) {
    // Freed here, not in the form's own procedure, which would go on running inside a freed form.
    std::exception_ptr error = RunGuarded([control] { delete control; });
    if (error && window_exception_sink) window_exception_sink(nullptr, error);
    return 0;
  }
  TMessage m{msg, w, l, 0};
  control->MainWndProc(m);
  if (msg == WM_NCDESTROY) control->Detach();
  return m.Result;
}

TWinControl* FindControl(HWND window) {
  return window ? ControlOf(window) : nullptr;
}

TWinControl* FindControlOrParent(HWND window) {
  for (; window; window = GetParent(window))
    if (TWinControl* c = FindControl(window)) return c;
  return nullptr;
}

TShiftState KeyboardShiftState() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}

bool IsAccel(char c, std::string_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return AsciiUpper(caption[i + 1]) == AsciiUpper(c);
  }
  return false;
}

void ReleaseWindowClasses() {
  for (auto& [name, atom] : RegisteredClasses()) UnregisterClassW(name.c_str(), FrameworkModule());
  RegisteredClasses().clear();
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  PublishOnce<TWinControl>([](TPublisher<TWinControl>& p) {
    p.Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder);
    p.Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop);
  });
}

TWinControl::~TWinControl() {
  // Children first: they leave our lists as they go.
  while (!controls_.empty()) delete controls_.back();
  DestroyHandle();
}

void SetWindowExceptionSink(TWindowExceptionSink sink) { window_exception_sink = sink; }

void TWinControl::ControlFocused(TWinControl* control) {
  if (TWinControl* parent = Parent()) parent->ControlFocused(control);
}

void TWinControl::ControlLeft(TControl* control) {
  if (TWinControl* parent = Parent()) parent->ControlLeft(control);
}

void TWinControl::MainWndProc(TMessage& msg) {
  std::exception_ptr error = RunGuarded([&] { WindowProc(msg); });
  if (error && window_exception_sink) window_exception_sink(this, error);
}

void TWinControl::Attach(HWND window) {
  handle_ = window;
  SetPropW(window, kControlProp, this);
  AttachedControls().Add(window, this);
}

void TWinControl::Detach() {
  if (!handle_) return;
  RemovePropW(handle_, kControlProp);
  AttachedControls().Remove(handle_);
  if (system_proc_) SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(system_proc_));
  system_proc_ = nullptr;
  handle_ = nullptr;
}

LRESULT TWinControl::Perform(UINT msg, WPARAM w, LPARAM l) {
  TMessage m{msg, w, l, 0};
  WindowProc(m);
  return m.Result;
}

HWND TWinControl::Handle() {
  if (!handle_) {
    // A child's window needs its parent's first.
    if (Parent()) Parent()->HandleNeeded();
    if (!handle_) {
      CreateWnd();
      CreateChildHandles();
    }
  }
  return handle_;
}

void TWinControl::CreateChildHandles() {
  for (TControl* c : controls_)
    if (auto* w = class_cast<TWinControl>(c); w && !w->handle_) w->Handle();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = ToWide(text_);
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (visible_) params.Style |= WS_VISIBLE;
  if (!enabled_) params.Style |= WS_DISABLED;
  if (tab_stop_) params.Style |= WS_TABSTOP;
  params.X = left_;
  params.Y = top_;
  params.Width = width_;
  params.Height = height_;
  if (Parent()) params.WndParent = Parent()->Handle();
  params.WinClassName = ToWide(ClassName());
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw EInvalidOperation("Control " + Name() + " has no parent window");
  HINSTANCE module = FrameworkModule();
  const wchar_t* cls = params.WinClassName.c_str();
  if (!params.SystemClass && !RegisteredClasses().count(params.WinClassName)) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = params.WindowClass.style;
    wc.lpfnWndProc = &FrameworkWindowProc;
    wc.hInstance = module;
    wc.hCursor = params.WindowClass.cursor ? params.WindowClass.cursor : LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = params.WindowClass.icon;
    wc.lpszClassName = cls;
    ATOM atom = RegisterClassExW(&wc);
    if (!atom) throw EInvalidOperation("Cannot register the window class of " + std::string(ClassName()));
    RegisteredClasses()[params.WinClassName] = atom;
  }
  HWND window;
  if (params.SystemClass) {
    window = CreateWindowExW(params.ExStyle, cls, params.Caption.c_str(), params.Style, params.X,
                             params.Y, params.Width, params.Height, params.WndParent, nullptr,
                             module, params.Param);
    if (window) {
      Attach(window);
      system_proc_ = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWindowProc)));
    }
  } else {
    g_creating = this;
    window = CreateWindowExW(params.ExStyle, cls, params.Caption.c_str(), params.Style, params.X,
                             params.Y, params.Width, params.Height, params.WndParent, nullptr,
                             module, params.Param);
    g_creating = nullptr;
  }
  if (!window) throw EInvalidOperation("Cannot create the window of " + Name());
  handle_ = window;
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
}

void TWinControl::DestroyWnd() {
  if (!handle_) return;
  HWND h = handle_;
  DestroyWindow(h);
  // A window of a system class may not get WM_NCDESTROY through us if it was never attached.
  Detach();
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  for (TControl* c : controls_)
    if (auto* w = class_cast<TWinControl>(c)) w->DestroyHandle();
  DestroyWnd();
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  bool was_visible = IsWindowVisible(handle_);
  DestroyHandle();
  HandleNeeded();
  // Top-level windows are shown by their own step, not by their style.
  if (was_visible && !IsWindowVisible(handle_)) ShowWindow(handle_, SW_SHOWNA);
}

void TWinControl::DefaultHandler(TMessage& msg) {
  if (!handle_) return;
  msg.Result = system_proc_ ? CallWindowProcW(system_proc_, handle_, msg.Msg, msg.WParam, msg.LParam)
                            : DefWindowProcW(handle_, msg.Msg, msg.WParam, msg.LParam);
}

HBRUSH TWinControl::BackgroundBrush() {
  TColor c = EffectiveColor();
  if (!brush_ || brush_color_ != c) {
    brush_.reset(CreateSolidBrush(ColorToRGB(c)));
    brush_color_ = c;
  }
  return brush_.get();
}

HBRUSH TWinControl::CtlColor(HDC dc) {
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  SetBkColor(dc, ColorToRGB(EffectiveColor()));
  return BackgroundBrush();
}

void TWinControl::WndProc(TMessage& msg) {
  switch (msg.Msg) {
    case WM_COMMAND:
      if (msg.LParam) {
        if (TWinControl* child = FindControl(reinterpret_cast<HWND>(msg.LParam)); child && child != this) {
          child->CNCommand(HIWORD(msg.WParam));
          msg.Result = 0;
          return;
        }
      }
      break;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(msg.LParam);
      if (TWinControl* child = FindControl(header->hwndFrom); child && child != this) {
        msg.Result = 0;
        child->CNNotify(header, msg.Result);
        return;
      }
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (TWinControl* child = FindControl(reinterpret_cast<HWND>(msg.LParam))) {
        msg.Result = reinterpret_cast<LRESULT>(child->CtlColor(reinterpret_cast<HDC>(msg.WParam)));
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (!system_proc_) {
        RECT r;
        GetClientRect(handle_, &r);
        FillRect(reinterpret_cast<HDC>(msg.WParam), &r, BackgroundBrush());
        msg.Result = 1;
        return;
      }
      break;
    case WM_SETFOCUS:
      if (TWinControl* parent = Parent(); parent && !AsForm()) parent->ControlFocused(this);
      break;
    case WM_WINDOWPOSCHANGED: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(msg.LParam);
      DefaultHandler(msg);
      if (!(pos->flags & SWP_NOMOVE) || !(pos->flags & SWP_NOSIZE)) {
        RECT r;
        GetWindowRect(handle_, &r);
        if (HWND parent = GetParent(handle_); parent && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD))
          MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        left_ = r.left;
        top_ = r.top;
        width_ = r.right - r.left;
        height_ = r.bottom - r.top;
      }
      return;
    }
    case WM_LBUTTONDBLCLK:
      DefaultHandler(msg);
      if (!system_proc_) DblClick();
      return;
  }
  DefaultHandler(msg);
}

void TWinControl::InsertControl(TControl& control) { ControlInsertedHook(*this, control); }

void InsertControlDefault(TWinControl& parent, TControl& control) {
  if (control.parent_ == &parent) return;
  for (TWinControl* p = &parent; p; p = p->Parent())
    if (p == &control) throw EInvalidOperation("A control cannot be placed inside itself");
  if (control.parent_) control.parent_->RemoveControl(control);
  parent.controls_.push_back(&control);
  control.parent_ = &parent;
  if (auto* win = class_cast<TWinControl>(&control)) parent.tab_list_.push_back(win);
  control.ParentFontChanged();
  control.ParentColorChanged();
  if (auto* win = class_cast<TWinControl>(&control); win && parent.HandleAllocated()) win->HandleNeeded();
  parent.ControlChange(&control, true);
}

void TWinControl::RemoveControl(TControl& control) { RemoveControlDefault(*this, control); }

void RemoveControlDefault(TWinControl& parent, TControl& control) {
  if (control.parent_ != &parent) return;
  if (auto* win = class_cast<TWinControl>(&control)) {
    win->DestroyHandle();
    auto& tabs = parent.tab_list_;
    tabs.erase(std::remove(tabs.begin(), tabs.end(), win), tabs.end());
  }
  auto& list = parent.controls_;
  list.erase(std::remove(list.begin(), list.end(), &control), list.end());
  control.parent_ = nullptr;
  parent.ControlLeft(&control);
  parent.ControlChange(&control, false);
}

POINT TWinControl::ClientToScreen(POINT p) {
  ::ClientToScreen(Handle(), &p);
  return p;
}

void TWinControl::Invalidate() {
  if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TWinControl::InvalidateArea(const RECT& area) {
  if (HandleAllocated()) InvalidateRect(Handle(), &area, TRUE);
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

void TWinControl::ControlChange(TControl* control, bool inserting) {
  if (Parent()) Parent()->ControlChange(control, inserting);
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& tabs = Parent()->tab_list_;
  auto it = std::find(tabs.begin(), tabs.end(), this);
  return it == tabs.end() ? -1 : static_cast<int>(it - tabs.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!Parent()) return;
  auto& tabs = Parent()->tab_list_;
  auto it = std::find(tabs.begin(), tabs.end(), this);
  if (it == tabs.end()) return;
  tabs.erase(it);
  size_t at = order < 0 ? tabs.size() : std::min(static_cast<size_t>(order), tabs.size());
  tabs.insert(tabs.begin() + static_cast<std::ptrdiff_t>(at), this);
}

void TWinControl::SetTabStop(bool value) {
  if (value == tab_stop_) return;
  tab_stop_ = value;
  if (handle_) {
    LONG style = GetWindowLongW(handle_, GWL_STYLE);
    SetWindowLongW(handle_, GWL_STYLE, value ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  }
}

void TWinControl::CollectTabOrder(std::vector<TWinControl*>& list) {
  for (TWinControl* c : tab_list_) {
    list.push_back(c);
    c->CollectTabOrder(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool check_tab_stop,
                                          bool check_parent) {
  std::vector<TWinControl*> list;
  CollectTabOrder(list);
  if (list.empty()) return nullptr;
  int n = static_cast<int>(list.size());
  auto it = std::find(list.begin(), list.end(), current);
  int start = it == list.end() ? (forward ? n - 1 : 0) : static_cast<int>(it - list.begin());
  int i = start;
  for (int step = 0; step < n; ++step) {
    i = forward ? (i + 1) % n : (i + n - 1) % n;
    TWinControl* c = list[static_cast<size_t>(i)];
    if (c == current) break;
    if ((!check_tab_stop || c->TabStop()) && (!check_parent || c->Parent() == this) && c->CanFocus())
      return c;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool check_tab_stop) {
  if (TWinControl* next = FindNextControl(current, forward, check_tab_stop, !check_tab_stop))
    next->SetFocus();
}

void TWinControl::SelectFirst() {
  if (TWinControl* first = FindNextControl(nullptr, true, true, false)) first->SetFocus();
}

bool TWinControl::CanFocus() {
  for (TControl* c = this; c; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
    if (c->AsForm()) return true;
  }
  return false;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (TWinControl* parent = Parent(); parent && !AsForm()) parent->ControlFocused(this);
  if (Showing()) ::SetFocus(Handle());
}

bool TWinControl::DialogChar(char c) {
  std::vector<TControl*> children = controls_;
  for (TControl* child : children)
    if (auto* w = class_cast<TWinControl>(child); w && w->Visible() && w->Enabled() && w->DialogChar(c))
      return true;
  return false;
}

RECT TWinControl::ClientRect() {
  RECT r{};
  GetClientRect(Handle(), &r);
  return r;
}

namespace {

SIZE FrameSize(HWND window) {
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), GetMenu(window) != nullptr,
                     static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

void TWinControl::SetClientWidth(int v) { SetWidth(v + FrameSize(Handle()).cx); }

void TWinControl::SetClientHeight(int v) { SetHeight(v + FrameSize(Handle()).cy); }

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  if (handle_)
    SetWindowPos(handle_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string TWinControl::Text() const {
  if (!handle_) return text_;
  int n = GetWindowTextLengthW(handle_);
  std::wstring w(static_cast<size_t>(n) + 1, L'\0');
  n = GetWindowTextW(handle_, w.data(), n + 1);
  w.resize(static_cast<size_t>(n));
  return ToAnsi(w);
}

void TWinControl::SetText(std::string_view text) {
  if (handle_) {
    text_ = std::string(text);
    SetWindowTextW(handle_, ToWide(text).c_str());
    TextChanged();
    return;
  }
  TControl::SetText(text);
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  if (handle_) {
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
    InvalidateRect(handle_, nullptr, TRUE);
  }
  for (TControl* c : controls_) c->ParentFontChanged();
}

void TWinControl::ColorChanged() {
  TControl::ColorChanged();
  for (TControl* c : controls_) c->ParentColorChanged();
}

void TWinControl::EnabledChanged() {
  if (handle_) EnableWindow(handle_, Enabled());
}

void TWinControl::VisibleChanged() {
  if (handle_) ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
}
