#include "board.h"

#include <algorithm>
#include <string>

#include "layer_names.h"

namespace {

void set_named_int(Record& record, const Schema& schema, const char* field, int64_t value) {
  set_int(record, schema.fields()[schema.find(field)], value);
}
void set_named_float(Record& record, const Schema& schema, const char* field, double value) {
  set_float(record, schema.fields()[schema.find(field)], value);
}
void set_named_text(Record& record, const Schema& schema, const char* field, const char* text) {
  set_text(record, schema.fields()[schema.find(field)], text);
}

}  // namespace

int64_t Primitive::get(const char* field) const {
  const int index = schema().find(field);
  if (index < 0) return 0;
  const FieldDef& def = schema().fields()[index];
  return is_integer(def.type) ? get_int(record, def) : 0;
}

void Primitive::set(const char* field, int64_t value) {
  const int index = schema().find(field);
  if (index >= 0) set_int(record, schema().fields()[index], value);
}

StackEntry Primitive::on_layer(int layer) const {
  auto it = std::lower_bound(stack.begin(), stack.end(), layer,
                             [](const StackEntry& e, int l) { return e.layer < l; });
  if (it != stack.end() && it->layer == layer) return *it;
  StackEntry zero;
  zero.layer = static_cast<uint8_t>(layer);
  return zero;
}

void Primitive::put_on_layer(const StackEntry& entry) {
  auto it = std::lower_bound(stack.begin(), stack.end(), entry.layer,
                             [](const StackEntry& e, int l) { return e.layer < l; });
  const bool present = it != stack.end() && it->layer == entry.layer;
  if (entry.is_zero()) {
    if (present) stack.erase(it);
  } else if (present) {
    *it = entry;
  } else {
    stack.insert(it, entry);
  }
}

Board::Board() {
  record = default_board();
  grids = default_record(Group::grids);
  outputOptions = default_record(Group::outputOptions);
  gerberOptions = default_record(Group::gerberOptions);
  printerOptions = default_record(Group::printerOptions);
  placerOptions = default_record(Group::placerOptions);
  ecoOptions = default_record(Group::ecoOptions);
  for (int l = 1; l <= kLegacyLayers; ++l) {
    layers[l] = default_layer(l);
    composite[l] = default_record(Group::composite);
  }
  for (int p = 1; p <= kPlotterPens; ++p) pens[p] = default_record(Group::pen);
}

Record Board::default_layer(int legacy_layer) {
  const Schema& schema = schema_of(Group::layer);
  Record layer = schema.blank();
  set_named_text(layer, schema, "name", default_layer_name(legacy_layer));
  set_named_int(layer, schema, "thickness", 14000);
  set_named_text(layer, schema, "material", "FR-4");
  set_named_int(layer, schema, "kind", 1);
  set_named_float(layer, schema, "constant", 4.8);
  set_named_int(layer, schema, "height", 126000);
  if (legacy_layer >= 39 && legacy_layer <= 54)
    set_named_text(layer, schema, "netName", "(No Net)");
  return layer;
}

Record Board::default_board() {
  const Schema& schema = schema_of(Group::board);
  Record board = schema.blank();
  set_named_int(board, schema, "splitPlaneMode", 1);
  for (const char* suffix : {"1", "2"}) {
    const std::string n = suffix;
    set_named_text(board, schema, ("material" + n).c_str(), "FR-4");
    set_named_int(board, schema, ("kind" + n).c_str(), 1);
    set_named_float(board, schema, ("constant" + n).c_str(), 4.8);
    set_named_int(board, schema, ("height" + n).c_str(), 126000);
  }
  return board;
}

Record Board::default_record(Group group) { return schema_of(group).blank(); }

Record* Board::group_record(Group group, uint32_t index) {
  switch (group) {
    case Group::board:
      return &record;
    case Group::grids:
      return &grids;
    case Group::outputOptions:
      return &outputOptions;
    case Group::gerberOptions:
      return &gerberOptions;
    case Group::printerOptions:
      return &printerOptions;
    case Group::placerOptions:
      return &placerOptions;
    case Group::ecoOptions:
      return &ecoOptions;
    case Group::layer:
      return index >= 1 && index <= kLegacyLayers ? &layers[index] : nullptr;
    case Group::composite:
      return index >= 1 && index <= kLegacyLayers ? &composite[index] : nullptr;
    case Group::pen:
      return index >= 1 && index <= kPlotterPens ? &pens[index] : nullptr;
    case Group::pair:
      return index < pairs.size() ? &pairs[index] : nullptr;
    default:
      return nullptr;
  }
}

Primitive* Board::find(uint32_t handle) {
  auto it = index_.find(handle);
  return it == index_.end() ? nullptr : &primitives_[it->second];
}

const Primitive* Board::find(uint32_t handle) const {
  auto it = index_.find(handle);
  return it == index_.end() ? nullptr : &primitives_[it->second];
}

bool Board::add(Primitive primitive) {
  if (primitive.handle == 0 || index_.count(primitive.handle)) return false;
  const auto position = static_cast<uint32_t>(primitives_.size());
  index_.emplace(primitive.handle, position);
  by_kind_[primitive.kind].push_back(position);
  primitives_.push_back(std::move(primitive));
  return true;
}

const std::vector<uint32_t>& Board::of_kind(uint8_t kind) const { return by_kind_[kind]; }
