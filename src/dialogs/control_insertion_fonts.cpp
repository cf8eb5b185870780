#include "dialogs/control_insertion_fonts.h"

#include "dialogs/form_with_help.h"
#include "dialogs/server_dialog.h"
#include "forms/win_control.h"

namespace {

void InsertControlWithFonts(TWinControl& parent, TControl& control) {
  ControlInsertedHook.Underlying(parent, control);
  for (TControl* c = &control; c; c = c->Parent()) {
    auto* form = class_cast<TFormWithHelp>(c);
    if (!form) continue;
    if (!form->Is(TServerDialog::StaticClass())) form->ApplyHostFontTree(&control);
    return;
  }
}

}  // namespace

void InstallControlInsertionFonts() { ControlInsertedHook.Install(&InsertControlWithFonts); }

void RemoveControlInsertionFonts() { ControlInsertedHook.Remove(); }
