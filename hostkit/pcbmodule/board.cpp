#include "board.h"

#include <algorithm>
#include <string>

#include "default_layer_names.h"

namespace {

void SetNamedInt(TRecord& record, const TSchema& schema, const char* field, int64_t value) {
  SetInt(record, schema.Fields()[schema.Find(field)], value);
}
void SetNamedFloat(TRecord& record, const TSchema& schema, const char* field, double value) {
  SetFloat(record, schema.Fields()[schema.Find(field)], value);
}
void SetNamedText(TRecord& record, const TSchema& schema, const char* field, const char* text) {
  SetText(record, schema.Fields()[schema.Find(field)], text);
}

}  // namespace

int64_t TPrimitive::get(const char* field) const {
  const int index = RecordSchema().Find(field);
  if (index < 0) return 0;
  const TFieldDef& def = RecordSchema().Fields()[index];
  return IsInteger(def.type) ? GetInt(record, def) : 0;
}

void TPrimitive::Set(const char* field, int64_t value) {
  const int index = RecordSchema().Find(field);
  if (index >= 0) SetInt(record, RecordSchema().Fields()[index], value);
}

TStackEntry TPrimitive::OnLayer(int layer) const {
  auto it = std::lower_bound(stack.begin(), stack.end(), layer,
                             [](const TStackEntry& e, int l) { return e.layer < l; });
  if (it != stack.end() && it->layer == layer) return *it;
  TStackEntry zero;
  zero.layer = static_cast<uint8_t>(layer);
  return zero;
}

void TPrimitive::PutOnLayer(const TStackEntry& entry) {
  auto it = std::lower_bound(stack.begin(), stack.end(), entry.layer,
                             [](const TStackEntry& e, int l) { return e.layer < l; });
  const bool present = it != stack.end() && it->layer == entry.layer;
  if (entry.IsZero()) {
    if (present) stack.erase(it);
  } else if (present) {
    *it = entry;
  } else {
    stack.insert(it, entry);
  }
}

TBoard::TBoard() {
  record = DefaultBoard();
  grids = DefaultRecord(TGroup::grids);
  output_options = DefaultRecord(TGroup::output_options);
  gerber_options = DefaultRecord(TGroup::gerber_options);
  printer_options = DefaultRecord(TGroup::printer_options);
  placer_options = DefaultRecord(TGroup::placer_options);
  eco_options = DefaultRecord(TGroup::eco_options);
  for (int l = 1; l <= kLegacyLayers; ++l) {
    layers[l] = DefaultLayer(l);
    composite[l] = DefaultRecord(TGroup::composite);
  }
  for (int p = 1; p <= kPlotterPens; ++p) pens[p] = DefaultRecord(TGroup::pen);
}

TRecord TBoard::DefaultLayer(int legacy_layer) {
  const TSchema& schema = SchemaOf(TGroup::layer);
  TRecord layer = schema.Blank();
  SetNamedText(layer, schema, "name", DefaultLayerName(legacy_layer));
  SetNamedInt(layer, schema, "thickness", 14000);
  SetNamedText(layer, schema, "material", "FR-4");
  SetNamedInt(layer, schema, "kind", 1);
  SetNamedFloat(layer, schema, "constant", 4.8);
  SetNamedInt(layer, schema, "height", 126000);
  if (legacy_layer >= 39 && legacy_layer <= 54)
    SetNamedText(layer, schema, "netName", "(No Net)");
  return layer;
}

TRecord TBoard::DefaultBoard() {
  const TSchema& schema = SchemaOf(TGroup::board);
  TRecord board = schema.Blank();
  SetNamedInt(board, schema, "splitPlaneMode", 1);
  for (const char* suffix : {"1", "2"}) {
    const std::string n = suffix;
    SetNamedText(board, schema, ("material" + n).c_str(), "FR-4");
    SetNamedInt(board, schema, ("kind" + n).c_str(), 1);
    SetNamedFloat(board, schema, ("constant" + n).c_str(), 4.8);
    SetNamedInt(board, schema, ("height" + n).c_str(), 126000);
  }
  return board;
}

TRecord TBoard::DefaultRecord(TGroup group) { return SchemaOf(group).Blank(); }

TRecord* TBoard::GroupRecord(TGroup group, uint32_t index) {
  switch (group) {
    case TGroup::board:
      return &record;
    case TGroup::grids:
      return &grids;
    case TGroup::output_options:
      return &output_options;
    case TGroup::gerber_options:
      return &gerber_options;
    case TGroup::printer_options:
      return &printer_options;
    case TGroup::placer_options:
      return &placer_options;
    case TGroup::eco_options:
      return &eco_options;
    case TGroup::layer:
      return index >= 1 && index <= kLegacyLayers ? &layers[index] : nullptr;
    case TGroup::composite:
      return index >= 1 && index <= kLegacyLayers ? &composite[index] : nullptr;
    case TGroup::pen:
      return index >= 1 && index <= kPlotterPens ? &pens[index] : nullptr;
    case TGroup::pair:
      return index < pairs.size() ? &pairs[index] : nullptr;
    default:
      return nullptr;
  }
}

TPrimitive* TBoard::Find(uint32_t handle) {
  auto it = index_.find(handle);
  return it == index_.end() ? nullptr : &primitives_[it->second];
}

const TPrimitive* TBoard::Find(uint32_t handle) const {
  auto it = index_.find(handle);
  return it == index_.end() ? nullptr : &primitives_[it->second];
}

bool TBoard::Add(TPrimitive primitive) {
  if (primitive.handle == 0 || index_.count(primitive.handle)) return false;
  const auto position = static_cast<uint32_t>(primitives_.size());
  index_.emplace(primitive.handle, position);
  by_kind_[primitive.kind].push_back(position);
  primitives_.push_back(std::move(primitive));
  return true;
}

const std::vector<uint32_t>& TBoard::OfKind(uint8_t kind) const { return by_kind_[kind]; }
