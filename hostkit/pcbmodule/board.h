#pragma once
// The board model of the stand-in PCB editor: the board record and its option groups, the 82 legacy
// layers with their stack links and dielectrics, the layer pairs, and the primitives with their
// stable 32-bit handles (pads with their per-layer pad stack).

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "record_schemas.h"

inline constexpr int kLegacyLayers = 82;
inline constexpr int kOutputLayers = 109;
inline constexpr int kPlotterPens = 8;

// A pad's shape and sizes on one legacy layer (0 to 82); layers without an entry are all zero.
struct TStackEntry {
  uint8_t layer = 0;
  uint8_t shape = 0;
  uint8_t cr_percent = 0;
  int32_t x_size = 0;
  int32_t y_size = 0;
  int32_t corner_radius = 0;
  bool IsZero() const { return !shape && !cr_percent && !x_size && !y_size && !corner_radius; }
  bool operator==(const TStackEntry&) const = default;
};

struct TPrimitive {
  uint32_t handle = 0;
  uint8_t kind = 0;
  TRecord record;
  std::vector<TStackEntry> stack;  // pads only, ascending by layer

  const TSchema& RecordSchema() const { return SchemaOf(GroupOfKind(kind)); }
  int64_t get(const char* field) const;  // integer field by name, 0 when the kind has none
  void Set(const char* field, int64_t value);
  TStackEntry OnLayer(int layer) const;
  void PutOnLayer(const TStackEntry& entry);
};

class TBoard {
 public:
  TBoard();

  static TRecord DefaultLayer(int legacy_layer);
  static TRecord DefaultBoard();
  static TRecord DefaultRecord(TGroup group);  // for the groups without per-entry defaults

  // The record behind a board-level export: the board record and option groups (index unused), a
  // layer (legacy 1 to 82), a pair (0-based), a plotter pen (1 to 8), a composite layer (1 to 82);
  // null when the index is out of range.
  TRecord* GroupRecord(TGroup group, uint32_t index);

  TPrimitive* Find(uint32_t handle);
  const TPrimitive* Find(uint32_t handle) const;
  // False when the handle is 0 or already taken.
  bool Add(TPrimitive primitive);
  const std::vector<TPrimitive>& Primitives() const { return primitives_; }
  // Positions (in primitives()) of the primitives of one kind, in board order.
  const std::vector<uint32_t>& OfKind(uint8_t kind) const;

  TRecord record, grids, output_options, gerber_options, printer_options, placer_options, eco_options;
  std::array<TRecord, kLegacyLayers + 1> layers;  // [0] unused
  std::vector<TRecord> pairs;
  std::array<uint8_t, kOutputLayers + 1> plot_layers{}, flip_layers{};  // [0] unused
  std::array<TRecord, kPlotterPens + 1> pens;                          // [0] unused
  std::array<TRecord, kLegacyLayers + 1> composite;                    // [0] unused

 private:
  std::vector<TPrimitive> primitives_;
  std::unordered_map<uint32_t, uint32_t> index_;
  std::array<std::vector<uint32_t>, 256> by_kind_;
};
