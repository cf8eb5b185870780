#include "record_schemas.h"

#include <array>
#include <cstdlib>

namespace {

const TFieldDef kPadFields[] = {
    {"flags", TFieldType::U16, false},     {"value16", TFieldType::U16, false},
    {"layer", TFieldType::LayerId, false}, {"value32a", TFieldType::U32, false},
    {"value8", TFieldType::U8, false},     {"value32b", TFieldType::U32, false},
    {"x", TFieldType::I32, true},          {"y", TFieldType::I32, true},
    {"f11", TFieldType::I32, false},       {"f12", TFieldType::I32, false},
    {"f13", TFieldType::I32, false},       {"f14", TFieldType::I32, false},
    {"f15", TFieldType::I32, false},       {"f16", TFieldType::I32, false},
    {"holeSize", TFieldType::I32, true},   {"f18", TFieldType::U8, false},
    {"f19", TFieldType::U8, false},        {"f20", TFieldType::U8, false},
    {"f21", TFieldType::Text20, false},    {"f22", TFieldType::U8, false},
    {"f23", TFieldType::U8, false},        {"rotation", TFieldType::F64, false},
    {"f25", TFieldType::Text20, false},    {"f26", TFieldType::Text20, false},
    {"f27", TFieldType::U32, false},       {"f28", TFieldType::Text20, false},
    {"f29", TFieldType::U8, false},        {"f30", TFieldType::U8, false},
    {"f31", TFieldType::U32, false},       {"f32", TFieldType::I64, false},
    {"f33", TFieldType::U32, false},       {"f34", TFieldType::U32, false},
    {"f35", TFieldType::U32, false},       {"f36", TFieldType::U8, false},
    {"f37", TFieldType::U8, false},        {"stackMode", TFieldType::U8, false},
    {"flags2", TFieldType::U8, false},     {"flags3", TFieldType::U16, false},
    {"slotLength", TFieldType::I32, false},
};
const TFieldDef kTrackFields[] = {
    {"flags", TFieldType::U16, false},     {"value16", TFieldType::U16, false},
    {"layer", TFieldType::LayerId, false}, {"value32a", TFieldType::U32, false},
    {"value8", TFieldType::U8, false},     {"value32b", TFieldType::U32, false},
    {"x", TFieldType::I32, true},          {"y", TFieldType::I32, true},
    {"x2", TFieldType::I32, false},        {"y2", TFieldType::I32, false},
    {"width", TFieldType::I32, false},     {"f14", TFieldType::I32, false},
    {"f15", TFieldType::I32, false},       {"f16", TFieldType::I32, false},
    {"flags2", TFieldType::U8, false},     {"flags3", TFieldType::U16, false},
};
const TFieldDef kViaFields[] = {
    {"flags", TFieldType::U16, false},
    {"value16", TFieldType::U16, false},
    {"layer", TFieldType::LegacyLayer, false},
    {"value32a", TFieldType::U32, false},
    {"value8", TFieldType::U8, false},
    {"value32b", TFieldType::U32, false},
    {"x", TFieldType::I32, true},
    {"y", TFieldType::I32, true},
    {"size", TFieldType::I32, false},
    {"holeSize", TFieldType::I32, true},
    {"f13", TFieldType::U8, false},
    {"f14", TFieldType::U8, false},
    {"f15", TFieldType::U8, false},
    {"f16", TFieldType::U8, false},
    {"flags2", TFieldType::U8, false},
    {"flags3", TFieldType::U16, false},
};
const TFieldDef kNetFields[] = {
    {"name", TFieldType::Text255, false}, {"colour", TFieldType::U32, false},
    {"visible", TFieldType::U8, false},   {"f6", TFieldType::U8, false},
    {"flags2", TFieldType::U8, false},    {"flags3", TFieldType::U16, false},
};
const TFieldDef kFillFields[] = {
    {"flags", TFieldType::U16, false},     {"value16", TFieldType::U16, false},
    {"layer", TFieldType::LayerId, false}, {"value32a", TFieldType::U32, false},
    {"value8", TFieldType::U8, false},     {"value32b", TFieldType::U32, false},
    {"x", TFieldType::I32, true},          {"y", TFieldType::I32, true},
    {"x2", TFieldType::I32, false},        {"y2", TFieldType::I32, false},
    {"f13", TFieldType::I32, false},       {"rotation", TFieldType::F64, false},
    {"flags2", TFieldType::U8, false},     {"flags3", TFieldType::U16, false},
};
const TFieldDef kRegionFields[] = {
    {"flags", TFieldType::U16, false},         {"value16", TFieldType::U16, false},
    {"layer", TFieldType::LayerId, false},     {"value32a", TFieldType::U32, false},
    {"value8", TFieldType::U8, false},         {"value32b", TFieldType::U32, false},
    {"regionKind", TFieldType::U8, false},     {"net", TFieldType::U32, false},
    {"holeCount", TFieldType::U32, false},     {"keepout", TFieldType::U8, false},
    {"arcResolution", TFieldType::I32, false}, {"component", TFieldType::U32, false},
    {"vertexCount", TFieldType::U32, false},   {"flags2", TFieldType::U8, false},
    {"flags3", TFieldType::U16, false},
};
const TFieldDef kArcFields[] = {
    {"flags", TFieldType::U16, false},     {"value16", TFieldType::U16, false},
    {"layer", TFieldType::LayerId, false}, {"value32a", TFieldType::U32, false},
    {"value8", TFieldType::U8, false},     {"value32b", TFieldType::U32, false},
    {"x", TFieldType::I32, true},          {"y", TFieldType::I32, true},
    {"radius", TFieldType::I32, false},    {"startAngle", TFieldType::F64, false},
    {"endAngle", TFieldType::F64, false},  {"width", TFieldType::I32, false},
    {"f15", TFieldType::I32, false},       {"flags2", TFieldType::U8, false},
    {"flags3", TFieldType::U16, false},
};
const TFieldDef kTextFields[] = {
    {"flags", TFieldType::U16, false},      {"value16", TFieldType::U16, false},
    {"layer", TFieldType::LayerId, false},  {"value32a", TFieldType::U32, false},
    {"value8", TFieldType::U8, false},      {"value32b", TFieldType::U32, false},
    {"x", TFieldType::I32, true},           {"y", TFieldType::I32, true},
    {"height", TFieldType::I32, false},     {"width", TFieldType::I32, false},
    {"rotation", TFieldType::F64, false},   {"mirrored", TFieldType::U8, false},
    {"text", TFieldType::Text255, false},   {"f16", TFieldType::I32, false},
    {"f17", TFieldType::I32, false},        {"f18", TFieldType::I32, false},
    {"trueType", TFieldType::U8, false},    {"fontName", TFieldType::Text255, false},
    {"bold", TFieldType::U8, false},        {"italic", TFieldType::U8, false},
    {"inverted", TFieldType::U8, false},    {"border", TFieldType::I32, false},
    {"barCodeKind", TFieldType::U8, false}, {"barWidth", TFieldType::I32, false},
    {"barHeight", TFieldType::I32, false},  {"showText", TFieldType::U8, false},
    {"flags2", TFieldType::U8, false},      {"flags3", TFieldType::U16, false},
};
const TFieldDef kPolygonFields[] = {
    {"flags", TFieldType::U16, false},
    {"value16", TFieldType::U16, false},
    {"layer", TFieldType::LayerId, false},
    {"value32a", TFieldType::U32, false},
    {"value8", TFieldType::U8, false},
    {"value32b", TFieldType::U32, false},
    {"net", TFieldType::U32, false},
    {"hatchStyle", TFieldType::U8, false},
    {"gridSize", TFieldType::I32, false},
    {"trackSize", TFieldType::I32, false},
    {"minPrimitiveLength", TFieldType::I32, false},
    {"pourOver", TFieldType::U8, false},
    {"removeDead", TFieldType::U8, false},
    {"polygonKind", TFieldType::U8, false},
    {"name", TFieldType::Text255, false},
    {"vertexCount", TFieldType::U32, false},
    {"flags2", TFieldType::U8, false},
    {"flags3", TFieldType::U16, false},
};
const TFieldDef kComponentFields[] = {
    {"flags", TFieldType::U16, false},
    {"value16", TFieldType::U16, false},
    {"layer", TFieldType::LegacyLayer, false},
    {"value32a", TFieldType::U32, false},
    {"value8", TFieldType::U8, false},
    {"value32b", TFieldType::U32, false},
    {"x", TFieldType::I32, true},
    {"y", TFieldType::I32, true},
    {"rotation", TFieldType::F64, false},
    {"nameText", TFieldType::U32, false},
    {"commentText", TFieldType::U32, false},
    {"pattern", TFieldType::Text255, false},
    {"nameOn", TFieldType::U8, false},
    {"commentOn", TFieldType::U8, false},
    {"sourceDesignator", TFieldType::Text255, false},
    {"sourceUniqueId", TFieldType::Text255, false},
    {"lockStrings", TFieldType::U8, false},
    {"f6", TFieldType::U32, false},
    {"footprintDescription", TFieldType::Text255, false},
    {"libraryReference", TFieldType::Text255, false},
    {"hierarchicalPath", TFieldType::Text255, false},
    {"sourceLibrary", TFieldType::Text255, false},
    {"f7", TFieldType::U8, false},
    {"f8", TFieldType::U8, false},
    {"f9", TFieldType::U32, false},
    {"f10", TFieldType::U32, false},
    {"modelName", TFieldType::Text255, false},
    {"componentKind", TFieldType::U8, false},
    {"channelOffset", TFieldType::U32, false},
    {"flags2", TFieldType::U8, false},
    {"flags3", TFieldType::U16, false},
};
const TFieldDef kBoardFields[] = {
    {"f3", TFieldType::U32, false},
    {"f4", TFieldType::Text255, false},
    {"f5", TFieldType::U8, false},
    {"f6", TFieldType::I32, false},
    {"f7", TFieldType::I32, false},
    {"f8", TFieldType::I32, false},
    {"f9", TFieldType::I32, false},
    {"unit", TFieldType::U8, true},
    {"layer", TFieldType::LayerId, false},
    {"f12", TFieldType::U32, false},
    {"splitPlaneMode", TFieldType::U8, false},
    {"material1", TFieldType::Text255, false},
    {"kind1", TFieldType::U8, false},
    {"constant1", TFieldType::F64, false},
    {"height1", TFieldType::I32, false},
    {"material2", TFieldType::Text255, false},
    {"kind2", TFieldType::U8, false},
    {"constant2", TFieldType::F64, false},
    {"height2", TFieldType::I32, false},
};
const TFieldDef kGridsFields[] = {
    {"f3", TFieldType::F64, false},  {"f4", TFieldType::F64, false},  {"f5", TFieldType::F64, false},
    {"f6", TFieldType::F64, false},  {"f7", TFieldType::I32, false},  {"f8", TFieldType::I32, false},
    {"f9", TFieldType::I32, false},  {"f10", TFieldType::I32, false}, {"f11", TFieldType::I32, false},
    {"f12", TFieldType::I32, false}, {"f13", TFieldType::U8, false},  {"f14", TFieldType::U8, false},
    {"f15", TFieldType::U8, false},  {"f16", TFieldType::U8, false},
};
const TFieldDef kPairFields[] = {
    {"layerA", TFieldType::LayerId, false},
    {"layerB", TFieldType::LayerId, false},
    {"second", TFieldType::U8, false},
    {"first", TFieldType::U8, false},
};
const TFieldDef kEcoOptionsFields[] = {
    {"f3", TFieldType::U8, false},
    {"f4", TFieldType::U8, false},
};
const TFieldDef kOutputOptionsFields[] = {
    {"f3", TFieldType::I32, false},  {"f4", TFieldType::I32, false},  {"f5", TFieldType::I32, false},
    {"f6", TFieldType::I32, false},  {"f7", TFieldType::I32, false},  {"f8", TFieldType::I32, false},
    {"f9", TFieldType::I32, false},  {"f10", TFieldType::I32, false}, {"f11", TFieldType::U8, false},
    {"f12", TFieldType::U8, false},  {"f13", TFieldType::U8, false},  {"f14", TFieldType::U8, false},
    {"f15", TFieldType::U8, false},  {"f16", TFieldType::U8, false},  {"f17", TFieldType::U8, false},
    {"f18", TFieldType::U8, false},  {"f19", TFieldType::U8, false},  {"f20", TFieldType::U8, false},
    {"f21", TFieldType::U8, false},  {"f22", TFieldType::U8, false},  {"f23", TFieldType::U32, false},
    {"f24", TFieldType::U32, false}, {"f25", TFieldType::U32, false}, {"f26", TFieldType::U32, false},
};
const TFieldDef kGerberOptionsFields[] = {
    {"f3", TFieldType::I32, false},  {"f4", TFieldType::I32, false}, {"f5", TFieldType::I32, false},
    {"f6", TFieldType::I32, false},  {"f7", TFieldType::I32, false}, {"f8", TFieldType::I32, false},
    {"f9", TFieldType::U8, false},   {"f10", TFieldType::U8, false}, {"f11", TFieldType::U8, false},
    {"f12", TFieldType::U8, false},  {"f13", TFieldType::U8, false}, {"f14", TFieldType::U8, false},
    {"f15", TFieldType::U8, false},  {"f16", TFieldType::U8, false}, {"f17", TFieldType::U8, false},
    {"f18", TFieldType::U8, false},  {"f19", TFieldType::U8, false}, {"f20", TFieldType::U32, false},
    {"f21", TFieldType::U32, false},
};
const TFieldDef kPrinterOptionsFields[] = {
    {"f3", TFieldType::F64, false},  {"f4", TFieldType::F64, false},  {"f5", TFieldType::I32, false},
    {"f6", TFieldType::I32, false},  {"f7", TFieldType::I32, false},  {"f8", TFieldType::I32, false},
    {"f9", TFieldType::I32, false},  {"f10", TFieldType::I32, false}, {"f11", TFieldType::I32, false},
    {"f12", TFieldType::I32, false}, {"f13", TFieldType::U8, false},  {"f14", TFieldType::U8, false},
    {"f15", TFieldType::U8, false},  {"f16", TFieldType::U8, false},  {"f17", TFieldType::U8, false},
    {"f18", TFieldType::U8, false},  {"f19", TFieldType::U8, false},  {"f20", TFieldType::U8, false},
    {"f21", TFieldType::U8, false},  {"f22", TFieldType::U8, false},  {"f23", TFieldType::U8, false},
    {"f24", TFieldType::U8, false},  {"f25", TFieldType::U8, false},  {"f26", TFieldType::U8, false},
    {"f27", TFieldType::U32, false}, {"f28", TFieldType::U32, false},
};
const TFieldDef kPenFields[] = {
    {"f4", TFieldType::U32, false},
    {"f5", TFieldType::U32, false},
};
const TFieldDef kCompositeFields[] = {
    {"f4", TFieldType::U32, false},
    {"f5", TFieldType::U32, false},
    {"f6", TFieldType::U8, false},
    {"f7", TFieldType::U32, false},
};
const TFieldDef kPlacerOptionsFields[] = {
    {"f3", TFieldType::U8, false},  {"f4", TFieldType::U8, false},  {"f5", TFieldType::U8, false},
    {"f6", TFieldType::I32, false}, {"f7", TFieldType::I32, false}, {"f8", TFieldType::I32, false},
};
const TFieldDef kLayerFields[] = {
    {"name", TFieldType::Text255, false},
    {"thickness", TFieldType::I32, false},
    {"f6", TFieldType::U8, false},
    {"f7", TFieldType::U8, false},
    {"prevLayer", TFieldType::LegacyLayer, false},
    {"nextLayer", TFieldType::LegacyLayer, false},
    {"f10", TFieldType::U8, false},
    {"netName", TFieldType::Text255, false},
    {"material", TFieldType::Text255, false},
    {"kind", TFieldType::U8, false},
    {"constant", TFieldType::F64, false},
    {"height", TFieldType::I32, false},
    {"infoA", TFieldType::U8, false},
    {"infoB", TFieldType::U8, false},
    {"info", TFieldType::U32, false},
};
const TFieldDef kFromToFields[] = {
    {"flags", TFieldType::U16, false},
    {"x", TFieldType::I32, false},
    {"y", TFieldType::I32, false},
    {"f6", TFieldType::U8, false},
    {"x2", TFieldType::I32, false},
    {"y2", TFieldType::I32, false},
    {"f9", TFieldType::U8, false},
    {"net", TFieldType::U32, false},
    {"flags2", TFieldType::U8, false},     {"flags3", TFieldType::U16, false},
};
const TFieldDef kManualFromToFields[] = {
    {"flags", TFieldType::U16, false},
    {"fromPad", TFieldType::Text255, false},
    {"toPad", TFieldType::Text255, false},
    {"net", TFieldType::U32, false},
    {"f7", TFieldType::U8, false},
    {"flags2", TFieldType::U8, false},     {"flags3", TFieldType::U16, false},
};
const TFieldDef kComponentBodyFields[] = {
    {"flags", TFieldType::U16, false},     {"value16", TFieldType::U16, false},
    {"layer", TFieldType::LayerId, false}, {"value32a", TFieldType::U32, false},
    {"value8", TFieldType::U8, false},     {"value32b", TFieldType::U32, false},
    {"flags2", TFieldType::U8, false},     {"flags3", TFieldType::U16, false},
};
const TFieldDef kDifferentialPairFields[] = {
    {"flags", TFieldType::U16, false},     {"value16", TFieldType::U16, false},
    {"layer", TFieldType::LayerId, false}, {"value32a", TFieldType::U32, false},
    {"value8", TFieldType::U8, false},     {"value32b", TFieldType::U32, false},
    {"flags2", TFieldType::U8, false},     {"flags3", TFieldType::U16, false},
};
const TFieldDef kEmbeddedBoardFields[] = {
    {"flags", TFieldType::U16, false},     {"value16", TFieldType::U16, false},
    {"layer", TFieldType::LayerId, false}, {"value32a", TFieldType::U32, false},
    {"value8", TFieldType::U8, false},     {"value32b", TFieldType::U32, false},
    {"x", TFieldType::I32, false},
    {"y", TFieldType::I32, false},
    {"rowCount", TFieldType::I32, false},
    {"columnCount", TFieldType::I32, false},
    {"rowSpacing", TFieldType::I32, false},
    {"columnSpacing", TFieldType::I32, false},
    {"f15", TFieldType::U8, false},
    {"flags2", TFieldType::U8, false},     {"flags3", TFieldType::U16, false},
};
const TFieldDef kRuleFields[] = {
    {"name", TFieldType::Text255, false},
    {"scope1", TFieldType::Text255, false},
    {"scope2", TFieldType::Text255, false},
    {"ruleKind", TFieldType::U8, false},
    {"enabled", TFieldType::U8, false},
    {"f8", TFieldType::U8, false},
    {"f9", TFieldType::U8, false},
    {"f10", TFieldType::U8, false},
    {"f11", TFieldType::U8, false},
    {"f12", TFieldType::U8, false},
    {"f13", TFieldType::U8, false},
    {"f14", TFieldType::I32, false},
    {"f15", TFieldType::I32, false},
    {"f16", TFieldType::I32, false},
    {"f17", TFieldType::I32, false},
    {"f18", TFieldType::I32, false},
    {"f19", TFieldType::I32, false},
    {"f20", TFieldType::I32, false},
    {"f21", TFieldType::I32, false},
    {"f22", TFieldType::U32, false},
    {"f23", TFieldType::U32, false},
    {"f24", TFieldType::U32, false},
    {"f25", TFieldType::U32, false},
    {"flags2", TFieldType::U8, false},     {"flags3", TFieldType::U16, false},
};
const TFieldDef kViolationFields[] = {
    {"name", TFieldType::Text255, false},
    {"description", TFieldType::Text255, false},
    {"primitive1", TFieldType::U32, false},
    {"primitive2", TFieldType::U32, false},
    {"f7", TFieldType::U8, false},
    {"flags2", TFieldType::U8, false},     {"flags3", TFieldType::U16, false},
};
const TFieldDef kObjectClassFields[] = {
    {"name", TFieldType::Text255, false},
    {"memberKind", TFieldType::U8, false},
    {"superClass", TFieldType::U8, false},
    {"f6", TFieldType::U8, false},
    {"flags2", TFieldType::U8, false},     {"flags3", TFieldType::U16, false},
};
const TFieldDef kEmbeddedFields[] = {
    {"flags2", TFieldType::U8, false},     {"flags3", TFieldType::U16, false},
};
const TFieldDef kCoordinateFields[] = {
    {"flags", TFieldType::U16, false},     {"value16", TFieldType::U16, false},
    {"layer", TFieldType::LayerId, false}, {"value32a", TFieldType::U32, false},
    {"value8", TFieldType::U8, false},     {"value32b", TFieldType::U32, false},
    {"x", TFieldType::I32, false},
    {"y", TFieldType::I32, false},
    {"size", TFieldType::I32, false},
    {"lineWidth", TFieldType::I32, false},
    {"textHeight", TFieldType::I32, false},
    {"style", TFieldType::U8, false},
    {"flags2", TFieldType::U8, false},     {"flags3", TFieldType::U16, false},
};
const TFieldDef kDimensionFields[] = {
    {"flags", TFieldType::U16, false},     {"value16", TFieldType::U16, false},
    {"layer", TFieldType::LayerId, false}, {"value32a", TFieldType::U32, false},
    {"value8", TFieldType::U8, false},     {"value32b", TFieldType::U32, false},
    {"x", TFieldType::I32, false},
    {"y", TFieldType::I32, false},
    {"x2", TFieldType::I32, false},
    {"y2", TFieldType::I32, false},
    {"f13", TFieldType::I32, false},
    {"f14", TFieldType::I32, false},
    {"f15", TFieldType::U8, false},
    {"f16", TFieldType::F64, false},
    {"ext3", TFieldType::I32, false},
    {"ext4", TFieldType::I32, false},
    {"ext5", TFieldType::I32, false},
    {"ext6", TFieldType::I32, false},
    {"ext7", TFieldType::I32, false},
    {"ext8", TFieldType::I32, false},
    {"ext9", TFieldType::I32, false},
    {"ext10", TFieldType::I32, false},
    {"ext11", TFieldType::I32, false},
    {"ext12", TFieldType::I32, false},
    {"ext13", TFieldType::U8, false},
    {"ext14", TFieldType::U8, false},
    {"ext15", TFieldType::U8, false},
    {"ext16", TFieldType::U8, false},
    {"ext17", TFieldType::U8, false},
    {"ext18", TFieldType::F64, false},
    {"ext19", TFieldType::F64, false},
    {"ext20", TFieldType::U32, false},
    {"ext21", TFieldType::U32, false},
    {"flags2", TFieldType::U8, false},     {"flags3", TFieldType::U16, false},
};
const TFieldDef kSplitPlaneFields[] = {
    {"flags", TFieldType::U16, false},     {"value16", TFieldType::U16, false},
    {"layer", TFieldType::LayerId, false}, {"value32a", TFieldType::U32, false},
    {"value8", TFieldType::U8, false},     {"value32b", TFieldType::U32, false},
    {"net", TFieldType::U32, false},
    {"vertexCount", TFieldType::U32, false},
    {"flags2", TFieldType::U8, false},     {"flags3", TFieldType::U16, false},
};

struct TExportFields {
  const char* name;
  TGroup group;
  std::initializer_list<const char*> fields;
};

const TExportFields kExportFields[] = {
    {"PcbApi_QueryPad",
     TGroup::pad,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x",   "y",   "f11",
      "f12",   "f13",     "f14",   "f15",      "f16",    "holeSize", "f18", "f19", "f20",
      "f21",   "f22",     "f23",   "rotation", "f25",    "f26",      "f27", "f28", "f29",
      "f30",   "f31",     "f32",   "f33",      "f34",    "f35",      "f36", "f37"}},
    {"PcbApi_QueryPadStackMode", TGroup::pad, {"stackMode"}},
    {"PcbApi_QueryTrack",
     TGroup::track,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x", "y", "x2", "y2", "width",
      "f14", "f15", "f16"}},
    {"PcbApi_QueryVia",
     TGroup::via,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x", "y", "size", "holeSize",
      "f13", "f14", "f15", "f16"}},
    {"PcbApi_QueryNet", TGroup::net, {"name", "colour", "visible", "f6"}},
    {"PcbApi_QueryFill",
     TGroup::fill,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x", "y", "x2", "y2", "f13",
      "rotation"}},
    {"PcbApi_QueryRegion",
     TGroup::region,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "regionKind", "net",
      "holeCount", "keepout", "arcResolution", "component", "vertexCount"}},
    {"PcbApi_QueryArc",
     TGroup::arc,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x", "y", "radius",
      "startAngle", "endAngle", "width", "f15"}},
    {"PcbApi_QueryText",
     TGroup::text,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x", "y", "height", "width",
      "rotation", "mirrored", "text", "f16", "f17", "f18"}},
    {"PcbApi_QueryTrueTypeTextInfo",
     TGroup::text,
     {"trueType", "fontName", "bold", "italic", "inverted", "border"}},
    {"PcbApi_QueryBarCodeTextInfo",
     TGroup::text,
     {"barCodeKind", "barWidth", "barHeight", "showText"}},
    {"PcbApi_QueryPolygon",
     TGroup::polygon,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "net", "hatchStyle",
      "gridSize", "trackSize", "minPrimitiveLength", "pourOver", "removeDead", "polygonKind",
      "name", "vertexCount"}},
    {"PcbApi_QueryComponent",
     TGroup::component,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x", "y", "rotation",
      "nameText", "commentText", "pattern", "nameOn", "commentOn"}},
    {"PcbApi_QueryComponentEx",
     TGroup::component,
     {"sourceDesignator", "sourceUniqueId", "lockStrings", "f6"}},
    {"PcbApi_QueryComponentSourceLinks",
     TGroup::component,
     {"footprintDescription", "libraryReference", "hierarchicalPath", "sourceLibrary", "f7", "f8",
      "f9", "f10"}},
    {"PcbApi_QueryDefaultPCB3DModel", TGroup::component, {"modelName"}},
    {"PcbApi_QueryComponentKind", TGroup::component, {"componentKind"}},
    {"PcbApi_QueryComponentChannelOffset", TGroup::component, {"channelOffset"}},
    {"PcbApi_QueryBoard",
     TGroup::board,
     {"f3", "f4", "f5", "f6", "f7", "f8", "f9", "unit", "layer", "f12"}},
    {"PcbApi_QueryBoardGridsEx",
     TGroup::grids,
     {"f3", "f4", "f5", "f6", "f7", "f8", "f9", "f10", "f11", "f12", "f13", "f14", "f15", "f16"}},
    {"PcbApi_QueryBoardSplitPlaneMode", TGroup::board, {"splitPlaneMode"}},
    {"PcbApi_QueryBoardLayerPairAt", TGroup::pair, {"layerA", "layerB", "second", "first"}},
    {"PcbApi_QueryBoardEngineeringChangeOrderOptions", TGroup::eco_options, {"f3", "f4"}},
    {"PcbApi_QueryBoardOutputOptions",
     TGroup::output_options,
     {"f3",  "f4",  "f5",  "f6",  "f7",  "f8",  "f9",  "f10", "f11", "f12", "f13", "f14",
      "f15", "f16", "f17", "f18", "f19", "f20", "f21", "f22", "f23", "f24", "f25", "f26"}},
    {"PcbApi_QueryBoardGerberOptions",
     TGroup::gerber_options,
     {"f3", "f4", "f5", "f6", "f7", "f8", "f9", "f10", "f11", "f12", "f13", "f14", "f15", "f16",
      "f17", "f18", "f19", "f20", "f21"}},
    {"PcbApi_QueryBoardPrinterOptions",
     TGroup::printer_options,
     {"f3",  "f4",  "f5",  "f6",  "f7",  "f8",  "f9",  "f10", "f11", "f12", "f13", "f14", "f15",
      "f16", "f17", "f18", "f19", "f20", "f21", "f22", "f23", "f24", "f25", "f26", "f27", "f28"}},
    {"PcbApi_QueryBoardPrinterOptionsPlotterPen", TGroup::pen, {"f4", "f5"}},
    {"PcbApi_QueryBoardPrinterOptionsCompositeLayer", TGroup::composite, {"f4", "f5", "f6", "f7"}},
    {"PcbApi_QueryBoardAdvancedPlacerOptions",
     TGroup::placer_options,
     {"f3", "f4", "f5", "f6", "f7", "f8"}},
    {"PcbApi_QueryLayer",
     TGroup::layer,
     {"name", "thickness", "f6", "f7", "prevLayer", "nextLayer", "f10"}},
    {"PcbApi_QueryInternalPlane",
     TGroup::layer,
     {"name", "thickness", "f6", "f7", "prevLayer", "nextLayer", "netName"}},
    {"PcbApi_QueryLayerDielectric", TGroup::layer, {"material", "kind", "constant", "height"}},
    {"PcbApi_QueryBoardExternalDielectrics",
     TGroup::board,
     {"material1", "kind1", "constant1", "height1", "material2", "kind2", "constant2", "height2"}},
    {"PcbApi_QueryBoardLayerInfo", TGroup::layer, {"infoA", "infoB", "info"}},
    {"PcbApi_QueryFromTo", TGroup::fromTo, {"flags", "x", "y", "f6", "x2", "y2", "f9", "net"}},
    {"PcbApi_QueryManualFromTo", TGroup::manualFromTo, {"flags", "fromPad", "toPad", "net", "f7"}},
    {"PcbApi_QueryEmbeddedBoard",
     TGroup::embeddedBoard,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x", "y", "rowCount", "columnCount", "rowSpacing", "columnSpacing", "f15"}},
    {"PcbApi_QueryRule",
     TGroup::rule,
     {"name", "scope1", "scope2", "ruleKind", "enabled", "f8", "f9", "f10", "f11", "f12", "f13",
      "f14", "f15", "f16", "f17", "f18", "f19", "f20", "f21", "f22", "f23", "f24", "f25"}},
    {"PcbApi_QueryViolation",
     TGroup::violation,
     {"name", "description", "primitive1", "primitive2", "f7"}},
    {"PcbApi_QueryClass", TGroup::objectClass, {"name", "memberKind", "superClass", "f6"}},
    {"PcbApi_QueryCoordinate",
     TGroup::coordinate,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x", "y", "size", "lineWidth", "textHeight", "style"}},
    {"PcbApi_QueryDimension",
     TGroup::dimension,
     {"flags", "value16", "layer", "value32a", "value8", "value32b", "x", "y", "x2", "y2", "f13", "f14", "f15", "f16"}},
    {"PcbApi_QueryExtDimension",
     TGroup::dimension,
     {"ext3", "ext4", "ext5", "ext6", "ext7", "ext8", "ext9", "ext10", "ext11", "ext12", "ext13",
      "ext14", "ext15", "ext16", "ext17", "ext18", "ext19", "ext20", "ext21"}},
    {"PcbApi_QuerySplitPlane", TGroup::splitPlane, {"flags", "value16", "layer", "value32a", "value8", "value32b", "net", "vertexCount"}},
};

const std::array<TSchema, kGroupCount>& Schemas() {
  static const std::array<TSchema, kGroupCount> all = {
      TSchema("pad", kPadFields),
      TSchema("track", kTrackFields),
      TSchema("via", kViaFields),
      TSchema("net", kNetFields),
      TSchema("fill", kFillFields),
      TSchema("region", kRegionFields),
      TSchema("arc", kArcFields),
      TSchema("text", kTextFields),
      TSchema("polygon", kPolygonFields),
      TSchema("component", kComponentFields),
      TSchema("board", kBoardFields),
      TSchema("grids", kGridsFields),
      TSchema("pair", kPairFields),
      TSchema("ecoOptions", kEcoOptionsFields),
      TSchema("outputOptions", kOutputOptionsFields),
      TSchema("gerberOptions", kGerberOptionsFields),
      TSchema("printerOptions", kPrinterOptionsFields),
      TSchema("pen", kPenFields),
      TSchema("composite", kCompositeFields),
      TSchema("placerOptions", kPlacerOptionsFields),
      TSchema("layer", kLayerFields),
      TSchema("fromTo", kFromToFields),
      TSchema("manualFromTo", kManualFromToFields),
      TSchema("componentBody", kComponentBodyFields),
      TSchema("differentialPair", kDifferentialPairFields),
      TSchema("embeddedBoard", kEmbeddedBoardFields),
      TSchema("rule", kRuleFields),
      TSchema("violation", kViolationFields),
      TSchema("class", kObjectClassFields),
      TSchema("embedded", kEmbeddedFields),
      TSchema("coordinate", kCoordinateFields),
      TSchema("dimension", kDimensionFields),
      TSchema("splitPlane", kSplitPlaneFields),
  };
  return all;
}

struct TKindInfo {
  uint8_t kind;
  const char* name;
  TGroup group;
};
const TKindInfo kKinds[] = {
    {1, "arc", TGroup::arc},          {2, "pad", TGroup::pad},
    {3, "via", TGroup::via},          {4, "track", TGroup::track},
    {5, "text", TGroup::text},        {6, "fill", TGroup::fill},
    {8, "net", TGroup::net},          {9, "component", TGroup::component},
    {10, "polygon", TGroup::polygon}, {11, "region", TGroup::region},
    {7, "fromTo", TGroup::fromTo},
    {12, "componentBody", TGroup::componentBody},
    {13, "dimension", TGroup::dimension},
    {14, "coordinate", TGroup::coordinate},
    {15, "class", TGroup::objectClass},
    {16, "rule", TGroup::rule},
    {17, "manualFromTo", TGroup::manualFromTo},
    {18, "differentialPair", TGroup::differentialPair},
    {19, "violation", TGroup::violation},
    {20, "embedded", TGroup::embedded},
    {21, "embeddedBoard", TGroup::embeddedBoard},
    {22, "splitPlane", TGroup::splitPlane},
    {26, "boardOutline", TGroup::polygon},
};

const TKindInfo* InfoOfKind(uint8_t kind) {
  for (const TKindInfo& info : kKinds) {
    if (info.kind == kind) return &info;
  }
  return nullptr;
}

std::vector<TExportDescription> ResolveExports() {
  std::vector<TExportDescription> descs;
  for (const TExportFields& entry : kExportFields) {
    TExportDescription desc{entry.name, entry.group, {}};
    const TSchema& schema = SchemaOf(entry.group);
    for (const char* field : entry.fields) {
      const int index = schema.Find(field);
      if (index < 0) std::abort();  // the tables above disagree: a build-time mistake
      desc.fields.push_back(index);
    }
    descs.push_back(std::move(desc));
  }
  return descs;
}

}  // namespace

const TSchema& SchemaOf(TGroup group) { return Schemas()[static_cast<size_t>(group)]; }

bool IsModelledKind(uint8_t kind) { return InfoOfKind(kind) != nullptr; }
TGroup GroupOfKind(uint8_t kind) { return InfoOfKind(kind)->group; }
const char* KindName(uint8_t kind) {
  const TKindInfo* info = InfoOfKind(kind);
  return info ? info->name : nullptr;
}
uint8_t KindFromName(std::string_view name) {
  for (const TKindInfo& info : kKinds) {
    if (name == info.name) return info.kind;
  }
  return 0;
}

const TExportDescription& FindExportDescription(TExportId id) {
  static const std::vector<TExportDescription> descs = ResolveExports();
  return descs[static_cast<size_t>(id)];
}
