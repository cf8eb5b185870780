#pragma once
// The record kinds of the board model and the fields each record export transfers.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "record.h"

enum class TGroup : uint8_t {
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
  eco_options,
  output_options,
  gerber_options,
  printer_options,
  pen,
  composite,
  placer_options,
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

const TSchema& SchemaOf(TGroup group);

// The primitive kinds the model holds, by their object id (2 pad, 3 via, …); others have none. The
// board outline (26) is a polygon record of a kind of its own.
bool IsModelledKind(uint8_t kind);
TGroup GroupOfKind(uint8_t kind);
const char* KindName(uint8_t kind);  // "pad", "via", …; null for kinds the model does not hold
// 0 when the name is no modelled kind.
uint8_t KindFromName(std::string_view name);

enum class TExportId {
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

struct TExportDescription {
  const char* name;
  TGroup group;
  std::vector<int> fields;  // indices into the group's schema, in the export's argument order
};
const TExportDescription& FindExportDescription(TExportId id);
