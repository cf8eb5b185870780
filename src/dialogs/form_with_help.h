#pragma once
// A form that finds help for itself and its controls and takes the host's dialog font. Whether the
// host prescribes a font and whether it adapts fonts to the system locale is asked once, before
// the layout is read, and holds for the form's life: a later change of the host's preference
// reaches forms made afterwards only.

#include <memory>
#include <string>

#include "base/string_list.h"
#include "forms/font.h"
#include "forms/form.h"

class TFormWithHelp : public TForm {
  TAVRIN_CLASS(TFormWithHelp, TForm)
 public:
  explicit TFormWithHelp(TComponent* owner);
  ~TFormWithHelp() override;

  // The help context of a control (0: none), with the topic and the help file it belongs to. A
  // form looks in the dialog help file, any other control in the what's-this help file.
  virtual int GetHelpContext(TControl* control, std::string& topic, std::wstring& help_file);
  // The name under which a component's help is looked up: its own name.
  virtual std::string GetHelpName(TComponent* component);
  // Help for the control that has the focus when F1 is pressed.
  virtual void ShowControlHelp(TControl* control);
  // The host prescribes a dialog font (false without a client).
  virtual bool UsesHostFont();
  // The host adapts fonts to the system locale (false when it does not say).
  virtual bool UsesLocaleFont();
  // Copies the host's dialog font into the font: name, size, style, colour and character set.
  virtual void LoadHostFont(TFont* font);

  // Gives every font of the component the host's dialog font (when the host prescribes one), then
  // does the same for its child controls and for the components it owns.
  void ApplyHostFontTree(TComponent* component);

  void Construct(bool read_layout) override;
  void Loaded() override;
  // In test mode the dialog is never shown: one line on standard output, then the process ends
  // with exit code 1.
  TModalResult ShowModal() override;
  // F1: topic help for the control about to get the key; with Shift, Ctrl or Alt the key goes to
  // the host. Either way the next help request from the window system is ignored once.
  bool ChildKey(TWinControl* control, WORD key, TShiftState shift) override;

  bool F1Handled() const { return FF1Handled; }
  bool HelpEnabled() const { return FHelpEnabled; }
  bool UseHostFont() const { return FUseHostFont; }
  bool UseLocaleFont() const { return FUseLocaleFont; }
  TFont* HostFont() const { return FHostFont.get(); }

 protected:
  void WndProc(TMessage& msg) override;

  // Keys and aliases of the dialog help file's and the what's-this file's ID files, filled on
  // first lookup.
  std::unique_ptr<TStringList> FTopicIds;
  std::unique_ptr<TStringList> FTopicAliases;
  std::unique_ptr<TStringList> FPopupIds;
  std::unique_ptr<TStringList> FPopupAliases;
  bool FF1Handled = false;
  bool FHelpEnabled = false;
  bool FUseHostFont = false;
  bool FUseLocaleFont = false;
  std::unique_ptr<TFont> FHostFont;
};
