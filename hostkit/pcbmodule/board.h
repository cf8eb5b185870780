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
struct StackEntry {
  uint8_t layer = 0;
  uint8_t shape = 0;
  uint8_t crPercent = 0;
  int32_t xSize = 0;
  int32_t ySize = 0;
  int32_t cornerRadius = 0;
  bool is_zero() const { return !shape && !crPercent && !xSize && !ySize && !cornerRadius; }
  bool operator==(const StackEntry&) const = default;
};

struct Primitive {
  uint32_t handle = 0;
  uint8_t kind = 0;
  Record record;
  std::vector<StackEntry> stack;  // pads only, ascending by layer
  mutable uint32_t undo_stamp = 0;  // the editor's undo step that saved this primitive last

  const Schema& schema() const { return schema_of(group_of_kind(kind)); }
  int64_t get(const char* field) const;  // integer field by name, 0 when the kind has none
  void set(const char* field, int64_t value);
  StackEntry on_layer(int layer) const;
  void put_on_layer(const StackEntry& entry);
};

class Board {
 public:
  Board();

  static Record default_layer(int legacy_layer);
  static Record default_board();
  static Record default_record(Group group);  // for the groups without per-entry defaults

  // The record behind a board-level export: the board record and option groups (index unused), a
  // layer (legacy 1 to 82), a pair (0-based), a plotter pen (1 to 8), a composite layer (1 to 82);
  // null when the index is out of range.
  Record* group_record(Group group, uint32_t index);

  Primitive* find(uint32_t handle);
  const Primitive* find(uint32_t handle) const;
  // False when the handle is 0 or already taken.
  bool add(Primitive primitive);
  const std::vector<Primitive>& primitives() const { return primitives_; }
  // Positions (in primitives()) of the primitives of one kind, in board order.
  const std::vector<uint32_t>& of_kind(uint8_t kind) const;

  Record record, grids, outputOptions, gerberOptions, printerOptions, placerOptions, ecoOptions;
  std::array<Record, kLegacyLayers + 1> layers;  // [0] unused
  std::vector<Record> pairs;
  std::array<uint8_t, kOutputLayers + 1> plotLayers{}, flipLayers{};  // [0] unused
  std::array<Record, kPlotterPens + 1> pens;                          // [0] unused
  std::array<Record, kLegacyLayers + 1> composite;                    // [0] unused

 private:
  std::vector<Primitive> primitives_;
  std::unordered_map<uint32_t, uint32_t> index_;
  std::array<std::vector<uint32_t>, 256> by_kind_;
};
