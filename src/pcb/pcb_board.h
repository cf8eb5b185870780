#pragma once
// TPcbBoard: an in-memory copy of the open board's settings, read (Query(1)) or handed back
// (Query(0)) in one go: the board record with its unit, the 82 legacy layers, the layer pairs, the
// external dielectrics, one info value per layer and the option groups. Reading makes 564 host
// calls plus one per layer pair.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/object.h"
#include "hostapi/pcb_api.h"
#include "pcb/coord.h"
#include "pcb/layer_id.h"
#include "pcb/layer_object.h"
#include "pcb/layer_pair.h"

// PcbApi_QueryBoard with argument 11 as a legacy layer, mapped to a layer id for the call and back
// afterwards whatever the status.
int32_t LegacyQueryBoard(uint8_t read_flag, uint32_t handle, uint32_t* f3, TRecordText* f4, uint8_t* f5,
                         int32_t* f6, int32_t* f7, int32_t* f8, int32_t* f9, uint8_t* unit,
                         TLegacyLayer* legacy_layer, uint32_t* f12);

struct TExternalDielectric {
  TRecordText Material{};
  uint8_t Kind = 1;
  double Constant = 4.8;
  TCoord Height = 126000;
};

class TPcbBoard : public TObject {
  TAVRIN_CLASS(TPcbBoard, TObject)
 public:
  static constexpr int kLayers = 82;
  static constexpr int kOutputLayers = 109;
  static constexpr int kPens = 8;

  explicit TPcbBoard(uint32_t handle);  // defaults only; no host call

  // The whole transfer in the host's order; the result is the status of the board record query.
  int32_t Query(uint8_t read_flag);

  TUnit Unit() const { return static_cast<TUnit>(UnitValue); }
  TLayerObject& LayerAt(int legacy) { return *Layers[legacy]; }
  // The place of a layer in the board's stack (1 for the top copper layer), counting only layers of
  // the stack set; 0 for a layer outside it or outside 1 to 82.
  int StackPosition(int legacy) const;
  // "<upper layer> - <lower layer>", the layer higher in the stack first, LayerB first on a tie.
  std::string PairName(const TPcblayerPair& pair) const;

  uint32_t Handle;
  // Board record.
  uint32_t Record3 = 0;
  TRecordText Record4{};
  uint8_t Record5 = 0;
  int32_t Record6 = 0, Record7 = 0, Record8 = 0, Record9 = 0;
  uint8_t UnitValue = eMetric;
  TLegacyLayer CurrentLayer = 0;
  uint32_t Record12 = 0;

  std::array<TExternalDielectric, 2> ExternalDielectrics;
  std::array<std::unique_ptr<TLayerObject>, kLayers + 1> Layers;  // [0] unused
  std::vector<std::unique_ptr<TPcblayerPair>> LayerPairs;
  std::array<uint32_t, kLayers + 1> LayerInfo{};

  struct TGrids {
    std::array<double, 4> Values{};
    std::array<int32_t, 6> Sizes{};
    std::array<uint8_t, 4> Flags{};
    std::array<double, 2> Copies{};  // the first two values, copied after each grid query
  } GridOptions;
  struct TOutput {
    std::array<int32_t, 8> Values{};
    std::array<uint8_t, 12> Flags{};
    std::array<uint32_t, 4> Words{};
    std::array<uint8_t, kOutputLayers + 1> Plot{}, Flip{};  // [0] unused
  } OutputOptions;
  struct TGerber {
    std::array<int32_t, 6> Values{};
    std::array<uint8_t, 11> Flags{};
    std::array<uint32_t, 2> Words{};
  } GerberOptions;
  struct TCompositeLayer {
    uint32_t A = 0, B = 0;
    uint8_t C = 0;
    uint32_t D = 0;
  };
  struct TPrinter {
    std::array<double, 2> Scales{};
    std::array<int32_t, 8> Values{};
    std::array<uint8_t, 14> Flags{};
    std::array<uint32_t, 2> Words{};
    std::array<std::array<uint32_t, 2>, kPens + 1> Pens{};  // [0] unused
    std::array<TCompositeLayer, kLayers + 1> Composite{};    // [0] unused
  } PrinterOptions;
  struct TPlacer {
    std::array<uint8_t, 3> Flags{};
    std::array<int32_t, 3> Values{};
  } PlacerOptions;
  struct TEco {
    uint8_t A = 0, B = 0;
  } EcoOptions;
  uint8_t SplitPlaneMode = 1;

 private:
  void QueryLayerPairs(uint8_t read_flag);
};
