#pragma once
// The base of every modal dialog of the plug-in: a dialog opened inside the host's process that
// behaves like one of the host's own. It is owned by the host's main window, has a dialog frame
// with the caption's help button (a resizable one when the layout was designed sizeable), opens
// centred on the monitor of the active window, and a resizable dialog reopens with the bounds it
// had when it was last closed. Controls take the host's dialog font, also those inserted later,
// and Tab moves between controls even from native child windows.
//
// Construction, in order: the host-font and locale queries; the layout with its layout-loaded
// step (and the creation event for the old creation order); the theme frame when the emulated
// theme applies; centring on the active monitor; the stored bounds of a resizable dialog; the
// framework's after-construction step.

#include <cstdint>

#include "dialogs/form_with_help.h"

class TServerDialog : public TFormWithHelp {
  TAVRIN_CLASS(TServerDialog, TFormWithHelp)
 public:
  explicit TServerDialog(TComponent* owner);
  ~TServerDialog() override;

  // Overridable policy with no caller yet; 0 by default.
  virtual int32_t DialogOption();
  // The caption's icons: the window menu and the help button.
  virtual TBorderIcons GetDialogBorderIcons();
  // A resizable dialog keeps its bounds under the forms key.
  virtual bool RemembersBounds();
  // The host's main window owns the dialog.
  virtual bool ParentedToHost();
  // The caption shows the help button.
  virtual bool ShowsHelpButton();
  // Overridable policy with no caller yet; true by default.
  virtual bool DialogFlag();

  void CenterOnActiveMonitor();
  void ShowWithoutPositioning();

  // The layout was designed with BorderStyle = bsSizeable (the dialog now has bsDialog with a
  // resizable frame).
  bool Sizeable() const { return FSizeable; }

  void Construct(bool read_layout) override;
  void Loaded() override;
  // Stores the bounds of a resizable dialog when the close is allowed.
  bool CloseQuery() override;
  // A dialog with a Position other than poDesigned is shown where construction placed it.
  void ShowingChanged() override;
  // The show event, then the dialog's own topic in the host's help advisor.
  void DoShow() override;
  // Tab and Shift+Tab, from whatever window has the focus.
  bool DialogKey(WORD key, TShiftState shift) override;
  void ControlChange(TControl* control, bool inserting) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& msg) override;
  void Notification(TComponent* component, TOperation operation) override;

  bool FSizeable = false;

 private:
  bool KeepsBounds();
  void ControlInserted(TControl& control);
};
