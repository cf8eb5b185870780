#include "forms/form.h"

#include "base/scope_guard.h"
#include "forms/application_services.h"
#include "forms/enum_info.h"
#include "forms/errors.h"
#include "forms/layout/layout_parser.h"
#include "forms/layout/layout_reader.h"

THookPoint<void(TCustomForm&)> ShowingChangedHook("ShowingChanged", &FormShowingChangedDefault);

namespace {

struct TDisabledWindows {
  HWND except;
  std::vector<HWND> windows;
};

BOOL CALLBACK DisableWindow(HWND window, LPARAM param) {
  auto* d = reinterpret_cast<TDisabledWindows*>(param);
  if (window != d->except && IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    d->windows.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::string LoadLayoutResource(HINSTANCE module, const std::string& name) {
  std::wstring wide(name.begin(), name.end());
  HRSRC info = FindResourceW(module, wide.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL data = info ? LoadResource(module, info) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) throw EResNotFound("Resource " + name + " not found");
  return std::string(static_cast<const char*>(bytes), SizeofResource(module, info));
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner), layout_module_(FrameworkModule()) {
  visible_ = false;
  SetParentColor(false);
  SetParentFont(false);
}

TCustomForm::~TCustomForm() {
  DestroyComponents();
  DestroyHandle();
}

void TCustomForm::Construct(bool read_layout) {
  if (!read_layout) return;
  std::string name = LayoutName();
  std::string text = LoadLayoutResource(layout_module_, name);
  this->ReadLayout(text, name);
  if (old_create_order_) DoCreate();
}

void TCustomForm::AfterConstruction() {
  if (!created_) DoCreate();
}

void TCustomForm::DoCreate() {
  created_ = true;
  if (OnCreate) OnCreate(this);
}

void TCustomForm::ReadLayoutText(std::string_view text, const std::string& resource) {
  ReadLayout(text, resource);
}

void TCustomForm::ReadLayout(std::string_view text, const std::string& resource) {
  TLayoutNode tree = ParseLayout(text, resource);
  TLayoutBindings bindings(*this);
  DeclareBindings(bindings);
  IncludeFormState(fsCreating);
  auto done = OnScopeExit([this] { ExcludeFormState(fsCreating); });
  TLayoutReader reader(this, resource, &bindings);
  reader.ReadRoot(tree);
}

void TCustomForm::SetClientWidth(int v) {
  if (Loading()) client_width_ = v;
  else TWinControl::SetClientWidth(v);
}

void TCustomForm::SetClientHeight(int v) {
  if (Loading()) client_height_ = v;
  else TWinControl::SetClientHeight(v);
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  // The client size is measured on the window, once the border settings are all known.
  if (client_width_ >= 0) SetClientWidth(std::exchange(client_width_, -1));
  if (client_height_ >= 0) SetClientHeight(std::exchange(client_height_, -1));
}

void TCustomForm::SetBorderStyle(TBorderStyle value) {
  if (value == border_style_) return;
  border_style_ = value;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
  if (value == border_icons_) return;
  border_icons_ = value;
  RecreateWnd();
}

void TCustomForm::SetParentWindow(HWND window) {
  if (window == parent_window_) return;
  parent_window_ = window;
  // Child and pop-up windows differ in style: the window is made again.
  RecreateWnd();
}

void TCustomForm::SetWindowState(TWindowState value) {
  if (value == window_state_) return;
  window_state_ = value;
  if (HandleAllocated() && Showing()) ShowWindow(Handle(), ShowCommand());
}

int TCustomForm::ShowCommand() const {
  switch (window_state_) {
    case wsMinimized: return SW_SHOWMINNOACTIVE;
    case wsMaximized: return SW_SHOWMAXIMIZED;
    default: return SW_SHOWNORMAL;
  }
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  params.ExStyle = 0;
  if (!Enabled()) params.Style |= WS_DISABLED;
  params.WndParent = ApplicationServices()->Handle();
  if (position_ == poDefault || position_ == poDefaultPosOnly) params.X = params.Y = CW_USEDEFAULT;
  if (parent_window_) {
    params.Style |= WS_CHILD;
    params.WndParent = parent_window_;
  }
  TBorderStyle style = border_style_;
  switch (style) {
    case bsNone: params.Style |= parent_window_ ? 0 : WS_POPUP; break;
    case bsSingle: params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
      params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow:
      params.Style |= WS_CAPTION | WS_BORDER;
      params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (style != bsNone) {
    bool boxes = style != bsDialog && style != bsToolWindow && style != bsSizeToolWin;
    if (border_icons_.Contains(biSystemMenu)) params.Style |= WS_SYSMENU;
    if (boxes && border_icons_.Contains(biMinimize)) params.Style |= WS_MINIMIZEBOX;
    if (boxes && border_icons_.Contains(biMaximize)) params.Style |= WS_MAXIMIZEBOX;
    // The caption's help button only shows without minimise and maximise boxes.
    if (border_icons_.Contains(biHelp) &&
        (style == bsDialog || !(params.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))))
      params.ExStyle |= WS_EX_CONTEXTHELP;
  }
}

void TCustomForm::PruneSystemMenu() {
  if (border_style_ != bsDialog) return;
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  if (!menu) return;
  for (UINT command : {SC_TASKLIST, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE})
    DeleteMenu(menu, command, MF_BYCOMMAND);
}

void TCustomForm::WndProc(TMessage& msg) {
  switch (msg.Msg) {
    case WM_NCCREATE:
      DefaultHandler(msg);
      PruneSystemMenu();
      return;
    case WM_CLOSE:
      Close();
      msg.Result = 0;
      return;
    case WM_ACTIVATE:
      if (LOWORD(msg.WParam) != WA_INACTIVE && !HIWORD(msg.WParam)) {
        if (OnActivate) OnActivate(this);
        if (active_control_ && active_control_->CanFocus()) ::SetFocus(active_control_->Handle());
        else SelectFirst();
        if (GetFocus() == nullptr || !IsChild(Handle(), GetFocus())) ::SetFocus(Handle());
        msg.Result = 0;
        return;
      }
      break;
  }
  TWinControl::WndProc(msg);
}

void TCustomForm::VisibleChanged() {
  // A form without a window was never shown: hiding it makes none.
  if (!Visible() && !HandleAllocated()) return;
  HandleNeeded();
  ShowingChanged();
}

void TCustomForm::ShowingChanged() { ShowingChangedHook(*this); }

void FormShowingChangedDefault(TCustomForm& form) {
  HWND window = form.Handle();
  if (!form.Showing()) {
    ShowWindow(window, SW_HIDE);
    if (form.OnHide) form.OnHide(&form);
    return;
  }
  form.IncludeFormState(fsShowing);
  auto clear = OnScopeExit([&] { form.ExcludeFormState(fsShowing); });
  try {
    form.DoShow();
  } catch (...) {
    ApplicationServices()->HandleException(&form);
  }
  switch (form.Position()) {
    case poScreenCenter:
    case poDesktopCenter:
    case poMainFormCenter:
    case poOwnerFormCenter:
      form.CenterOnScreen();
      break;
    default:
      break;
  }
  ShowWindow(window, form.ShowCommand());
}

void TCustomForm::CenterOnScreen() {
  RECT area{};
  HWND owner = HandleAllocated() ? GetWindow(Handle(), GW_OWNER) : nullptr;
  bool on_owner = (position_ == poOwnerFormCenter || position_ == poMainFormCenter) && owner &&
                  IsWindowVisible(owner);
  if (on_owner) GetWindowRect(owner, &area);
  else SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  SetBounds((area.left + area.right - Width()) / 2, (area.top + area.bottom - Height()) / 2, Width(),
            Height());
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || form_state_.Contains(fsModal))
    throw EInvalidOperation("Cannot make a visible window modal");
  if (HWND capture = GetCapture()) SendMessageW(capture, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  HWND active_before = GetActiveWindow();
  HWND window = Handle();
  TDisabledWindows disabled{window, {}};
  EnumThreadWindows(GetCurrentThreadId(), &DisableWindow, reinterpret_cast<LPARAM>(&disabled));
  if (HWND owner = GetWindow(window, GW_OWNER); owner && IsWindowEnabled(owner)) {
    EnableWindow(owner, FALSE);
    disabled.windows.push_back(owner);
  }
  form_state_.Include(fsModal);
  auto restore = OnScopeExit([&] {
    if (Visible()) Hide();
    for (HWND w : disabled.windows)
      if (IsWindow(w)) EnableWindow(w, TRUE);
    form_state_.Exclude(fsModal);
    if (active_before && IsWindow(active_before)) SetActiveWindow(active_before);
  });
  modal_result_ = mrNone;
  Show();
  // Normally activation focuses the first control; the run must not depend on getting it.
  if (!active_control_)
    if (TWinControl* first = FindNextControl(nullptr, true, true, false)) first->SetFocus();
  while (modal_result_ == mrNone) {
    ApplicationServices()->HandleMessage();
    if (ApplicationServices()->Terminated()) modal_result_ = mrCancel;
    else if (modal_result_ != mrNone) CloseModal();
  }
  return modal_result_;
}

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  if (action == caNone) modal_result_ = mrNone;
}

void TCustomForm::Close() {
  if (form_state_.Contains(fsModal)) {
    modal_result_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caHide || action == caFree) Hide();
  else if (action == caMinimize) SetWindowState(wsMinimized);
}

void TCustomForm::Release() { PostMessageW(Handle(), kFormReleaseMessage, 0, 0); }

bool TCustomForm::CloseQuery() {
  bool can_close = true;
  if (OnCloseQuery) OnCloseQuery(this, can_close);
  return can_close;
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control && !ContainsControl(control))
    throw EInvalidOperation("Control " + control->Name() + " is not on form " + Name());
  active_control_ = control;
  if (control && Showing() && control->CanFocus()) ::SetFocus(control->Handle());
}

void TCustomForm::FocusChanged(TWinControl* control) {
  if (control && ContainsControl(control)) active_control_ = control;
}

void TCustomForm::SetDefaultButton(TWinControl* button, bool is_default) {
  if (is_default) default_button_ = button;
  else if (default_button_ == button) default_button_ = nullptr;
}

void TCustomForm::SetCancelButton(TWinControl* button, bool is_cancel) {
  if (is_cancel) cancel_button_ = button;
  else if (cancel_button_ == button) cancel_button_ = nullptr;
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == active_control_) active_control_ = nullptr;
  if (component == default_button_) default_button_ = nullptr;
  if (component == cancel_button_) cancel_button_ = nullptr;
}

void TCustomForm::ForgetControl(TControl* control) {
  if (control == active_control_) active_control_ = nullptr;
  if (control == default_button_) default_button_ = nullptr;
  if (control == cancel_button_) cancel_button_ = nullptr;
}

bool TCustomForm::ChildKey(TWinControl* control, WORD key, TShiftState shift) {
  (void)control, (void)key, (void)shift;
  return false;
}

bool TCustomForm::DialogKey(WORD key, TShiftState shift) {
  if (shift.Contains(ssAlt)) return false;
  // The control with the focus; the one that last had it while the form is not active.
  TWinControl* focused = FindControlOrParent(GetFocus());
  if (!focused || !ContainsControl(focused) || focused == this) focused = active_control_;
  switch (key) {
    case VK_TAB:
      if (shift.Contains(ssCtrl)) return false;
      SelectNext(focused ? focused : active_control_, !shift.Contains(ssShift), true);
      return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      if (focused && focused->Parent()) {
        focused->Parent()->SelectNext(focused, key == VK_RIGHT || key == VK_DOWN, false);
        return true;
      }
      return false;
    case VK_RETURN: {
      TWinControl* target = focused && focused->HandlesReturnKey() ? focused : default_button_;
      if (target && target->Visible() && target->Enabled()) {
        target->Click();
        return true;
      }
      return false;
    }
    case VK_ESCAPE:
      if (cancel_button_ && cancel_button_->Visible() && cancel_button_->Enabled()) {
        cancel_button_->Click();
        return true;
      }
      return false;
  }
  return false;
}

bool TCustomForm::DialogChar(char c) { return TWinControl::DialogChar(c); }

TForm::TForm(TComponent* owner) : TCustomForm(owner) {
  PublishOnce<TForm>([](TPublisher<TForm>& p) {
    p.Reference("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl);
    p.Set("BorderIcons", BorderIconInfo(), &TForm::BorderIcons, &TForm::SetBorderIcons);
    p.Enumeration("BorderStyle", BorderStyleInfo(), &TForm::BorderStyle, &TForm::SetBorderStyle);
    p.Integer("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight);
    p.Integer("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth);
    p.Boolean("OldCreateOrder", &TForm::OldCreateOrder, &TForm::SetOldCreateOrder);
    p.Enumeration("Position", PositionInfo(), &TForm::Position, &TForm::SetPosition);
    p.Enumeration("WindowState", WindowStateInfo(), &TForm::WindowState, &TForm::SetWindowState);
    p.Event("OnActivate", &TForm::OnActivate);
    p.Event("OnClose", &TForm::OnClose);
    p.Event("OnCloseQuery", &TForm::OnCloseQuery);
    p.Event("OnCreate", &TForm::OnCreate);
    p.Event("OnHide", &TForm::OnHide);
    p.Event("OnShow", &TForm::OnShow);
  });
}
