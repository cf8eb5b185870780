#pragma once
// Windowed controls: a control with a window of its own, made on demand and made again when its
// creation parameters change. Native controls (BUTTON, LISTBOX, …) keep their system class, so
// that UI automation and screen readers know them; the framework subclasses them. Every message
// to a framework window runs inside a barrier: an exception or processor fault raised while it
// is handled goes to the application's exception handling and the message loop goes on.

#include <windows.h>
// wingdi's GetObject macro would rename TStrings::GetObject in every file that includes us.
#undef GetObject

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "base/unique_handle.h"
#include "forms/control.h"
#include "base/hook_point.h"

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;  // the parent window, or for a top-level window its owner
  void* Param = nullptr;
  // The window class: a framework class is registered under WinClassName with these values; a
  // system class (SystemClass) is used as it is and subclassed.
  std::wstring WinClassName;
  bool SystemClass = false;
  struct {
    UINT style = CS_DBLCLKS;
    HCURSOR cursor = nullptr;
    HICON icon = nullptr;
  } WindowClass;
};

class TWinControl : public TControl {
  TAVRIN_CLASS(TWinControl, TControl)
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // Destroys the window (and its children's) and makes it again if it existed.
  void RecreateWnd();
  void DestroyHandle();

  // Child controls in insertion order.
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
  const std::vector<TControl*>& ControlList() const { return controls_; }
  // Both run through the hook point ControlInsertedHook / the framework's removal.
  void InsertControl(TControl& control) override;
  void RemoveControl(TControl& control) override;
  bool ContainsControl(const TControl* control) const;

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool value);
  // Windowed children in tab order.
  const std::vector<TWinControl*>& TabList() const { return tab_list_; }
  // The next control after current in the flattened tab order of this control's tree (wrapping
  // around): forward or backward, only tab stops if check_tab_stop, only this control's direct
  // children if check_parent. nullptr when there is none.
  TWinControl* FindNextControl(TWinControl* current, bool forward, bool check_tab_stop,
                               bool check_parent);
  void SelectNext(TWinControl* current, bool forward, bool check_tab_stop);
  void SelectFirst();

  virtual bool CanFocus();
  bool Focused() const;
  virtual void SetFocus();

  // The control's window procedure; a replacement (the theme frame) may take it over and pass
  // on what it does not handle to the saved one. By default it calls WndProc.
  std::function<void(TMessage&)> WindowProc;
  // Sends a message straight to the window procedure (creating nothing).
  LRESULT Perform(UINT msg, WPARAM w = 0, LPARAM l = 0);

  // The framework's dialog-character step (Alt+letter and letters on controls that take no
  // characters): true when a control with that accelerator took it. The default asks every
  // child in turn.
  virtual bool DialogChar(char c);
  // Whether the control acts on the Return key itself instead of leaving it to the form's default
  // button (a button does).
  virtual bool HandlesReturnKey() const { return false; }
  // A control of this one's tree took the focus, or left the tree: the notice travels up the
  // parent chain to the form, which keeps track of its controls.
  virtual void ControlFocused(TWinControl* control);
  virtual void ControlLeft(TControl* control);

  // The framework's notification that a control was inserted into (or removed from) this
  // control or one of its descendants; the default passes it up to the parent.
  virtual void ControlChange(TControl* control, bool inserting);

  TWinControl* AsWinControl() const override { return const_cast<TWinControl*>(this); }
  POINT ClientToScreen(POINT p) override;
  void Invalidate() override;

  RECT ClientRect() override;
  // The window's frame (from its styles) is added to the client size.
  void SetClientWidth(int v) override;
  void SetClientHeight(int v) override;
  void SetBounds(int left, int top, int width, int height) override;
  std::string Text() const override;
  void SetText(std::string_view text) override;

 protected:
  void InvalidateArea(const RECT& area) override;
  virtual void CreateParams(TCreateParams& params);
  // Makes the window from the creation parameters; subclasses push their state into the new
  // window after calling it.
  virtual void CreateWnd();
  // Saves what the window holds (subclasses first save, then call it) and destroys it.
  virtual void DestroyWnd();
  virtual void WndProc(TMessage& msg);
  // The window's own processing: the system class's procedure or the default one.
  void DefaultHandler(TMessage& msg);

  // Notifications reflected from the parent's window.
  virtual void CNCommand(WORD code) { (void)code; }
  virtual void CNNotify(NMHDR* header, LRESULT& result) { (void)header, (void)result; }
  // Colours of a native control's painting; returns the background brush.
  virtual HBRUSH CtlColor(HDC dc);
  HBRUSH BackgroundBrush();

  void FontChanged() override;
  void ColorChanged() override;
  void EnabledChanged() override;
  void VisibleChanged() override;
  // Creates the windows of windowed children that have none yet.
  void CreateChildHandles();

 private:
  friend void InsertControlDefault(TWinControl& parent, TControl& control);
  friend void RemoveControlDefault(TWinControl& parent, TControl& control);
  friend LRESULT CALLBACK FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM);
  friend TWinControl* FindControl(HWND window);
  void MainWndProc(TMessage& msg);
  void Attach(HWND window);
  void Detach();
  void CollectTabOrder(std::vector<TWinControl*>& list);

  HWND handle_ = nullptr;
  WNDPROC system_proc_ = nullptr;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tab_list_;
  bool tab_stop_ = false;
  TUniqueHbrush brush_;
  TColor brush_color_ = clNone;
};

// Where the window procedures' barrier hands what escaped a handler; the application sets it.
// Posted by a form's Release; the form's window frees the form when it arrives.
constexpr UINT kFormReleaseMessage = WM_APP + 0x3F21;

using TWindowExceptionSink = void (*)(TObject* sender, std::exception_ptr error);
void SetWindowExceptionSink(TWindowExceptionSink sink);

// The framework control a window belongs to, or nullptr for windows of others.
TWinControl* FindControl(HWND window);
// The control of the window or of the nearest of its parents that has one.
TWinControl* FindControlOrParent(HWND window);
TShiftState KeyboardShiftState();
// True when caption marks c as its accelerator with "&" (ASCII case ignored; "&&" is a plain &).
bool IsAccel(char c, std::string_view caption);
// Unregisters the framework's window classes (library end, after every window is gone).
void ReleaseWindowClasses();

void InsertControlDefault(TWinControl& parent, TControl& control);
void RemoveControlDefault(TWinControl& parent, TControl& control);
extern THookPoint<void(TWinControl& parent, TControl& control)> ControlInsertedHook;

// The module whose resources and window classes the framework uses: the one it is linked into.
HINSTANCE FrameworkModule();
