#pragma once
// The dialogs the tests build from their layouts: PlainDialog is a server dialog with a layout and
// no code of its own (sizeable); FixedDialog (bsDialog, poScreenCenter) records what happens to it
// and when.

#include <functional>
#include <string>
#include <vector>

#include "dialogs/server_dialog.h"
#include "forms/button.h"
#include "toolkit/xp_edit.h"
#include "toolkit/xp_group_box.h"

class TPlainDialog : public TServerDialog {
  TAVRIN_CLASS(TPlainDialog, TServerDialog)
 public:
  using TServerDialog::TServerDialog;
};

class TFixedDialog : public TServerDialog {
  TAVRIN_CLASS(TFixedDialog, TServerDialog)
 public:
  using TServerDialog::TServerDialog;

  TXPGroupBox* Group = nullptr;
  TXPEdit* FirstEdit = nullptr;
  TXPEdit* SecondEdit = nullptr;
  TButton* OkButton = nullptr;
  TButton* CancelButton = nullptr;

  // What happened, in order ("UsesHostFont components=0", "FormCreate left=40", …).
  std::vector<std::string> events;
  bool allow_close = true;
  std::function<void()> on_show;
  std::vector<TControl*> help_requests;

  void FormCreate(TObject*) { events.push_back("FormCreate left=" + std::to_string(Left())); }
  void FormCloseQuery(TObject*, bool& can_close) { can_close = allow_close; }
  void FormShow(TObject*) {
    events.push_back("FormShow");
    if (on_show) on_show();
  }

  bool UsesHostFont() override {
    events.push_back("UsesHostFont components=" + std::to_string(ComponentCount()));
    return TServerDialog::UsesHostFont();
  }
  bool UsesLocaleFont() override {
    events.push_back("UsesLocaleFont components=" + std::to_string(ComponentCount()));
    return TServerDialog::UsesLocaleFont();
  }
  void ShowControlHelp(TControl* control) override { help_requests.push_back(control); }

 protected:
  void DeclareBindings(TLayoutBindings& b) override {
    b.Component("Group", Group);
    b.Component("FirstEdit", FirstEdit);
    b.Component("SecondEdit", SecondEdit);
    b.Component("OkButton", OkButton);
    b.Component("CancelButton", CancelButton);
    b.Handler("FormCreate", &TFixedDialog::FormCreate);
    b.Handler("FormCloseQuery", &TFixedDialog::FormCloseQuery);
    b.Handler("FormShow", &TFixedDialog::FormShow);
  }
};
