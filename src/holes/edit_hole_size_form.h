#pragma once
// The Edit Hole Size dialog: one coordinate edit box in a group frame, OK and Cancel. It checks
// nothing itself; the Hole Size Editor prepares the box before showing it and reads it afterwards.

#include "dialogs/server_dialog.h"
#include "holes/edit_coord.h"
#include "toolkit/xp_bit_btn.h"
#include "toolkit/xp_group_box.h"

class TEditHoleSizeForm : public TServerDialog {
  TAVRIN_CLASS(TEditHoleSizeForm, TServerDialog)
 public:
  using TServerDialog::TServerDialog;

  TXPBitBtn* OkButton = nullptr;
  TXPBitBtn* CancelButton = nullptr;
  TXPGroupBox* HoleSizeGroupBox = nullptr;
  TEditCoord* HoleSizeEdit = nullptr;

  // Typing goes straight into the edit box once the dialog is on screen.
  void ShowingChanged() override;

 protected:
  void DeclareBindings(TLayoutBindings& bindings) override;
};
