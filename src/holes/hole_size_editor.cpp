#include "holes/hole_size_editor.h"

#include <string>
#include <vector>

#include "base/scope_guard.h"
#include "forms/dialogs/message_dialog.h"
#include "holes/coord_object.h"
#include "holes/edit_hole_size_form.h"
#include "holes/hole_labels.h"
#include "holes/new_hole_size.h"
#include "holes/pcb_hole_board.h"
#include "pcb/object_id.h"
#include "pcb/pcb_api_wrappers.h"


THoleSizeEditor::~THoleSizeEditor() {
  // The items' objects are the dialog's; the lists go before the board they read.
  if (SourceList) FreeItemObjects();
  PadHoles.reset();
  ViaHoles.reset();
  hole_board_.reset();
}

void THoleSizeEditor::DeclareBindings(TLayoutBindings& b) {
  TServerDialog::DeclareBindings(b);
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
  b.Handler("FormCreate", &THoleSizeEditor::FormCreate);
  b.Handler("FormClose", &THoleSizeEditor::FormClose);
  b.Handler("OKButtonClick", &THoleSizeEditor::OKButtonClick);
  b.Handler("EditButtonClick", &THoleSizeEditor::EditButtonClick);
  b.Handler("PadsCheckBoxClick", &THoleSizeEditor::PadsCheckBoxClick);
  b.Handler("ViasCheckBoxClick", &THoleSizeEditor::ViasCheckBoxClick);
  b.Handler("UnitRadioGroupClick", &THoleSizeEditor::UnitRadioGroupClick);
  b.Handler("SourceListClick", &THoleSizeEditor::SourceListClick);
  b.Handler("SourceListDblClick", &THoleSizeEditor::SourceListDblClick);
}

std::unique_ptr<THoleBoard> THoleSizeEditor::OpenHoleBoard(uint32_t board_handle) {
  return std::make_unique<TPcbHoleBoard>(board_handle);
}

namespace {
// The unit items by their place in the layout: their texts may come translated from the host.
constexpr int kImperialItem = 0;
constexpr int kMetricItem = 1;
}  // namespace

bool THoleSizeEditor::IsImperial() const { return UnitRadioGroup->ItemIndex() != kMetricItem; }

TCoord THoleSizeEditor::ItemValue(int index) const {
  auto* object = class_cast<TCoordObject>(SourceList->Items()->GetObject(index));
  return object ? object->Value : 0;
}

void THoleSizeEditor::FormCreate(TObject*) {
  Board = std::make_unique<TPcbBoard>(PcbApi_GetCurrentBoardHandle());
  Board->Query(1);
  hole_board_ = OpenHoleBoard(Board->Handle);
  PadHoles = std::make_unique<THoleList>(*hole_board_, ePadObject);
  ViaHoles = std::make_unique<THoleList>(*hole_board_, eViaObject);
  if (Board->Unit() == eMetric) UnitRadioGroup->SetItemIndex(kMetricItem);
  RefreshAndSelectFirst();
}

void THoleSizeEditor::FormClose(TObject*, TCloseAction&) {
  PadHoles.reset();
  ViaHoles.reset();
  hole_board_.reset();
  Board.reset();
}

void THoleSizeEditor::FreeItemObjects() {
  TStrings* items = SourceList->Items();
  for (int i = 0; i < items->Count(); ++i) items->PutObject(i, nullptr);
  item_objects_.clear();
}

void THoleSizeEditor::RefreshList() {
  // Clicks can arrive while the layout is read or after the close freed the lists.
  if (!PadHoles || !ViaHoles) return;
  const bool imperial = IsImperial();
  PadHoles->Imperial = imperial;
  ViaHoles->Imperial = imperial;
  // The labels are made and ordered in memory and reach the list box in one go: done on the list
  // box's items, every addition and exchange would cost window messages and the order a quadratic
  // number of them. The editor owns the labels' objects; the list box only points at them.
  TStringList labels;
  std::vector<std::unique_ptr<TObject>> objects;
  auto own_added = [&] {
    for (int i = static_cast<int>(objects.size()); i < labels.Count(); ++i)
      objects.emplace_back(labels.GetObject(i));
  };
  if (PadsCheckBox->Checked()) PadHoles->AddLabels(labels, imperial);
  own_added();
  if (ViasCheckBox->Checked()) ViaHoles->AddLabels(labels, imperial);
  own_added();
  SortHoleLabels(labels);
  SourceList->AssignItems(labels);
  item_objects_ = std::move(objects);
}

void THoleSizeEditor::UpdateDescription() {
  if (!PadHoles || !ViaHoles) return;
  int pads = 0, vias = 0;
  for (int i : SourceList->SelectedIndices()) {
    const TCoord value = ItemValue(i);
    pads += PadHoles->CountHoles(value);
    vias += ViaHoles->CountHoles(value);
  }
  std::string text;
  if (PadsCheckBox->Checked()) text = "Pads : " + std::to_string(pads);
  if (ViasCheckBox->Checked()) text += "  Vias : " + std::to_string(vias);
  DescriptionLabel->SetCaption(text);
  EditButton->SetEnabled(true);
}

void THoleSizeEditor::RefreshAndSelectFirst() {
  RefreshList();
  if (SourceList->Items()->Count() > 0) SourceList->SetSelected(0, true);
  UpdateDescription();
}

void THoleSizeEditor::PadsCheckBoxClick(TObject*) { RefreshAndSelectFirst(); }
void THoleSizeEditor::ViasCheckBoxClick(TObject*) { RefreshAndSelectFirst(); }
void THoleSizeEditor::UnitRadioGroupClick(TObject*) { RefreshAndSelectFirst(); }
void THoleSizeEditor::SourceListClick(TObject*) { UpdateDescription(); }

void THoleSizeEditor::SourceListDblClick(TObject* sender) {
  EditButtonClick(sender);
  EditButton->SetEnabled(true);
}

void THoleSizeEditor::EditButtonClick(TObject*) {
  if (!PadHoles || !ViaHoles) return;
  TStrings* items = SourceList->Items();
  if (items->Count() == 0) return;

  std::unique_ptr<TEditHoleSizeForm> form(make_form<TEditHoleSizeForm>(this));
  TEditCoord* edit = form->HoleSizeEdit;
  const bool imperial_chosen = UnitRadioGroup->ItemIndex() == kImperialItem;
  const TUnit unit = imperial_chosen ? eImperial : eMetric;
  edit->ResetUnits(unit);
  std::string label;
  if (SourceList->SelCount() < 2) {
    const int current = SourceList->ItemIndex();
    if (current >= 0 && current < items->Count()) label = items->Get(current);
  }
  edit->SetText(label);
  if (form->ShowModal() != mrOk) return;

  const std::string text = edit->Text();
  const TNewHoleSize given = ReadNewHoleSize(text, label, unit, edit->State());
  if (given.Verdict == eNoSizeGiven) {
    MessageDlg("No hole size given.", mtWarning, {mbOK});
    return;
  }
  if (given.Verdict == eNegativeSize) {
    MessageDlg("A hole size cannot be negative.", mtWarning, {mbOK});
    return;
  }
  const TCoord size = given.Size;

  std::vector<TCoord> selected;
  for (int i : SourceList->SelectedIndices()) selected.push_back(ItemValue(i));
  for (TCoord value : selected) {
    if (PadsCheckBox->Checked()) PadHoles->ChangeSize(value, size);
    if (ViasCheckBox->Checked()) ViaHoles->ChangeSize(value, size);
  }

  RefreshList();
  SourceList->SetItemIndex(0);
  for (int i = 0; i < items->Count(); ++i) {
    if (ItemValue(i) != size) continue;
    SourceList->SetSelected(i, true);
    SourceList->SetItemIndex(i);
  }
  UpdateDescription();
}

void THoleSizeEditor::OKButtonClick(TObject*) {
  if (hole_board_ && PadHoles && ViaHoles && hole_board_->StartProcess()) {
    // The process is closed whatever the write-back does; a failure then reaches the
    // application's exception handling and the dialog stays open for another try.
    auto end = OnScopeExit([this] { hole_board_->EndProcess(); });
    PadHoles->Apply();
    ViaHoles->Apply();
  }
  SetModalResult(mrOk);
}
