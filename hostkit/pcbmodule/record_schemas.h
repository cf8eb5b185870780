#pragma once
// The record kinds of the board model and the fields each record export transfers.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "record.h"

enum class Group : uint8_t {
  pad,
  track,
  via,
  net,
  fill,
  region,
  arc,
  text,
  polygon,
  component,
  board,
  grids,
  pair,
  ecoOptions,
  outputOptions,
  gerberOptions,
  printerOptions,
  pen,
  composite,
  placerOptions,
  layer,
  fromTo,
  manualFromTo,
  componentBody,
  differentialPair,
  embeddedBoard,
  rule,
  violation,
  objectClass,
  embedded,
  coordinate,
  dimension,
  splitPlane,
};
inline constexpr int kGroupCount = 33;

const Schema& schema_of(Group group);

// The primitive kinds the model holds, by their object id (2 pad, 3 via, …); others have none. The
// board outline (26) is a polygon record of a kind of its own.
bool is_modelled_kind(uint8_t kind);
Group group_of_kind(uint8_t kind);
const char* kind_name(uint8_t kind);  // "pad", "via", …; null for kinds the model does not hold
// 0 when the name is no modelled kind.
uint8_t kind_from_name(std::string_view name);

enum class ExportId {
  QueryPad,
  QueryPadStackMode,
  QueryTrack,
  QueryVia,
  QueryNet,
  QueryFill,
  QueryRegion,
  QueryArc,
  QueryText,
  QueryTrueTypeTextInfo,
  QueryBarCodeTextInfo,
  QueryPolygon,
  QueryComponent,
  QueryComponentEx,
  QueryComponentSourceLinks,
  QueryDefaultPCB3DModel,
  QueryComponentKind,
  QueryComponentChannelOffset,
  QueryBoard,
  QueryBoardGridsEx,
  QueryBoardSplitPlaneMode,
  QueryBoardLayerPairAt,
  QueryBoardEngineeringChangeOrderOptions,
  QueryBoardOutputOptions,
  QueryBoardGerberOptions,
  QueryBoardPrinterOptions,
  QueryBoardPrinterOptionsPlotterPen,
  QueryBoardPrinterOptionsCompositeLayer,
  QueryBoardAdvancedPlacerOptions,
  QueryLayer,
  QueryInternalPlane,
  QueryLayerDielectric,
  QueryBoardExternalDielectrics,
  QueryBoardLayerInfo,
  QueryFromTo,
  QueryManualFromTo,
  QueryEmbeddedBoard,
  QueryRule,
  QueryViolation,
  QueryClass,
  QueryCoordinate,
  QueryDimension,
  QueryExtDimension,
  QuerySplitPlane,
};

struct ExportSpec {
  const char* name;
  Group group;
  std::vector<int> fields;  // indices into the group's schema, in the export's argument order
};
const ExportSpec& export_spec(ExportId id);
