#include "script_runner.h"

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <memory>

#include "base/text_convert.h"
#include "png_writer.h"
#include "window_capture.h"

namespace {

constexpr DWORD kPollInterval = 15;
// How long the display gets to take in what a window painted before a screenshot reads it back.
constexpr DWORD kSettleAfterPaint = 200;

std::wstring WindowText(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

std::string Quoted(const std::wstring& text) { return "\"" + ToAnsi(text) + "\""; }

bool SameClass(HWND window, const std::wstring& name) {
  wchar_t buffer[128];
  auto equal = [&](int length) {
    if (length != static_cast<int>(name.size())) return false;
    for (int i = 0; i < length; ++i)
      if (std::towlower(buffer[i]) != std::towlower(name[i])) return false;
    return true;
  };
  // A superclassed control answers its own class name to GetClassName and the system class it is
  // built on to RealGetWindowClass; a script may name either.
  if (equal(GetClassNameW(window, buffer, 128))) return true;
  return equal(static_cast<int>(RealGetWindowClassW(window, buffer, 128)));
}

bool IsButton(HWND window) { return SameClass(window, L"Button"); }
bool IsListBox(HWND window) { return SameClass(window, L"ListBox"); }

// The caption without its accelerator marks ("&Pads" reads "Pads", "&&" reads "&").
std::wstring WithoutMarks(const std::wstring& text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

bool CaptionMatches(const std::wstring& text, const std::wstring& wanted) {
  if (!wanted.empty() && wanted.back() == L'*') {
    std::wstring prefix = wanted.substr(0, wanted.size() - 1);
    return text.starts_with(prefix) || WithoutMarks(text).starts_with(prefix);
  }
  return text == wanted || WithoutMarks(text) == wanted;
}

struct TTopSearch {
  std::wstring Caption;
  HWND Found = nullptr;
};

BOOL CALLBACK TopSearch(HWND window, LPARAM l) {
  auto* search = reinterpret_cast<TTopSearch*>(l);
  if (IsWindowVisible(window) && WindowText(window) == search->Caption) {
    search->Found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK TopList(HWND window, LPARAM l) {
  if (IsWindowVisible(window)) reinterpret_cast<std::vector<std::string>*>(l)->push_back(Quoted(WindowText(window)));
  return TRUE;
}

HWND FindTop(const std::wstring& caption) {
  TTopSearch search{caption};
  EnumThreadWindows(GetCurrentThreadId(), TopSearch, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

struct TChildSearch {
  std::vector<HWND> Visible;
};

BOOL CALLBACK SearchChild(HWND window, LPARAM l) {
  if (IsWindowVisible(window)) reinterpret_cast<TChildSearch*>(l)->Visible.push_back(window);
  return TRUE;
}

// Selectors: "Caption" (accelerator marks optional, a trailing * matches a prefix), "@Class" or
// "@Class#N" (the N-th visible control of that class), "@focus" (the focused control).
HWND FindControl(HWND root, const std::string& selector, std::string& reason) {
  if (selector == "@focus") {
    HWND focus = GetFocus();
    if (!focus) reason = "no control has the focus";
    return focus;
  }
  TChildSearch search;
  EnumChildWindows(root, SearchChild, reinterpret_cast<LPARAM>(&search));
  if (!selector.empty() && selector[0] == '@') {
    std::string name = selector.substr(1);
    int wanted = 1;
    size_t hash = name.find('#');
    if (hash != std::string::npos) {
      wanted = std::atoi(name.c_str() + hash + 1);
      name.resize(hash);
    }
    std::wstring cls = ToWide(name);
    int seen = 0;
    for (HWND child : search.Visible)
      if (SameClass(child, cls) && ++seen == wanted) return child;
    reason = "no visible control " + selector + " (" + std::to_string(seen) + " of that class)";
    return nullptr;
  }
  std::wstring wanted = ToWide(selector);
  for (HWND child : search.Visible)
    if (CaptionMatches(WindowText(child), wanted)) return child;
  reason = "no visible control captioned \"" + selector + "\"";
  return nullptr;
}

// A user can reach a control only when it and the window it sits in are enabled (a window under a
// modal dialog is not).
bool Reachable(HWND control, std::string& reason) {
  HWND root = GetAncestor(control, GA_ROOT);
  if (!IsWindowEnabled(control) || (root && !IsWindowEnabled(root))) {
    reason = "the control is disabled (or its window is behind a modal one)";
    return false;
  }
  return true;
}

std::vector<std::wstring> ListItems(HWND list) {
  std::vector<std::wstring> items;
  LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<size_t>(length < 0 ? 0 : length) + 1, L'\0');
    LRESULT got = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                               reinterpret_cast<LPARAM>(text.data()));
    text.resize(got < 0 ? 0 : static_cast<size_t>(got));
    items.push_back(text);
  }
  return items;
}

std::vector<std::wstring> SelectedItems(HWND list) {
  std::vector<std::wstring> all = ListItems(list), out;
  for (size_t i = 0; i < all.size(); ++i)
    if (SendMessageW(list, LB_GETSEL, i, 0) > 0) out.push_back(all[i]);
  return out;
}

std::string Joined(const std::vector<std::wstring>& items) {
  std::string out;
  for (const std::wstring& item : items) out += (out.empty() ? "" : " ") + Quoted(item);
  return out.empty() ? "(none)" : out;
}

// An item named by its text or by "#N", its 0-based index.
int FindItem(HWND list, const std::string& item, std::string& reason) {
  if (item.size() > 1 && item[0] == '#') {
    // By index the texts are not needed: reading thousands of them would be timed with the step.
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    int index = item == "#last" ? count - 1 : std::atoi(item.c_str() + 1);
    if (index >= 0 && index < count) return index;
    reason = "no item " + item + " among " + std::to_string(count);
    return -1;
  }
  std::vector<std::wstring> items = ListItems(list);
  std::wstring wanted = ToWide(item);
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i] == wanted) return static_cast<int>(i);
  reason = "no item \"" + item + "\" among " + Joined(items);
  return -1;
}

// The client point at the middle of an item, scrolling it into view first as a user would.
POINT ItemPoint(HWND list, int index) {
  RECT item{}, client{};
  GetClientRect(list, &client);
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  if (item.top < client.top || item.bottom > client.bottom) {
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  }
  return {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
}

POINT MiddleOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right / 2, client.bottom / 2};
}

LPARAM PointParam(POINT p) { return MAKELPARAM(p.x, p.y); }

void PostLeftClick(HWND window, POINT p, WPARAM keys) {
  PostMessageW(window, WM_LBUTTONDOWN, keys | MK_LBUTTON, PointParam(p));
  PostMessageW(window, WM_LBUTTONUP, keys, PointParam(p));
}

struct TKeyName {
  const char* Name;
  UINT Key;
};

constexpr TKeyName kKeys[] = {
    {"enter", VK_RETURN},   {"return", VK_RETURN}, {"escape", VK_ESCAPE}, {"esc", VK_ESCAPE},
    {"tab", VK_TAB},        {"space", VK_SPACE},   {"backspace", VK_BACK}, {"delete", VK_DELETE},
    {"up", VK_UP},          {"down", VK_DOWN},     {"left", VK_LEFT},     {"right", VK_RIGHT},
    {"home", VK_HOME},      {"end", VK_END},       {"pageup", VK_PRIOR},  {"pagedown", VK_NEXT},
    {"f1", VK_F1},          {"f2", VK_F2},         {"f3", VK_F3},         {"f4", VK_F4},
    {"f5", VK_F5},          {"f6", VK_F6},         {"f7", VK_F7},         {"f8", VK_F8},
    {"f9", VK_F9},          {"f10", VK_F10},       {"f11", VK_F11},       {"f12", VK_F12},
};

// "enter", "a", "7", "alt+p": the virtual key and whether Alt is held; 0 for an unknown name.
UINT KeyCode(std::string name, bool& alt) {
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  alt = name.starts_with("alt+");
  if (alt) name = name.substr(4);
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
    return static_cast<UINT>(std::toupper(static_cast<unsigned char>(name[0])));
  for (const TKeyName& key : kKeys)
    if (name == key.Name) return key.Key;
  return 0;
}

void PostKey(HWND target, UINT key, bool alt) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
  const LPARAM context = alt ? (1 << 29) : 0;
  const LPARAM up = static_cast<LPARAM>(0xC0000000u);
  PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1 | scan | context);
  PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, key, 1 | scan | context | up);
}

void ListControls(HWND root, int depth, std::vector<std::string>& lines) {
  for (HWND child = GetWindow(root, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t cls[128] = {};
    GetClassNameW(child, cls, 128);
    RECT r{};
    GetWindowRect(child, &r);
    POINT origin{r.left, r.top};
    ScreenToClient(root, &origin);
    lines.push_back(std::string(static_cast<size_t>(depth) * 2, ' ') + "@" + ToAnsi(cls) + " " +
                    Quoted(WindowText(child)) + " at " + std::to_string(origin.x) + "," +
                    std::to_string(origin.y) + " size " + std::to_string(r.right - r.left) + "x" +
                    std::to_string(r.bottom - r.top) +
                    (IsWindowVisible(child) ? "" : " hidden") +
                    (IsWindowEnabled(child) ? "" : " disabled"));
    ListControls(child, depth + 1, lines);
  }
}

// A message box: the framework's message form or the system's dialog box class.
bool IsMessageBox(HWND window) {
  return SameClass(window, L"TMessageForm") || SameClass(window, L"#32770");
}

// The message of a message box: the texts of its static controls.
std::wstring MessageText(HWND box) {
  TChildSearch search;
  EnumChildWindows(box, SearchChild, reinterpret_cast<LPARAM>(&search));
  std::wstring text;
  for (HWND child : search.Visible) {
    if (!SameClass(child, L"Static")) continue;
    std::wstring part = WindowText(child);
    if (!part.empty()) text += (text.empty() ? L"" : L" ") + part;
  }
  return text;
}

struct TMessageBoxSearch {
  std::wstring Except;  // a caption a step waits for
  HWND Found = nullptr;
};

BOOL CALLBACK MessageBoxSearch(HWND window, LPARAM l) {
  auto* search = reinterpret_cast<TMessageBoxSearch*>(l);
  if (IsWindowVisible(window) && IsMessageBox(window) && WindowText(window) != search->Except) {
    search->Found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindMessageBox(const std::wstring& except = {}) {
  TMessageBoxSearch search{except};
  EnumThreadWindows(GetCurrentThreadId(), MessageBoxSearch, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

// Presses the message box's OK (or only) button; "message "CAPTION": "TEXT"" for the output.
std::string DismissMessageBox(HWND box) {
  const std::string line = "message " + Quoted(WindowText(box)) + ": " + Quoted(MessageText(box));
  TChildSearch search;
  EnumChildWindows(box, SearchChild, reinterpret_cast<LPARAM>(&search));
  HWND button = nullptr;
  for (HWND child : search.Visible) {
    if (!IsButton(child)) continue;
    if (!button || CaptionMatches(WindowText(child), L"OK")) button = child;
  }
  if (button)
    PostMessageW(button, BM_CLICK, 0, 0);
  else
    PostMessageW(box, WM_CLOSE, 0, 0);
  return line;
}

// The modal window a user would answer now: a visible, enabled top-level window of the thread
// that has an owner (the host's main window has none, and is disabled under a modal one).
BOOL CALLBACK ModalSearch(HWND window, LPARAM l) {
  if (IsWindowVisible(window) && IsWindowEnabled(window) && GetWindow(window, GW_OWNER)) {
    *reinterpret_cast<HWND*>(l) = window;
    return FALSE;
  }
  return TRUE;
}

// One step of the cancel path: a message box is answered with OK, a dialog with its Cancel button
// (or closed when it has none). "" when nothing modal is open.
std::string AnswerModalWindow() {
  HWND window = FindMessageBox();
  if (window) return DismissMessageBox(window);
  EnumThreadWindows(GetCurrentThreadId(), ModalSearch, reinterpret_cast<LPARAM>(&window));
  if (!window) return {};
  std::string why;
  HWND cancel = FindControl(window, "Cancel", why);
  if (cancel && IsButton(cancel) && IsWindowEnabled(cancel))
    PostMessageW(cancel, BM_CLICK, 0, 0);
  else
    PostMessageW(window, WM_CLOSE, 0, 0);
  return "cancelled " + Quoted(WindowText(window));
}

// How long the cancel path may take before the session counts as stuck.
constexpr DWORD kFinishTimeout = 30000;

THostCallClock host_call_clock = nullptr;

}  // namespace

void SetHostCallClock(THostCallClock clock) { host_call_clock = clock; }

TScriptRunner::TScriptRunner(TScript script, TUiThreadCall& ui, TOutput output)
    : script_(std::move(script)), ui_(ui), output_(std::move(output)) {}

bool TScriptRunner::RunAll(std::string& failure) {
  for (const TScriptStep& step : script_.Steps) {
    output_("line " + std::to_string(step.Line) + ": " + StepText(step));
    std::string reason;
    const ULONGLONG started = GetTickCount64();
    const double host_started = host_call_clock ? host_call_clock() : 0;
    if (!RunStep(step, reason)) {
      failure = "line " + std::to_string(step.Line) + ": " + StepText(step) + ": " + reason;
      if (!finish_on_stop_) return false;
      stopped_ = true;
      output_("stopped at " + failure);
      return FinishSession(failure);
    }
    if (report_times_ && step.Verb != "report-times") {
      const ULONGLONG took = GetTickCount64() - started;
      std::string line = "line " + std::to_string(step.Line) + ": took " + std::to_string(took) + " ms";
      if (host_call_clock) {
        char host[48];
        std::snprintf(host, sizeof host, ", host calls %.0f ms", std::max(0.0, host_call_clock() - host_started));
        line += host;
      }
      output_(line);
    }
  }
  return true;
}

bool TScriptRunner::Once(const TJob& job, TAnswer& answer, std::string& reason) {
  auto box = std::make_shared<TAnswer>();
  if (!ui_.Run([box, job] { *box = job(); }, timeout_)) {
    reason = "the UI thread did not answer within " + std::to_string(timeout_) + " ms";
    return false;
  }
  answer = *box;
  if (!answer.Ok) reason = answer.Detail;
  return answer.Ok;
}

bool TScriptRunner::Until(const TJob& job, TAnswer& answer, std::string& reason) {
  const ULONGLONG deadline = GetTickCount64() + timeout_;
  for (;;) {
    if (!Once(job, answer, reason) && reason.starts_with("the UI thread did not answer"))
      return false;
    if (answer.Ok) return true;
    if (finish_on_stop_) {
      std::string why;
      if (Interrupted(why)) {
        reason += " (" + why + ")";
        return false;
      }
    }
    if (GetTickCount64() >= deadline) {
      reason += " (after " + std::to_string(timeout_) + " ms)";
      return false;
    }
    Sleep(kPollInterval);
  }
}

bool TScriptRunner::Settle(std::string& reason) {
  // A step in a window is over when its effects are on the screen too: the window's pending
  // repaints are done before the answer, so that the step's time includes them. Handling a posted
  // message may post further ones (a key's help request, a click's notification); they belong to the
  // step as well, so the answer waits until the UI thread's queue holds none of them.
  constexpr int most_rounds = 100;
  HWND root = current_;
  auto pending = std::make_shared<bool>(false);
  for (int round = 0; round < most_rounds; ++round) {
    TAnswer answer;
    if (!Once([root, pending] {
          if (root && IsWindow(root) && IsWindowVisible(root))
            RedrawWindow(root, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
          *pending = HIWORD(GetQueueStatus(QS_POSTMESSAGE | QS_KEY | QS_MOUSEBUTTON)) != 0;
          return TAnswer{true, {}, nullptr};
        }, answer, reason))
      return false;
    if (!*pending) return true;
  }
  return true;
}

bool TScriptRunner::Interrupted(std::string& reason) {
  if (signals_ && signals_->HostExceptions > 0) {
    reason = "the host handled an exception";
    return true;
  }
  auto box = std::make_shared<std::wstring>();
  const std::wstring except = waited_caption_;
  std::string ignored;
  TAnswer answer;
  if (Once([box, except] {
        if (HWND found = FindMessageBox(except)) *box = WindowText(found);
        return TAnswer{true, {}, nullptr};
      }, answer, ignored) && !box->empty()) {
    reason = "a message box " + Quoted(*box) + " is open";
    return true;
  }
  // Read last: a session that ended with a message box still open reports the message box.
  if (signals_ && signals_->Over) {
    reason = "the session is over";
    return true;
  }
  return false;
}

bool TScriptRunner::FinishSession(std::string& reason) {
  const ULONGLONG deadline = GetTickCount64() + kFinishTimeout;
  for (;;) {
    auto line = std::make_shared<std::string>();
    TAnswer answer;
    std::string why;
    if (!Once([line] {
          *line = AnswerModalWindow();
          return TAnswer{true, {}, nullptr};
        }, answer, why)) {
      reason += "; " + why;
      return false;
    }
    if (!line->empty()) {
      output_(*line);
      current_ = nullptr;
      if (!Settle(why)) {
        reason += "; " + why;
        return false;
      }
    }
    // Without signals from a host there is no session to wait for: one pass is all.
    if (!signals_ || signals_->Over) return true;
    if (GetTickCount64() >= deadline) {
      reason += "; the session did not end within " + std::to_string(kFinishTimeout) + " ms";
      return false;
    }
    Sleep(kPollInterval);
  }
}

bool TScriptRunner::NeedWindow(std::string& reason) const {
  if (current_) return true;
  reason = "no window waited for yet";
  return false;
}

bool TScriptRunner::RunStep(const TScriptStep& step, std::string& reason) {
  const std::string& verb = step.Verb;
  const std::vector<std::string>& a = step.Args;
  TAnswer answer;

  if (verb == "timeout") {
    timeout_ = static_cast<DWORD>(std::strtod(a[0].c_str(), nullptr) * 1000);
    return true;
  }
  if (verb == "report-times") {
    report_times_ = a[0] == "on";
    return true;
  }
  if (verb == "echo") {
    output_(a[0]);
    return true;
  }
  if (verb == "on-stop") {
    finish_on_stop_ = a[0] == "finish";
    return true;
  }
  if (verb == "dismiss-message") {
    auto line = std::make_shared<std::string>();
    if (!Once([line] {
          if (HWND box = FindMessageBox()) *line = DismissMessageBox(box);
          return TAnswer{true, {}, nullptr};
        }, answer, reason))
      return false;
    if (line->empty()) return true;
    output_(*line);
    return Settle(reason);
  }
  if (verb == "wait-window") {
    std::wstring caption = ToWide(a[0]);
    waited_caption_ = caption;
    const bool found_it = Until([caption] {
      HWND found = FindTop(caption);
      return TAnswer{found != nullptr, "no window " + Quoted(caption), found};
    }, answer, reason);
    waited_caption_.clear();
    if (!found_it) return false;
    current_ = answer.Window;
    current_caption_ = caption;
    // A window is there for the user once it is painted.
    return Settle(reason);
  }
  if (verb == "wait-no-window") {
    std::wstring caption = ToWide(a[0]);
    if (!Until([caption] {
          return TAnswer{FindTop(caption) == nullptr, "the window " + Quoted(caption) + " is still open"};
        }, answer, reason))
      return false;
    if (current_caption_ == caption) current_ = nullptr;
    return true;
  }
  if (verb == "print-windows") {
    auto captions = std::make_shared<std::vector<std::string>>();
    if (!Once([captions] {
          EnumThreadWindows(GetCurrentThreadId(), TopList, reinterpret_cast<LPARAM>(captions.get()));
          return TAnswer{true, {}, nullptr};
        }, answer, reason))
      return false;
    std::string line = "windows:";
    for (const std::string& caption : *captions) line += " " + caption;
    output_(line);
    return true;
  }
  if (verb == "print-controls") {
    if (!NeedWindow(reason)) return false;
    auto lines = std::make_shared<std::vector<std::string>>();
    HWND root = current_;
    if (!Once([root, lines] {
          if (!IsWindow(root)) return TAnswer{false, "the window is gone", nullptr};
          ListControls(root, 0, *lines);
          return TAnswer{true, {}, nullptr};
        }, answer, reason))
      return false;
    output_("controls of " + Quoted(current_caption_) + ":");
    for (const std::string& line : *lines) output_("  " + line);
    return true;
  }

  if (!NeedWindow(reason)) return false;
  HWND root = current_;
  // Every verb from here on names a control of the current window first.
  const std::string selector = a.empty() ? std::string() : a[0];
  auto control_job = [root, selector](auto body) {
    return [root, selector, body]() -> TAnswer {
      if (!IsWindow(root)) return TAnswer{false, "the window is gone", nullptr};
      std::string why;
      HWND control = FindControl(root, selector, why);
      if (!control) return TAnswer{false, why, nullptr};
      return body(control);
    };
  };

  if (verb == "click") {
    if (!Once(control_job([](HWND control) {
          std::string why;
          if (!Reachable(control, why)) return TAnswer{false, why, nullptr};
          if (IsButton(control))
            PostMessageW(control, BM_CLICK, 0, 0);
          else
            PostLeftClick(control, MiddleOf(control), 0);
          return TAnswer{true, {}, nullptr};
        }), answer, reason))
      return false;
    return Settle(reason);
  }
  if (verb == "check") {
    const bool on = a[1] == "on";
    if (!Once(control_job([on](HWND control) {
          std::string why;
          if (!IsButton(control)) return TAnswer{false, "not a check box or radio button", nullptr};
          if (!Reachable(control, why)) return TAnswer{false, why, nullptr};
          const bool checked = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
          if (checked != on) PostMessageW(control, BM_CLICK, 0, 0);
          return TAnswer{true, {}, nullptr};
        }), answer, reason))
      return false;
    return Settle(reason);
  }
  if (verb == "select" || verb == "double-click") {
    const std::string item = a[1];
    WPARAM keys = 0;
    if (a.size() == 3 && a[2] == "ctrl") keys = MK_CONTROL;
    if (a.size() == 3 && a[2] == "shift") keys = MK_SHIFT;
    const bool twice = verb == "double-click";
    if (!Once(control_job([item, keys, twice](HWND list) {
          std::string why;
          if (!IsListBox(list)) return TAnswer{false, "not a list box", nullptr};
          if (!Reachable(list, why)) return TAnswer{false, why, nullptr};
          int index = FindItem(list, item, why);
          if (index < 0) return TAnswer{false, why, nullptr};
          POINT p = ItemPoint(list, index);
          PostLeftClick(list, p, keys);
          if (twice) {
            PostMessageW(list, WM_LBUTTONDBLCLK, keys | MK_LBUTTON, PointParam(p));
            PostMessageW(list, WM_LBUTTONUP, keys, PointParam(p));
          }
          return TAnswer{true, {}, nullptr};
        }), answer, reason))
      return false;
    return Settle(reason);
  }
  if (verb == "right-click") {
    const std::string item = a.size() > 1 ? a[1] : std::string();
    if (!Once(control_job([item](HWND control) {
          std::string why;
          if (!Reachable(control, why)) return TAnswer{false, why, nullptr};
          POINT p = MiddleOf(control);
          if (!item.empty()) {
            if (!IsListBox(control)) return TAnswer{false, "not a list box", nullptr};
            int index = FindItem(control, item, why);
            if (index < 0) return TAnswer{false, why, nullptr};
            p = ItemPoint(control, index);
          }
          PostMessageW(control, WM_RBUTTONDOWN, MK_RBUTTON, PointParam(p));
          PostMessageW(control, WM_RBUTTONUP, 0, PointParam(p));
          return TAnswer{true, {}, nullptr};
        }), answer, reason))
      return false;
    return Settle(reason);
  }
  if (verb == "set-text") {
    std::wstring text = ToWide(a[1]);
    if (!Once(control_job([text](HWND control) {
          std::string why;
          if (!Reachable(control, why)) return TAnswer{false, why, nullptr};
          SetWindowTextW(control, text.c_str());
          return TAnswer{true, {}, nullptr};
        }), answer, reason))
      return false;
    return Settle(reason);
  }
  if (verb == "type" || verb == "key") {
    std::wstring text = verb == "type" ? ToWide(a[0]) : std::wstring();
    bool alt = false;
    UINT key = verb == "key" ? KeyCode(a[0], alt) : 0;
    if (verb == "key" && !key) {
      reason = "unknown key " + a[0];
      return false;
    }
    // Keys go where the keyboard's input would go: the focused control, else the window.
    if (!Once([root, text, key, alt] {
          if (!IsWindow(root)) return TAnswer{false, "the window is gone", nullptr};
          HWND target = GetFocus();
          if (!target) target = root;
          if (key) {
            PostKey(target, key, alt);
          } else {
            for (wchar_t c : text) PostMessageW(target, WM_CHAR, c, 1);
          }
          return TAnswer{true, {}, nullptr};
        }, answer, reason))
      return false;
    return Settle(reason);
  }
  if (verb == "expect-text") {
    std::wstring wanted = ToWide(a[1]);
    return Until(control_job([wanted](HWND control) {
                   std::wstring text = WindowText(control);
                   return TAnswer{text == wanted, "the text is " + Quoted(text)};
                 }), answer, reason);
  }
  if (verb == "expect-items" || verb == "expect-selected") {
    std::vector<std::wstring> wanted;
    for (size_t i = 1; i < a.size(); ++i) wanted.push_back(ToWide(a[i]));
    const bool selection = verb == "expect-selected";
    return Until(control_job([wanted, selection](HWND list) {
                   if (!IsListBox(list)) return TAnswer{false, "not a list box", nullptr};
                   std::vector<std::wstring> items = selection ? SelectedItems(list) : ListItems(list);
                   return TAnswer{items == wanted, std::string(selection ? "selected: " : "items: ") +
                                                       Joined(items)};
                 }), answer, reason);
  }
  if (verb == "expect-current") {
    std::wstring wanted = ToWide(a[1]);
    return Until(control_job([wanted](HWND list) {
                   if (!IsListBox(list)) return TAnswer{false, "not a list box", nullptr};
                   LRESULT index = SendMessageW(list, LB_GETCARETINDEX, 0, 0);
                   std::vector<std::wstring> items = ListItems(list);
                   std::wstring current = index >= 0 && index < static_cast<LRESULT>(items.size())
                                              ? items[static_cast<size_t>(index)]
                                              : L"(none)";
                   return TAnswer{current == wanted, "the current item is " + Quoted(current)};
                 }), answer, reason);
  }
  if (verb == "expect-checked" || verb == "expect-enabled") {
    const bool on = a[1] == "on";
    const bool checked = verb == "expect-checked";
    return Until(control_job([on, checked](HWND control) {
                   bool state = checked ? SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED
                                        : IsWindowEnabled(control) != FALSE;
                   return TAnswer{state == on, std::string(checked ? "checked" : "enabled") + " is " +
                                                   (state ? "on" : "off")};
                 }), answer, reason);
  }
  if (verb == "expect-focus") {
    return Until(control_job([](HWND control) {
                   HWND focus = GetFocus();
                   return TAnswer{focus == control,
                                  focus ? "the focus is on " + Quoted(WindowText(focus))
                                        : std::string("nothing has the focus")};
                 }), answer, reason);
  }
  if (verb == "print") {
    if (!Once(control_job([](HWND control) { return TAnswer{true, ToAnsi(WindowText(control))}; }),
              answer, reason))
      return false;
    output_("text of " + selector + ": \"" + answer.Detail + "\"");
    return true;
  }
  if (verb == "print-items") {
    if (!Once(control_job([](HWND list) {
          if (!IsListBox(list)) return TAnswer{false, "not a list box", nullptr};
          std::string detail = "items: " + Joined(ListItems(list)) +
                               "; selected: " + Joined(SelectedItems(list));
          return TAnswer{true, detail};
        }), answer, reason))
      return false;
    output_(selector + " " + answer.Detail);
    return true;
  }
  if (verb == "screenshot") {
    auto image = std::make_shared<TRgbImage>();
    // Painted first, then read back a moment later: the window system hands what a window painted
    // to the display only once the UI thread is back in its message loop, so a read right after the
    // paint can catch a half-drawn list.
    if (!Once([root] {
          RedrawWindow(root, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
          return TAnswer{true, ""};
        }, answer, reason))
      return false;
    Sleep(kSettleAfterPaint);
    if (!Once([root, image] {
          std::string why;
          bool ok = CaptureWindow(root, *image, why);
          return TAnswer{ok, why};
        }, answer, reason))
      return false;
    if (!WritePngFile(ToWide(a[0]), *image, reason)) return false;
    output_("screenshot " + a[0] + " " + std::to_string(image->Width) + "x" +
            std::to_string(image->Height));
    return true;
  }
  reason = "the runner does not know this verb";
  return false;
}
