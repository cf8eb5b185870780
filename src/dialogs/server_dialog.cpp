#include "dialogs/server_dialog.h"

#include <windows.h>

#include "dialogs/dialog_framework_state.h"
#include "dialogs/dialog_help.h"
#include "dialogs/font_properties.h"
#include "base/unique_handle.h"
#include "dialogs/form_bounds.h"
#include "dialogs/form_placement.h"
#include "dialogs/visual_styles.h"
#include "frame/client_services.h"

namespace {


}  // namespace

TServerDialog::TServerDialog(TComponent* owner) : TFormWithHelp(owner) {}

TServerDialog::~TServerDialog() = default;

int32_t TServerDialog::DialogOption() { return 0; }
TBorderIcons TServerDialog::GetDialogBorderIcons() { return {biSystemMenu, biHelp}; }
bool TServerDialog::RemembersBounds() { return true; }
bool TServerDialog::ParentedToHost() { return true; }
bool TServerDialog::ShowsHelpButton() { return true; }
bool TServerDialog::DialogFlag() { return true; }

void TServerDialog::CenterOnActiveMonitor() { ::CenterOnActiveMonitor(*this); }
void TServerDialog::ShowWithoutPositioning() { ::ShowWithoutPositioning(*this); }

bool TServerDialog::KeepsBounds() {
  return RemembersBounds() && (FSizeable || BorderStyle() == bsSizeToolWin);
}

void TServerDialog::Construct(bool read_layout) {
  TFormWithHelp::Construct(read_layout);
  if (TThemeFrameFactory theme_frame = ThemeFrameFactory()) theme_frame(*this);
  CenterOnActiveMonitor();
  if (KeepsBounds()) LoadBounds(*this, true, true);
}

void TServerDialog::Loaded() {
  TFormWithHelp::Loaded();
  FSizeable = BorderStyle() == bsSizeable;
  if (FSizeable) SetBorderStyle(bsDialog);
  // The creation parameters (frame, help button, owner) only act on a new window.
  RecreateWnd();
  if (VisualStylesActive()) SetColor(clBtnFace);
  // The help button and window menu change the frame; the client area stays as designed.
  RECT before = ClientRect();
  SetBorderIcons(GetDialogBorderIcons());
  RECT after = ClientRect();
  SetBounds(Left(), Top(), Width() + (before.right - after.right),
            Height() + (before.bottom - after.bottom));
  ApplyHostFontTree(this);
}

void TServerDialog::CreateParams(TCreateParams& params) {
  TFormWithHelp::CreateParams(params);
  if (ShowsHelpButton()) params.ExStyle |= WS_EX_CONTEXTHELP;
  else params.ExStyle &= ~static_cast<DWORD>(WS_EX_CONTEXTHELP);
  if (FSizeable) params.Style |= WS_THICKFRAME;
  if (ParentedToHost()) params.WndParent = HostMainWindow();
}

void TServerDialog::WndProc(TMessage& msg) {
  // The framework prunes the window menu of dialog frames; a resizable dialog keeps its Size.
  if (msg.Msg == WM_NCCREATE && FSizeable) {
    DefaultHandler(msg);
    return;
  }
  TFormWithHelp::WndProc(msg);
}

bool TServerDialog::CloseQuery() {
  bool can_close = TFormWithHelp::CloseQuery();
  if (can_close && KeepsBounds()) StoreBounds(*this, true, true);
  return can_close;
}

void TServerDialog::ShowingChanged() {
  if (Showing() && Position() != poDesigned) {
    ShowWithoutPositioning();
    return;
  }
  TFormWithHelp::ShowingChanged();
}

void TServerDialog::DoShow() {
  TFormWithHelp::DoShow();
  ShowDynamicHelpFor(*this, this);
}

bool TServerDialog::DialogKey(WORD key, TShiftState shift) {
  if (key != VK_TAB || shift.Contains(ssAlt) || shift.Contains(ssCtrl))
    return TFormWithHelp::DialogKey(key, shift);
  // The focus may sit in a window the framework did not make (the edit of a combo box).
  TWinControl* current = FindControlOrParent(GetFocus());
  if (TWinControl* next = FindNextControl(current, !shift.Contains(ssShift), true, false)) next->SetFocus();
  return true;
}

void TServerDialog::Notification(TComponent* component, TOperation operation) {
  TFormWithHelp::Notification(component, operation);
  if (operation != opInsert || Loading()) return;
  if (auto* control = class_cast<TControl>(component)) ControlInserted(*control);
}

void TServerDialog::ControlChange(TControl* control, bool inserting) {
  TFormWithHelp::ControlChange(control, inserting);
  if (inserting && control) ControlInserted(*control);
}

void TServerDialog::ControlInserted(TControl& control) {
  ApplyHostFontTree(&control);
  if (TranslationActive() && FUseLocaleFont && !FUseHostFont && LayoutLoadingDepth() == 0)
    ApplyLocaleFontTree(&control);
}
