#pragma once
// A form with every toolkit control, read from gallery_form.layout; it counts its events.

#include <string>
#include <vector>

#include "forms/form.h"
#include "toolkit/label.h"
#include "toolkit/popup_menu.h"
#include "toolkit/win_xp_page_control.h"
#include "toolkit/win_xp_tab_sheet.h"
#include "toolkit/xp_bit_btn.h"
#include "toolkit/xp_check_box.h"
#include "toolkit/xp_edit.h"
#include "toolkit/xp_group_box.h"
#include "toolkit/xp_list_box.h"
#include "toolkit/xp_radio_group.h"

class TGalleryForm : public TForm {
  TAVRIN_CLASS(TGalleryForm, TForm)
 public:
  using TForm::TForm;

  TXPBitBtn* CancelButton = nullptr;
  TXPBitBtn* OKButton = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TMenuItem* Edit1 = nullptr;
  TWinXPPageControl* WinXPPageControl1 = nullptr;
  TWinXPTabSheet* WinXPTabSheet1 = nullptr;
  TXPGroupBox* IncludeGroupBox = nullptr;
  TXPCheckBox* PadsCheckBox = nullptr;
  TXPCheckBox* ViasCheckBox = nullptr;
  TXPRadioGroup* UnitRadioGroup = nullptr;
  TXPBitBtn* EditButton = nullptr;
  TLabel* DescriptionLabel = nullptr;
  TXPListBox* SourceList = nullptr;
  TXPEdit* HoleSizeEdit = nullptr;

  std::vector<std::string> events;
  int list_clicks = 0;

  void FormCreate(TObject*) { events.push_back("FormCreate"); }
  void OKButtonClick(TObject*) {
    events.push_back("OKButtonClick");
    Close();
  }
  void EditButtonClick(TObject* sender) {
    events.push_back(sender == Edit1 ? "EditButtonClick(menu)" : "EditButtonClick");
  }
  void PadsCheckBoxClick(TObject*) { events.push_back("PadsCheckBoxClick"); }
  void UnitRadioGroupClick(TObject*) { events.push_back("UnitRadioGroupClick"); }
  void SourceListClick(TObject*) { ++list_clicks; }
  void SourceListDblClick(TObject*) { events.push_back("SourceListDblClick"); }

 protected:
  void DeclareBindings(TLayoutBindings& b) override {
    b.Component("CancelButton", CancelButton);
    b.Component("OKButton", OKButton);
    b.Component("PopupMenu1", PopupMenu1);
    b.Component("Edit1", Edit1);
    b.Component("WinXPPageControl1", WinXPPageControl1);
    b.Component("WinXPTabSheet1", WinXPTabSheet1);
    b.Component("IncludeGroupBox", IncludeGroupBox);
    b.Component("PadsCheckBox", PadsCheckBox);
    b.Component("ViasCheckBox", ViasCheckBox);
    b.Component("UnitRadioGroup", UnitRadioGroup);
    b.Component("EditButton", EditButton);
    b.Component("DescriptionLabel", DescriptionLabel);
    b.Component("SourceList", SourceList);
    b.Component("HoleSizeEdit", HoleSizeEdit);
    b.Handler("FormCreate", &TGalleryForm::FormCreate);
    b.Handler("OKButtonClick", &TGalleryForm::OKButtonClick);
    b.Handler("EditButtonClick", &TGalleryForm::EditButtonClick);
    b.Handler("PadsCheckBoxClick", &TGalleryForm::PadsCheckBoxClick);
    b.Handler("UnitRadioGroupClick", &TGalleryForm::UnitRadioGroupClick);
    b.Handler("SourceListClick", &TGalleryForm::SourceListClick);
    b.Handler("SourceListDblClick", &TGalleryForm::SourceListDblClick);
  }
};
