#include "pcb/pcb_board.h"

#include "pcb/layer_names.h"
#include "pcb/pcb_api_wrappers.h"
#include "pcb/pcb_text.h"

int32_t LegacyQueryBoard(uint8_t read_flag, uint32_t handle, uint32_t* f3, TRecordText* f4, uint8_t* f5,
                         int32_t* f6, int32_t* f7, int32_t* f8, int32_t* f9, uint8_t* unit,
                         TLegacyLayer* legacy_layer, uint32_t* f12) {
  TLayerId layer = LegacyLayerToLayerId(*legacy_layer);
  const int32_t status =
      PcbApi_QueryBoard(read_flag, handle, f3, f4, f5, f6, f7, f8, f9, unit, &layer, f12);
  *legacy_layer = LayerIdToLegacyLayer(layer);
  return status;
}

TPcbBoard::TPcbBoard(uint32_t handle) : Handle(handle) {
  for (int l = 1; l <= kLayers; ++l) {
    const auto legacy = static_cast<TLegacyLayer>(l);
    if (l >= 39 && l <= 54) {
      Layers[l] = std::make_unique<TInternalPlane>(handle, legacy);
    } else {
      Layers[l] = std::make_unique<TLayerObject>(handle, legacy);
    }
  }
  for (TExternalDielectric& d : ExternalDielectrics) SetText(d.Material, "FR-4");
}

int32_t TPcbBoard::Query(uint8_t read_flag) {
  const int32_t status =
      LegacyQueryBoard(read_flag, Handle, &Record3, &Record4, &Record5, &Record6, &Record7, &Record8,
                       &Record9, &UnitValue, &CurrentLayer, &Record12);
  uint8_t scratch = 0;  // the layer info's two 8-bit values have no field of their own
  for (int l = 1; l <= kLayers; ++l) {
    PcbApi_QueryBoardLayerInfo(read_flag, Handle, static_cast<uint8_t>(l), &scratch, &scratch,
                               &LayerInfo[l]);
  }
  for (int l = 1; l <= kLayers; ++l) Layers[l]->Query(read_flag);
  PcbApi_QueryBoardSplitPlaneMode(read_flag, Handle, &SplitPlaneMode);

  TGrids& g = GridOptions;
  PcbApi_QueryBoardGridsEx(read_flag, Handle, &g.Values[0], &g.Values[1], &g.Values[2], &g.Values[3],
                           &g.Sizes[0], &g.Sizes[1], &g.Sizes[2], &g.Sizes[3], &g.Sizes[4],
                           &g.Sizes[5], &g.Flags[0], &g.Flags[1], &g.Flags[2], &g.Flags[3]);
  g.Copies = {g.Values[0], g.Values[1]};

  TOutput& o = OutputOptions;
  PcbApi_QueryBoardOutputOptions(
      read_flag, Handle, &o.Values[0], &o.Values[1], &o.Values[2], &o.Values[3], &o.Values[4],
      &o.Values[5], &o.Values[6], &o.Values[7], &o.Flags[0], &o.Flags[1], &o.Flags[2], &o.Flags[3],
      &o.Flags[4], &o.Flags[5], &o.Flags[6], &o.Flags[7], &o.Flags[8], &o.Flags[9], &o.Flags[10],
      &o.Flags[11], &o.Words[0], &o.Words[1], &o.Words[2], &o.Words[3]);
  for (uint32_t l = 1; l <= kOutputLayers; ++l) {
    PcbApi_QueryBoardOutputOptionsPlotLayers(read_flag, Handle, l, &o.Plot[l]);
  }
  for (uint32_t l = 1; l <= kOutputLayers; ++l) {
    PcbApi_QueryBoardOutputOptionsFlipLayers(read_flag, Handle, l, &o.Flip[l]);
  }

  TGerber& ge = GerberOptions;
  PcbApi_QueryBoardGerberOptions(read_flag, Handle, &ge.Values[0], &ge.Values[1], &ge.Values[2],
                                 &ge.Values[3], &ge.Values[4], &ge.Values[5], &ge.Flags[0],
                                 &ge.Flags[1], &ge.Flags[2], &ge.Flags[3], &ge.Flags[4],
                                 &ge.Flags[5], &ge.Flags[6], &ge.Flags[7], &ge.Flags[8],
                                 &ge.Flags[9], &ge.Flags[10], &ge.Words[0], &ge.Words[1]);

  TPrinter& p = PrinterOptions;
  PcbApi_QueryBoardPrinterOptions(
      read_flag, Handle, &p.Scales[0], &p.Scales[1], &p.Values[0], &p.Values[1], &p.Values[2],
      &p.Values[3], &p.Values[4], &p.Values[5], &p.Values[6], &p.Values[7], &p.Flags[0],
      &p.Flags[1], &p.Flags[2], &p.Flags[3], &p.Flags[4], &p.Flags[5], &p.Flags[6], &p.Flags[7],
      &p.Flags[8], &p.Flags[9], &p.Flags[10], &p.Flags[11], &p.Flags[12], &p.Flags[13], &p.Words[0],
      &p.Words[1]);
  for (uint32_t pen = 1; pen <= kPens; ++pen) {
    PcbApi_QueryBoardPrinterOptionsPlotterPen(read_flag, Handle, pen, &p.Pens[pen][0],
                                              &p.Pens[pen][1]);
  }
  for (int l = 1; l <= kLayers; ++l) {
    TCompositeLayer& c = p.Composite[l];
    PcbApi_QueryBoardPrinterOptionsCompositeLayer(read_flag, Handle, static_cast<uint8_t>(l), &c.A,
                                                  &c.B, &c.C, &c.D);
  }

  TPlacer& pl = PlacerOptions;
  PcbApi_QueryBoardAdvancedPlacerOptions(read_flag, Handle, &pl.Flags[0], &pl.Flags[1], &pl.Flags[2],
                                         &pl.Values[0], &pl.Values[1], &pl.Values[2]);
  PcbApi_QueryBoardEngineeringChangeOrderOptions(read_flag, Handle, &EcoOptions.A, &EcoOptions.B);

  QueryLayerPairs(read_flag);

  TExternalDielectric& d1 = ExternalDielectrics[0];
  TExternalDielectric& d2 = ExternalDielectrics[1];
  PcbApi_QueryBoardExternalDielectrics(read_flag, Handle, &d1.Material, &d1.Kind, &d1.Constant,
                                       &d1.Height, &d2.Material, &d2.Kind, &d2.Constant,
                                       &d2.Height);
  return status;
}

void TPcbBoard::QueryLayerPairs(uint8_t read_flag) {
  if (read_flag != 0) {
    LayerPairs.clear();
    uint32_t count = 0;
    if (PcbApi_QueryBoardLayerPairsCount(Handle, &count, 1) != 0) count = 0;
    for (uint32_t i = 0; i < count; ++i) {
      auto pair = std::make_unique<TPcblayerPair>();
      PcbApi_QueryBoardLayerPairAt(1, Handle, i, &pair->LayerA, &pair->LayerB, &pair->Value2,
                                   &pair->Value1);
      pair->Name = PairName(*pair);
      LayerPairs.push_back(std::move(pair));
    }
    return;
  }
  uint32_t count = static_cast<uint32_t>(LayerPairs.size());
  PcbApi_QueryBoardLayerPairsCount(Handle, &count, 0);
  for (uint32_t i = 0; i < LayerPairs.size(); ++i) {
    TPcblayerPair& pair = *LayerPairs[i];
    PcbApi_QueryBoardLayerPairAt(0, Handle, i, &pair.LayerA, &pair.LayerB, &pair.Value2,
                                 &pair.Value1);
  }
}

int TPcbBoard::StackPosition(int legacy) const {
  if (legacy < 1 || legacy > kLayers || !InStackSet(legacy)) return 0;
  int top = 0;
  for (int l = 1; l <= kLayers; ++l) {
    if (Layers[l]->PrevLayer == 0) {
      top = l;
      break;
    }
  }
  // The links come from the host: a link outside 1 to 82 ends the walk, and a loop ends it after
  // every layer was visited once.
  int position = 0;
  for (int l = top, steps = 0; l >= 1 && l <= kLayers && steps < kLayers;
       l = Layers[l]->NextLayer, ++steps) {
    if (InStackSet(l)) ++position;
    if (l == legacy) break;
  }
  return position;
}

std::string TPcbBoard::PairName(const TPcblayerPair& pair) const {
  const int a = LayerIdToLegacyLayer(pair.LayerA);
  const int b = LayerIdToLegacyLayer(pair.LayerB);
  // A layer without a board layer object (legacy 0) is named from the default table.
  auto name = [this](int legacy) {
    return legacy >= 1 && legacy <= kLayers
               ? TextOf(Layers[legacy]->Name)
               : std::string(DefaultLayerName(static_cast<TLegacyLayer>(legacy)));
  };
  const int pa = StackPosition(a), pb = StackPosition(b);
  std::string result = pb <= pa ? name(b) + " - " + name(a) : name(a) + " - " + name(b);
  if (result.size() > 255) result.resize(255);
  return result;
}
