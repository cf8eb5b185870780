#include "holes/edit_hole_size_form.h"

void TEditHoleSizeForm::DeclareBindings(TLayoutBindings& bindings) {
  TServerDialog::DeclareBindings(bindings);
  bindings.Component("OkButton", OkButton);
  bindings.Component("CancelButton", CancelButton);
  bindings.Component("HoleSizeGroupBox", HoleSizeGroupBox);
  bindings.Component("HoleSizeEdit", HoleSizeEdit);
}

void TEditHoleSizeForm::ShowingChanged() {
  TServerDialog::ShowingChanged();
  if (Showing() && HoleSizeEdit) SetActiveControl(HoleSizeEdit);
}
