#pragma once
// The Hole Size Editor: the distinct hole sizes of the open board's pads and vias as labels in one
// unit, the number of pads and vias behind the selected labels, editing of the selected sizes
// through the Edit Hole Size dialog, and on OK the write-back of every size inside one process of
// the PCB server. Until OK every change lives in the two hole lists only.

#include <cstdint>
#include <memory>

#include "dialogs/server_dialog.h"
#include "holes/hole_board.h"
#include "holes/hole_list.h"
#include "pcb/pcb_board.h"
#include "toolkit/label.h"
#include "toolkit/popup_menu.h"
#include "toolkit/win_xp_page_control.h"
#include "toolkit/win_xp_tab_sheet.h"
#include "toolkit/xp_bit_btn.h"
#include "toolkit/xp_check_box.h"
#include "toolkit/xp_group_box.h"
#include "toolkit/xp_list_box.h"
#include "toolkit/xp_radio_group.h"

class THoleSizeEditor : public TServerDialog {
  TAVRIN_CLASS(THoleSizeEditor, TServerDialog)
 public:
  using TServerDialog::TServerDialog;
  ~THoleSizeEditor() override;

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

  // Created by FormCreate, freed by FormClose.
  std::unique_ptr<TPcbBoard> Board;
  std::unique_ptr<THoleList> PadHoles;
  std::unique_ptr<THoleList> ViaHoles;

  void FormCreate(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);
  void OKButtonClick(TObject* sender);
  void EditButtonClick(TObject* sender);
  void PadsCheckBoxClick(TObject* sender);
  void ViasCheckBoxClick(TObject* sender);
  void UnitRadioGroupClick(TObject* sender);
  void SourceListClick(TObject* sender);
  void SourceListDblClick(TObject* sender);

  // True unless "Metric" is the chosen unit.
  bool IsImperial() const;
  // Rebuilds the labels from the lists in the chosen unit, for the included kinds, in numeric
  // order; afterwards nothing is selected and the smallest size is the current item.
  void RefreshList();
  // Frees the TCoordObject of every item.
  void FreeItemObjects();
  // "Pads : n  Vias : m" for the selected labels, each part only while its kind is included.
  void UpdateDescription();

 protected:
  void DeclareBindings(TLayoutBindings& bindings) override;
  // The board the lists read and write; tests give a generated one.
  virtual std::unique_ptr<THoleBoard> OpenHoleBoard(uint32_t board_handle);

 private:
  void RefreshAndSelectFirst();
  TCoord ItemValue(int index) const;

  std::unique_ptr<THoleBoard> hole_board_;
};
