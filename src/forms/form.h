#pragma once
// Forms: top-level windows whose components come from a layout resource named after the form's
// class. Construction has two phases, since a C++ constructor cannot reach a derived class's
// virtual steps: the constructor builds the bare form, then make_form runs Construct (declare
// bindings, read the layout, layout-loaded step, creation event for the old creation order) and
// AfterConstruction (creation event otherwise). Modal runs disable the other windows of the thread
// (the owner among them) and enable them again however the run ends.

#include <windows.h>

#include <string>
#include <vector>

#include "forms/form_types.h"
#include "base/hook_point.h"
#include "forms/layout/layout_bindings.h"
#include "forms/win_control.h"

class TCustomForm : public TWinControl {
  TAVRIN_CLASS(TCustomForm, TWinControl)
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  // Construction steps run by make_form. Construct reads the layout when read_layout holds.
  virtual void Construct(bool read_layout);
  virtual void AfterConstruction();
  // The module and the resource name of the layout; the module defaults to the framework's.
  HINSTANCE LayoutModule() const { return layout_module_; }
  void SetLayoutModule(HINSTANCE module) { layout_module_ = module; }
  virtual std::string LayoutName() const { return ClassName(); }
  // Reads a layout from text (tests, forms built from text at run time); resource names errors.
  void ReadLayoutText(std::string_view text, const std::string& resource);

  TBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TBorderStyle value);
  TBorderIcons BorderIcons() const { return border_icons_; }
  void SetBorderIcons(TBorderIcons value);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }
  TWindowState WindowState() const { return window_state_; }
  void SetWindowState(TWindowState value);
  bool OldCreateOrder() const { return old_create_order_; }
  void SetOldCreateOrder(bool value) { old_create_order_ = value; }
  TFormState FormState() const { return form_state_; }
  void IncludeFormState(TFormStateFlag flag) { form_state_.Include(flag); }
  void ExcludeFormState(TFormStateFlag flag) { form_state_.Exclude(flag); }

  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult value) { modal_result_ = value; }
  // Shows the form modally and returns how it ended.
  virtual TModalResult ShowModal();
  // A modal form ends with mrCancel; any other form asks CloseQuery and hides.
  void Close();
  // Asks OnCloseQuery; false keeps the form open.
  virtual bool CloseQuery();

  TWinControl* ActiveControl() const { return active_control_; }
  void SetActiveControl(TWinControl* control);
  // The focus moved to a control of this form.
  void FocusChanged(TWinControl* control);
  // The button that Enter and Escape press (set by the buttons' Default and Cancel).
  TWinControl* DefaultButtonControl() const { return default_button_; }
  TWinControl* CancelButtonControl() const { return cancel_button_; }
  void SetDefaultButton(TWinControl* button, bool is_default);
  void SetCancelButton(TWinControl* button, bool is_cancel);

  // The framework's showing-changed notification: the form became visible or hidden. The
  // default runs the hook point ShowingChangedHook, whose own routine places the form by its
  // Position, runs the show step and shows the window.
  virtual void ShowingChanged();
  // The show step: the show event.
  virtual void DoShow();
  // The show command for the window state (SW_SHOWNORMAL, SW_SHOWMINNOACTIVE, SW_SHOWMAXIMIZED).
  int ShowCommand() const;

  // The key about to go to a child control (F1 and the like); true when the form took it.
  virtual bool ChildKey(TWinControl* control, WORD key, TShiftState shift);
  // Dialog navigation keys (Tab, arrows, Enter, Escape) that the focused control does not want;
  // true when handled.
  virtual bool DialogKey(WORD key, TShiftState shift);
  bool DialogChar(char c) override;

  // Centre on the screen's work area / the owner window (Position's rules).
  void CenterOnScreen();

  // No destruction event: it would run after the derived form's members are gone.
  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  void SetClientWidth(int v) override;
  void SetClientHeight(int v) override;
  void Loaded() override;

 protected:
  // Declares the form's component fields and event handlers for its layout.
  virtual void DeclareBindings(TLayoutBindings& bindings) { (void)bindings; }
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& msg) override;
  void VisibleChanged() override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual void DoClose(TCloseAction& action);
  void DoCreate();

 private:
  friend void FormShowingChangedDefault(TCustomForm& form);
  friend void RemoveControlDefault(TWinControl& parent, TControl& control);
  // A control left the form's tree: references to it go (it may be owned by another component).
  void ForgetControl(TControl* control);
  void ReadLayout(std::string_view text, const std::string& resource);
  void CloseModal();
  void PruneSystemMenu();

  HINSTANCE layout_module_;
  TBorderStyle border_style_ = bsSizeable;
  TBorderIcons border_icons_{biSystemMenu, biMinimize, biMaximize};
  TPosition position_ = poDesigned;
  TWindowState window_state_ = wsNormal;
  bool old_create_order_ = false;
  TFormState form_state_;
  TModalResult modal_result_ = mrNone;
  TWinControl* active_control_ = nullptr;
  TWinControl* default_button_ = nullptr;
  TWinControl* cancel_button_ = nullptr;
  int client_width_ = -1, client_height_ = -1;
  bool created_ = false;
};

// The form class layouts name; it publishes the form properties.
class TForm : public TCustomForm {
  TAVRIN_CLASS(TForm, TCustomForm)
 public:
  explicit TForm(TComponent* owner);
};

void FormShowingChangedDefault(TCustomForm& form);
extern THookPoint<void(TCustomForm& form)> ShowingChangedHook;

// Creates a form, reads its layout and completes its construction; frees it again when a step
// fails. The owner (if any) frees the form with itself; deleting it earlier is fine too.
template <class F, class... Args>
F* make_form(TComponent* owner, Args&&... args) {
  F* form = new F(owner, std::forward<Args>(args)...);
  try {
    form->Construct(true);
    form->AfterConstruction();
  } catch (...) {
    delete form;
    throw;
  }
  return form;
}

// The same for a form built in code, without a layout.
template <class F, class... Args>
F* make_form_without_layout(TComponent* owner, Args&&... args) {
  F* form = new F(owner, std::forward<Args>(args)...);
  try {
    form->Construct(false);
    form->AfterConstruction();
  } catch (...) {
    delete form;
    throw;
  }
  return form;
}

// The layout text stored as an RCDATA resource; throws EResNotFound when it is missing.
std::string LoadLayoutResource(HINSTANCE module, const std::string& name);
