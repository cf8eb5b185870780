#include "record_schemas.h"

#include <array>
#include <cstdlib>

namespace {

const FieldDef kPadFields[] = {
    {"flags", FieldType::U16, false},     {"value16", FieldType::U16, false},
    {"layer", FieldType::LayerId, false}, {"value32a", FieldType::U32, false},
    {"value8", FieldType::U8, false},     {"value32b", FieldType::U32, false},
    {"x", FieldType::I32, true},          {"y", FieldType::I32, true},
    {"f11", FieldType::I32, false},       {"f12", FieldType::I32, false},
    {"f13", FieldType::I32, false},       {"f14", FieldType::I32, false},
    {"f15", FieldType::I32, false},       {"f16", FieldType::I32, false},
    {"holeSize", FieldType::I32, true},   {"f18", FieldType::U8, false},
    {"f19", FieldType::U8, false},        {"f20", FieldType::U8, false},
    {"f21", FieldType::Text20, false},    {"f22", FieldType::U8, false},
    {"f23", FieldType::U8, false},        {"rotation", FieldType::F64, false},
    {"f25", FieldType::Text20, false},    {"f26", FieldType::Text20, false},
    {"f27", FieldType::U32, false},       {"f28", FieldType::Text20, false},
    {"f29", FieldType::U8, false},        {"f30", FieldType::U8, false},
    {"f31", FieldType::U32, false},       {"f32", FieldType::I64, false},
    {"f33", FieldType::U32, false},       {"f34", FieldType::U32, false},
    {"f35", FieldType::U32, false},       {"f36", FieldType::U8, false},
    {"f37", FieldType::U8, false},        {"stackMode", FieldType::U8, false},
    {"flags2", FieldType::U8, false},     {"flags3", FieldType::U16, false},
    {"slotLength", FieldType::I32, false},
};
const FieldDef kTrackFields[] = {
    {"flags", FieldType::U16, false},     {"value16", FieldType::U16, false},
    {"layer", FieldType::LayerId, false}, {"value32a", FieldType::U32, false},
    {"value8", FieldType::U8, false},     {"value32b", FieldType::U32, false},
    {"x", FieldType::I32, true},          {"y", FieldType::I32, true},
    {"x2", FieldType::I32, false},        {"y2", FieldType::I32, false},
    {"width", FieldType::I32, false},     {"f14", FieldType::I32, false},
    {"f15", FieldType::I32, false},       {"f16", FieldType::I32, false},
    {"flags2", FieldType::U8, false},     {"flags3", FieldType::U16, false},
};
const FieldDef kViaFields[] = {
    {"flags", FieldType::U16, false},
    {"value16", FieldType::U16, false},
    {"layer", FieldType::LegacyLayer, false},
    {"value32a", FieldType::U32, false},
    {"value8", FieldType::U8, false},
    {"value32b", FieldType::U32, false},
    {"x", FieldType::I32, true},
    {"y", FieldType::I32, true},
    {"size", FieldType::I32, false},
    {"holeSize", FieldType::I32, true},
    {"f13", FieldType::U8, false},
    {"f14", FieldType::U8, false},
    {"f15", FieldType::U8, false},
    {"f16", FieldType::U8, false},
    {"flags2", FieldType::U8, false},
    {"flags3", FieldType::U16, false},
};
const FieldDef kNetFields[] = {
    {"name", FieldType::Text255, false}, {"colour", FieldType::U32, false},
    {"visible", FieldType::U8, false},   {"f6", FieldType::U8, false},
    {"flags2", FieldType::U8, false},    {"flags3", FieldType::U16, false},
};
const FieldDef kFillFields[] = {
    {"flags", FieldType::U16, false},     {"value16", FieldType::U16, false},
    {"layer", FieldType::LayerId, false}, {"value32a", FieldType::U32, false},
    {"value8", FieldType::U8, false},     {"value32b", FieldType::U32, false},
    {"x", FieldType::I32, true},          {"y", FieldType::I32, true},
    {"x2", FieldType::I32, false},        {"y2", FieldType::I32, false},
    {"f13", FieldType::I32, false},       {"rotation", FieldType::F64, false},
    {"flags2", FieldType::U8, false},     {"flags3", FieldType::U16, false},
};
const FieldDef kRegionFields[] = {
    {"flags", FieldType::U16, false},         {"value16", FieldType::U16, false},
    {"layer", FieldType::LayerId, false},     {"value32a", FieldType::U32, false},
    {"value8", FieldType::U8, false},         {"value32b", FieldType::U32, false},
    {"regionKind", FieldType::U8, false},     {"net", FieldType::U32, false},
    {"holeCount", FieldType::U32, false},     {"keepout", FieldType::U8, false},
    {"arcResolution", FieldType::I32, false}, {"component", FieldType::U32, false},
    {"vertexCount", FieldType::U32, false},   {"flags2", FieldType::U8, false},
    {"flags3", FieldType::U16, false},
};
const FieldDef kArcFields[] = {
    {"flags", FieldType::U16, false},     {"value16", FieldType::U16, false},
    {"layer", FieldType::LayerId, false}, {"value32a", FieldType::U32, false},
    {"value8", FieldType::U8, false},     {"value32b", FieldType::U32, false},
    {"x", FieldType::I32, true},          {"y", FieldType::I32, true},
    {"radius", FieldType::I32, false},    {"startAngle", FieldType::F64, false},
    {"endAngle", FieldType::F64, false},  {"width", FieldType::I32, false},
    {"f15", FieldType::I32, false},       {"flags2", FieldType::U8, false},
    {"flags3", FieldType::U16, false},
};
const FieldDef kTextFields[] = {
    {"flags", FieldType::U16, false},      {"value16", FieldType::U16, false},
    {"layer", FieldType::LayerId, false},  {"value32a", FieldType::U32, false},
    {"value8", FieldType::U8, false},      {"value32b", FieldType::U32, false},
    {"x", FieldType::I32, true},           {"y", FieldType::I32, true},
    {"height", FieldType::I32, false},     {"width", FieldType::I32, false},
    {"rotation", FieldType::F64, false},   {"mirrored", FieldType::U8, false},
    {"text", FieldType::Text255, false},   {"f16", FieldType::I32, false},
    {"f17", FieldType::I32, false},        {"f18", FieldType::I32, false},
    {"trueType", FieldType::U8, false},    {"fontName", FieldType::Text255, false},
    {"bold", FieldType::U8, false},        {"italic", FieldType::U8, false},
    {"inverted", FieldType::U8, false},    {"border", FieldType::I32, false},
    {"barCodeKind", FieldType::U8, false}, {"barWidth", FieldType::I32, false},
    {"barHeight", FieldType::I32, false},  {"showText", FieldType::U8, false},
    {"flags2", FieldType::U8, false},      {"flags3", FieldType::U16, false},
};
const FieldDef kPolygonFields[] = {
    {"flags", FieldType::U16, false},
    {"value16", FieldType::U16, false},
    {"layer", FieldType::LayerId, false},
    {"value32a", FieldType::U32, false},
    {"value8", FieldType::U8, false},
    {"value32b", FieldType::U32, false},
    {"net", FieldType::U32, false},
    {"hatchStyle", FieldType::U8, false},
    {"gridSize", FieldType::I32, false},
    {"trackSize", FieldType::I32, false},
    {"minPrimitiveLength", FieldType::I32, false},
    {"pourOver", FieldType::U8, false},
    {"removeDead", FieldType::U8, false},
    {"polygonKind", FieldType::U8, false},
    {"name", FieldType::Text255, false},
    {"vertexCount", FieldType::U32, false},
    {"flags2", FieldType::U8, false},
    {"flags3", FieldType::U16, false},
};
const FieldDef kComponentFields[] = {
    {"flags", FieldType::U16, false},
    {"value16", FieldType::U16, false},
    {"layer", FieldType::LegacyLayer, false},
    {"value32a", FieldType::U32, false},
    {"value8", FieldType::U8, false},
    {"value32b", FieldType::U32, false},
    {"x", FieldType::I32, true},
    {"y", FieldType::I32, true},
    {"rotation", FieldType::F64, false},
    {"nameText", FieldType::U32, false},
    {"commentText", FieldType::U32, false},
    {"pattern", FieldType::Text255, false},
    {"nameOn", FieldType::U8, false},
    {"commentOn", FieldType::U8, false},
    {"sourceDesignator", FieldType::Text255, false},
    {"sourceUniqueId", FieldType::Text255, false},
    {"lockStrings", FieldType::U8, false},
    {"f6", FieldType::U32, false},
    {"footprintDescription", FieldType::Text255, false},
    {"libraryReference", FieldType::Text255, false},
    {"hierarchicalPath", FieldType::Text255, false},
    {"sourceLibrary", FieldType::Text255, false},
    {"f7", FieldType::U8, false},
    {"f8", FieldType::U8, false},
    {"f9", FieldType::U32, false},
    {"f10", FieldType::U32, false},
    {"modelName", FieldType::Text255, false},
    {"componentKind", FieldType::U8, false},
    {"channelOffset", FieldType::U32, false},
    {"flags2", FieldType::U8, false},
    {"flags3", FieldType::U16, false},
};
const FieldDef kBoardFields[] = {
    {"f3", FieldType::U32, false},
    {"f4", FieldType::Text255, false},
    {"f5", FieldType::U8, false},
    {"f6", FieldType::I32, false},
    {"f7", FieldType::I32, false},
    {"f8", FieldType::I32, false},
    {"f9", FieldType::I32, false},
    {"unit", FieldType::U8, true},
    {"layer", FieldType::LayerId, false},
    {"f12", FieldType::U32, false},
    {"splitPlaneMode", FieldType::U8, false},
    {"material1", FieldType::Text255, false},
    {"kind1", FieldType::U8, false},
    {"constant1", FieldType::F64, false},
    {"height1", FieldType::I32, false},
    {"material2", FieldType::Text255, false},
    {"kind2", FieldType::U8, false},
    {"constant2", FieldType::F64, false},
    {"height2", FieldType::I32, false},
};
const FieldDef kGridsFields[] = {
    {"f3", FieldType::F64, false},  {"f4", FieldType::F64, false},  {"f5", FieldType::F64, false},
    {"f6", FieldType::F64, false},  {"f7", FieldType::I32, false},  {"f8", FieldType::I32, false},
    {"f9", FieldType::I32, false},  {"f10", FieldType::I32, false}, {"f11", FieldType::I32, false},
    {"f12", FieldType::I32, false}, {"f13", FieldType::U8, false},  {"f14", FieldType::U8, false},
    {"f15", FieldType::U8, false},  {"f16", FieldType::U8, false},
};
const FieldDef kPairFields[] = {
    {"layerA", FieldType::LayerId, false},
    {"layerB", FieldType::LayerId, false},
    {"second", FieldType::U8, false},
    {"first", FieldType::U8, false},
};
const FieldDef kEcoOptionsFields[] = {
    {"f3", FieldType::U8, false},
    {"f4", FieldType::U8, false},
};
const FieldDef kOutputOptionsFields[] = {
    {"f3", FieldType::I32, false},  {"f4", FieldType::I32, false},  {"f5", FieldType::I32, false},
    {"f6", FieldType::I32, false},  {"f7", FieldType::I32, false},  {"f8", FieldType::I32, false},
    {"f9", FieldType::I32, false},  {"f10", FieldType::I32, false}, {"f11", FieldType::U8, false},
    {"f12", FieldType::U8, false},  {"f13", FieldType::U8, false},  {"f14", FieldType::U8, false},
    {"f15", FieldType::U8, false},  {"f16", FieldType::U8, false},  {"f17", FieldType::U8, false},
    {"f18", FieldType::U8, false},  {"f19", FieldType::U8, false},  {"f20", FieldType::U8, false},
    {"f21", FieldType::U8, false},  {"f22", FieldType::U8, false},  {"f23", FieldType::U32, false},
    {"f24", FieldType::U32, false}, {"f25", FieldType::U32, false}, {"f26", FieldType::U32, false},
};
const FieldDef kGerberOptionsFields[] = {
    {"f3", FieldType::I32, false},  {"f4", FieldType::I32, false}, {"f5", FieldType::I32, false},
    {"f6", FieldType::I32, false},  {"f7", FieldType::I32, false}, {"f8", FieldType::I32, false},
    {"f9", FieldType::U8, false},   {"f10", FieldType::U8, false}, {"f11", FieldType::U8, false},
    {"f12", FieldType::U8, false},  {"f13", FieldType::U8, false}, {"f14", FieldType::U8, false},
    {"f15", FieldType::U8, false},  {"f16", FieldType::U8, false}, {"f17", FieldType::U8, false},
    {"f18", FieldType::U8, false},  {"f19", FieldType::U8, false}, {"f20", FieldType::U32, false},
    {"f21", FieldType::U32, false},
};
const FieldDef kPrinterOptionsFields[] = {
    {"f3", FieldType::F64, false},  {"f4", FieldType::F64, false},  {"f5", FieldType::I32, false},
    {"f6", FieldType::I32, false},  {"f7", FieldType::I32, false},  {"f8", FieldType::I32, false},
    {"f9", FieldType::I32, false},  {"f10", FieldType::I32, false}, {"f11", FieldType::I32, false},
    {"f12", FieldType::I32, false}, {"f13", FieldType::U8, false},  {"f14", FieldType::U8, false},
    {"f15", FieldType::U8, false},  {"f16", FieldType::U8, false},  {"f17", FieldType::U8, false},
    {"f18", FieldType::U8, false},  {"f19", FieldType::U8, false},  {"f20", FieldType::U8, false},
    {"f21", FieldType::U8, false},  {"f22", FieldType::U8, false},  {"f23", FieldType::U8, false},
    {"f24", FieldType::U8, false},  {"f25", FieldType::U8, false},  {"f26", FieldType::U8, false},
    {"f27", FieldType::U32, false}, {"f28", FieldType::U32, false},
};
const FieldDef kPenFields[] = {
    {"f4", FieldType::U32, false},
    {"f5", FieldType::U32, false},
};
const FieldDef kCompositeFields[] = {
    {"f4", FieldType::U32, false},
    {"f5", FieldType::U32, false},
    {"f6", FieldType::U8, false},
    {"f7", FieldType::U32, false},
};
const FieldDef kPlacerOptionsFields[] = {
    {"f3", FieldType::U8, false},  {"f4", FieldType::U8, false},  {"f5", FieldType::U8, false},
    {"f6", FieldType::I32, false}, {"f7", FieldType::I32, false}, {"f8", FieldType::I32, false},
};
const FieldDef kLayerFields[] = {
    {"name", FieldType::Text255, false},
    {"thickness", FieldType::I32, false},
    {"f6", FieldType::U8, false},
    {"f7", FieldType::U8, false},
    {"prevLayer", FieldType::LegacyLayer, false},
    {"nextLayer", FieldType::LegacyLayer, false},
    {"f10", FieldType::U8, false},
    {"netName", FieldType::Text255, false},
    {"material", FieldType::Text255, false},
    {"kind", FieldType::U8, false},
    {"constant", FieldType::F64, false},
    {"height", FieldType::I32, false},
    {"infoA", FieldType::U8, false},
    {"infoB", FieldType::U8, false},
    {"info", FieldType::U32, false},
};

struct ExportFields {
  const char* name;
  Group group;
  std::initializer_list<const char*> fields;
};

const ExportFields kExportFields[] = {
    {"PcbApi_QueryPad",
     Group::pad,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x",   "y",   "f11",
      "f12",   "f13",     "f14",   "f15",      "f16",    "holeSize", "f18", "f19", "f20",
      "f21",   "f22",     "f23",   "rotation", "f25",    "f26",      "f27", "f28", "f29",
      "f30",   "f31",     "f32",   "f33",      "f34",    "f35",      "f36", "f37"}},
    {"PcbApi_QueryPadStackMode", Group::pad, {"stackMode"}},
    {"PcbApi_QueryTrack",
     Group::track,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x", "y", "x2", "y2", "width",
      "f14", "f15", "f16"}},
    {"PcbApi_QueryVia",
     Group::via,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x", "y", "size", "holeSize",
      "f13", "f14", "f15", "f16"}},
    {"PcbApi_QueryNet", Group::net, {"name", "colour", "visible", "f6"}},
    {"PcbApi_QueryFill",
     Group::fill,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x", "y", "x2", "y2", "f13",
      "rotation"}},
    {"PcbApi_QueryRegion",
     Group::region,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "regionKind", "net",
      "holeCount", "keepout", "arcResolution", "component", "vertexCount"}},
    {"PcbApi_QueryArc",
     Group::arc,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x", "y", "radius",
      "startAngle", "endAngle", "width", "f15"}},
    {"PcbApi_QueryText",
     Group::text,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x", "y", "height", "width",
      "rotation", "mirrored", "text", "f16", "f17", "f18"}},
    {"PcbApi_QueryTrueTypeTextInfo",
     Group::text,
     {"trueType", "fontName", "bold", "italic", "inverted", "border"}},
    {"PcbApi_QueryBarCodeTextInfo",
     Group::text,
     {"barCodeKind", "barWidth", "barHeight", "showText"}},
    {"PcbApi_QueryPolygon",
     Group::polygon,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "net", "hatchStyle",
      "gridSize", "trackSize", "minPrimitiveLength", "pourOver", "removeDead", "polygonKind",
      "name", "vertexCount"}},
    {"PcbApi_QueryComponent",
     Group::component,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x", "y", "rotation",
      "nameText", "commentText", "pattern", "nameOn", "commentOn"}},
    {"PcbApi_QueryComponentEx",
     Group::component,
     {"sourceDesignator", "sourceUniqueId", "lockStrings", "f6"}},
    {"PcbApi_QueryComponentSourceLinks",
     Group::component,
     {"footprintDescription", "libraryReference", "hierarchicalPath", "sourceLibrary", "f7", "f8",
      "f9", "f10"}},
    {"PcbApi_QueryDefaultPCB3DModel", Group::component, {"modelName"}},
    {"PcbApi_QueryComponentKind", Group::component, {"componentKind"}},
    {"PcbApi_QueryComponentChannelOffset", Group::component, {"channelOffset"}},
    {"PcbApi_QueryBoard",
     Group::board,
     {"f3", "f4", "f5", "f6", "f7", "f8", "f9", "unit", "layer", "f12"}},
    {"PcbApi_QueryBoardGridsEx",
     Group::grids,
     {"f3", "f4", "f5", "f6", "f7", "f8", "f9", "f10", "f11", "f12", "f13", "f14", "f15", "f16"}},
    {"PcbApi_QueryBoardSplitPlaneMode", Group::board, {"splitPlaneMode"}},
    {"PcbApi_QueryBoardLayerPairAt", Group::pair, {"layerA", "layerB", "second", "first"}},
    {"PcbApi_QueryBoardEngineeringChangeOrderOptions", Group::ecoOptions, {"f3", "f4"}},
    {"PcbApi_QueryBoardOutputOptions",
     Group::outputOptions,
     {"f3",  "f4",  "f5",  "f6",  "f7",  "f8",  "f9",  "f10", "f11", "f12", "f13", "f14",
      "f15", "f16", "f17", "f18", "f19", "f20", "f21", "f22", "f23", "f24", "f25", "f26"}},
    {"PcbApi_QueryBoardGerberOptions",
     Group::gerberOptions,
     {"f3", "f4", "f5", "f6", "f7", "f8", "f9", "f10", "f11", "f12", "f13", "f14", "f15", "f16",
      "f17", "f18", "f19", "f20", "f21"}},
    {"PcbApi_QueryBoardPrinterOptions",
     Group::printerOptions,
     {"f3",  "f4",  "f5",  "f6",  "f7",  "f8",  "f9",  "f10", "f11", "f12", "f13", "f14", "f15",
      "f16", "f17", "f18", "f19", "f20", "f21", "f22", "f23", "f24", "f25", "f26", "f27", "f28"}},
    {"PcbApi_QueryBoardPrinterOptionsPlotterPen", Group::pen, {"f4", "f5"}},
    {"PcbApi_QueryBoardPrinterOptionsCompositeLayer", Group::composite, {"f4", "f5", "f6", "f7"}},
    {"PcbApi_QueryBoardAdvancedPlacerOptions",
     Group::placerOptions,
     {"f3", "f4", "f5", "f6", "f7", "f8"}},
    {"PcbApi_QueryLayer",
     Group::layer,
     {"name", "thickness", "f6", "f7", "prevLayer", "nextLayer", "f10"}},
    {"PcbApi_QueryInternalPlane",
     Group::layer,
     {"name", "thickness", "f6", "f7", "prevLayer", "nextLayer", "netName"}},
    {"PcbApi_QueryLayerDielectric", Group::layer, {"material", "kind", "constant", "height"}},
    {"PcbApi_QueryBoardExternalDielectrics",
     Group::board,
     {"material1", "kind1", "constant1", "height1", "material2", "kind2", "constant2", "height2"}},
    {"PcbApi_QueryBoardLayerInfo", Group::layer, {"infoA", "infoB", "info"}},
};

const std::array<Schema, kGroupCount>& schemas() {
  static const std::array<Schema, kGroupCount> all = {
      Schema("pad", kPadFields),
      Schema("track", kTrackFields),
      Schema("via", kViaFields),
      Schema("net", kNetFields),
      Schema("fill", kFillFields),
      Schema("region", kRegionFields),
      Schema("arc", kArcFields),
      Schema("text", kTextFields),
      Schema("polygon", kPolygonFields),
      Schema("component", kComponentFields),
      Schema("board", kBoardFields),
      Schema("grids", kGridsFields),
      Schema("pair", kPairFields),
      Schema("ecoOptions", kEcoOptionsFields),
      Schema("outputOptions", kOutputOptionsFields),
      Schema("gerberOptions", kGerberOptionsFields),
      Schema("printerOptions", kPrinterOptionsFields),
      Schema("pen", kPenFields),
      Schema("composite", kCompositeFields),
      Schema("placerOptions", kPlacerOptionsFields),
      Schema("layer", kLayerFields),
  };
  return all;
}

struct KindInfo {
  uint8_t kind;
  const char* name;
  Group group;
};
const KindInfo kKinds[] = {
    {1, "arc", Group::arc},          {2, "pad", Group::pad},
    {3, "via", Group::via},          {4, "track", Group::track},
    {5, "text", Group::text},        {6, "fill", Group::fill},
    {8, "net", Group::net},          {9, "component", Group::component},
    {10, "polygon", Group::polygon}, {11, "region", Group::region},
};

const KindInfo* kind_info(uint8_t kind) {
  for (const KindInfo& info : kKinds) {
    if (info.kind == kind) return &info;
  }
  return nullptr;
}

std::vector<ExportSpec> resolve_exports() {
  std::vector<ExportSpec> descs;
  for (const ExportFields& entry : kExportFields) {
    ExportSpec desc{entry.name, entry.group, {}};
    const Schema& schema = schema_of(entry.group);
    for (const char* field : entry.fields) {
      const int index = schema.find(field);
      if (index < 0) std::abort();  // the tables above disagree: a build-time mistake
      desc.fields.push_back(index);
    }
    descs.push_back(std::move(desc));
  }
  return descs;
}

}  // namespace

const Schema& schema_of(Group group) { return schemas()[static_cast<size_t>(group)]; }

bool is_modelled_kind(uint8_t kind) { return kind_info(kind) != nullptr; }
Group group_of_kind(uint8_t kind) { return kind_info(kind)->group; }
const char* kind_name(uint8_t kind) {
  const KindInfo* info = kind_info(kind);
  return info ? info->name : nullptr;
}
uint8_t kind_from_name(std::string_view name) {
  for (const KindInfo& info : kKinds) {
    if (name == info.name) return info.kind;
  }
  return 0;
}

const ExportSpec& export_spec(ExportId id) {
  static const std::vector<ExportSpec> descs = resolve_exports();
  return descs[static_cast<size_t>(id)];
}
