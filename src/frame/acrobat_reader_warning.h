#pragma once
// The warning that a help PDF cannot open at its page because the installed Acrobat is older than
// version 6. The user can switch it off for good ("Don't show this again"), stored as
// "EnableAcrobatVersionPopup" = false under the forms key.

#include "forms/form.h"

class TButton;
class TWinControl;

class TAcrobatReaderWarning : public TForm {
  TAVRIN_CLASS(TAcrobatReaderWarning, TForm)
 public:
  explicit TAcrobatReaderWarning(TComponent* owner);

  void Construct(bool read_layout) override;
  // In test mode one line on standard output, then the process ends with exit code 1.
  TModalResult ShowModal() override;
  bool DontShowAgain() const;

  TWinControl* Label1 = nullptr;
  TWinControl* Label2 = nullptr;
  TButton* ButtonOK = nullptr;
  TWinControl* CheckBox1 = nullptr;

 protected:
  void WndProc(TMessage& msg) override;

 private:
  void Arrange();
};

// The switch as stored; true when the key or the value is missing.
bool AcrobatVersionWarningEnabled();
// Shows the warning when the switch is on and stores the user's "Don't show this again".
void ShowAcrobatReaderWarning();
