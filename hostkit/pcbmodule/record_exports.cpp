// The record exports: each moves its fields between the caller's variables and one record of the
// board model (see record_schemas.cpp for which fields).

#include <cstdint>
#include <type_traits>

#include "export_support.h"
#include "hostapi/pcb_api.h"

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryPad(
    uint8_t readFlag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y, int32_t* f11,
    int32_t* f12, int32_t* f13, int32_t* f14, int32_t* f15, int32_t* f16, int32_t* holeSize,
    uint8_t* f18, uint8_t* f19, uint8_t* f20, PcbText20* f21, uint8_t* f22, uint8_t* f23,
    double* rotation, PcbText20* f25, PcbText20* f26, uint32_t* f27, PcbText20* f28, uint8_t* f29,
    uint8_t* f30, uint32_t* f31, int64_t* f32, uint32_t* f33, uint32_t* f34, uint32_t* f35,
    uint8_t* f36, uint8_t* f37) {
  return transfer_primitive(
      ExportId::QueryPad, readFlag, handle,
      {flags, value16, layer,    value32a, value8, value32b, x,   y,   f11, f12,      f13, f14,
       f15,   f16,     holeSize, f18,      f19,    f20,      f21, f22, f23, rotation, f25, f26,
       f27,   f28,     f29,      f30,      f31,    f32,      f33, f34, f35, f36,      f37});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryPadStackMode(uint8_t readFlag, uint32_t handle,
                                                          uint8_t* mode) {
  return transfer_primitive(ExportId::QueryPadStackMode, readFlag, handle, {mode});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryTrack(
    uint8_t readFlag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y, int32_t* x2,
    int32_t* y2, int32_t* width, int32_t* f14, int32_t* f15, int32_t* f16) {
  return transfer_primitive(
      ExportId::QueryTrack, readFlag, handle,
      {flags, value16, layer, value32a, value8, value32b, x, y, x2, y2, width, f14, f15, f16});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryVia(uint8_t readFlag, uint32_t handle, uint16_t* flags,
                                                 uint16_t* value16, uint8_t* layer,
                                                 uint32_t* value32a, uint8_t* value8,
                                                 uint32_t* value32b, int32_t* x, int32_t* y,
                                                 int32_t* size, int32_t* holeSize, uint8_t* f13,
                                                 uint8_t* f14, uint8_t* f15, uint8_t* f16) {
  return transfer_primitive(ExportId::QueryVia, readFlag, handle,
                            {flags, value16, layer, value32a, value8, value32b, x, y, size,
                             holeSize, f13, f14, f15, f16});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryNet(uint8_t readFlag, uint32_t handle, PcbText* name,
                                                 uint32_t* colour, uint8_t* visible, uint8_t* f6) {
  return transfer_primitive(ExportId::QueryNet, readFlag, handle, {name, colour, visible, f6});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryFill(uint8_t readFlag, uint32_t handle,
                                                  uint16_t* flags, uint16_t* value16,
                                                  uint32_t* layer, uint32_t* value32a,
                                                  uint8_t* value8, uint32_t* value32b, int32_t* x,
                                                  int32_t* y, int32_t* x2, int32_t* y2,
                                                  int32_t* f13, double* rotation) {
  return transfer_primitive(
      ExportId::QueryFill, readFlag, handle,
      {flags, value16, layer, value32a, value8, value32b, x, y, x2, y2, f13, rotation});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryRegion(
    uint8_t readFlag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, uint8_t* regionKind, uint32_t* net,
    uint32_t* holeCount, uint8_t* keepout, int32_t* arcResolution, uint32_t* component,
    uint32_t* vertexCount) {
  return transfer_primitive(ExportId::QueryRegion, readFlag, handle,
                            {flags, value16, layer, value32a, value8, value32b, regionKind, net,
                             holeCount, keepout, arcResolution, component, vertexCount});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryArc(uint8_t readFlag, uint32_t handle, uint16_t* flags,
                                                 uint16_t* value16, uint32_t* layer,
                                                 uint32_t* value32a, uint8_t* value8,
                                                 uint32_t* value32b, int32_t* x, int32_t* y,
                                                 int32_t* radius, double* startAngle,
                                                 double* endAngle, int32_t* width, int32_t* f15) {
  return transfer_primitive(ExportId::QueryArc, readFlag, handle,
                            {flags, value16, layer, value32a, value8, value32b, x, y, radius,
                             startAngle, endAngle, width, f15});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryText(
    uint8_t readFlag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y,
    int32_t* height, int32_t* width, double* rotation, uint8_t* mirrored, PcbText* text,
    int32_t* f16, int32_t* f17, int32_t* f18) {
  return transfer_primitive(ExportId::QueryText, readFlag, handle,
                            {flags, value16, layer, value32a, value8, value32b, x, y, height, width,
                             rotation, mirrored, text, f16, f17, f18});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryTrueTypeTextInfo(uint8_t readFlag, uint32_t handle,
                                                              uint8_t* trueType, PcbText* fontName,
                                                              uint8_t* bold, uint8_t* italic,
                                                              uint8_t* inverted, int32_t* border) {
  return transfer_primitive(ExportId::QueryTrueTypeTextInfo, readFlag, handle,
                            {trueType, fontName, bold, italic, inverted, border});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBarCodeTextInfo(uint8_t readFlag, uint32_t handle,
                                                             uint8_t* barCodeKind,
                                                             int32_t* barWidth, int32_t* barHeight,
                                                             uint8_t* showText) {
  return transfer_primitive(ExportId::QueryBarCodeTextInfo, readFlag, handle,
                            {barCodeKind, barWidth, barHeight, showText});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryPolygon(
    uint8_t readFlag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, uint32_t* net, uint8_t* hatchStyle,
    int32_t* gridSize, int32_t* trackSize, int32_t* minPrimitiveLength, uint8_t* pourOver,
    uint8_t* removeDead, uint8_t* polygonKind, PcbText* name, uint32_t* vertexCount) {
  return transfer_primitive(
      ExportId::QueryPolygon, readFlag, handle,
      {flags, value16, layer, value32a, value8, value32b, net, hatchStyle, gridSize, trackSize,
       minPrimitiveLength, pourOver, removeDead, polygonKind, name, vertexCount});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryComponent(
    uint8_t readFlag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint8_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y,
    double* rotation, uint32_t* nameText, uint32_t* commentText, PcbText* pattern, uint8_t* nameOn,
    uint8_t* commentOn) {
  return transfer_primitive(ExportId::QueryComponent, readFlag, handle,
                            {flags, value16, layer, value32a, value8, value32b, x, y, rotation,
                             nameText, commentText, pattern, nameOn, commentOn});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryComponentEx(uint8_t readFlag, uint32_t handle,
                                                         PcbText* sourceDesignator,
                                                         PcbText* sourceUniqueId,
                                                         uint8_t* lockStrings, uint32_t* f6) {
  return transfer_primitive(ExportId::QueryComponentEx, readFlag, handle,
                            {sourceDesignator, sourceUniqueId, lockStrings, f6});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryComponentSourceLinks(
    uint8_t readFlag, uint32_t handle, PcbText* footprintDescription, PcbText* libraryReference,
    PcbText* hierarchicalPath, PcbText* sourceLibrary, uint8_t* f7, uint8_t* f8, uint32_t* f9,
    uint32_t* f10) {
  return transfer_primitive(
      ExportId::QueryComponentSourceLinks, readFlag, handle,
      {footprintDescription, libraryReference, hierarchicalPath, sourceLibrary, f7, f8, f9, f10});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryDefaultPCB3DModel(uint8_t readFlag, uint32_t handle,
                                                               PcbText* modelName) {
  return transfer_primitive(ExportId::QueryDefaultPCB3DModel, readFlag, handle, {modelName});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryComponentKind(uint8_t readFlag, uint32_t handle,
                                                           uint8_t* componentKind) {
  return transfer_primitive(ExportId::QueryComponentKind, readFlag, handle, {componentKind});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryComponentChannelOffset(uint8_t readFlag,
                                                                    uint32_t handle,
                                                                    uint32_t* channelOffset) {
  return transfer_primitive(ExportId::QueryComponentChannelOffset, readFlag, handle,
                            {channelOffset});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoard(uint8_t readFlag, uint32_t handle, uint32_t* f3,
                                                   PcbText* f4, uint8_t* f5, int32_t* f6,
                                                   int32_t* f7, int32_t* f8, int32_t* f9,
                                                   uint8_t* unit, uint32_t* layer, uint32_t* f12) {
  return transfer_board(ExportId::QueryBoard, readFlag, handle, 0,
                        {f3, f4, f5, f6, f7, f8, f9, unit, layer, f12});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardGridsEx(uint8_t readFlag, uint32_t handle,
                                                          double* f3, double* f4, double* f5,
                                                          double* f6, int32_t* f7, int32_t* f8,
                                                          int32_t* f9, int32_t* f10, int32_t* f11,
                                                          int32_t* f12, uint8_t* f13, uint8_t* f14,
                                                          uint8_t* f15, uint8_t* f16) {
  return transfer_board(ExportId::QueryBoardGridsEx, readFlag, handle, 0,
                        {f3, f4, f5, f6, f7, f8, f9, f10, f11, f12, f13, f14, f15, f16});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardSplitPlaneMode(uint8_t readFlag, uint32_t handle,
                                                                 uint8_t* mode) {
  return transfer_board(ExportId::QueryBoardSplitPlaneMode, readFlag, handle, 0, {mode});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardLayerPairAt(uint8_t readFlag, uint32_t handle,
                                                              uint32_t index, uint32_t* layerA,
                                                              uint32_t* layerB, uint8_t* second,
                                                              uint8_t* first) {
  return transfer_board(ExportId::QueryBoardLayerPairAt, readFlag, handle, index,
                        {layerA, layerB, second, first});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardEngineeringChangeOrderOptions(uint8_t readFlag,
                                                                                uint32_t handle,
                                                                                uint8_t* f3,
                                                                                uint8_t* f4) {
  return transfer_board(ExportId::QueryBoardEngineeringChangeOrderOptions, readFlag, handle, 0,
                        {f3, f4});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardOutputOptions(
    uint8_t readFlag, uint32_t handle, int32_t* f3, int32_t* f4, int32_t* f5, int32_t* f6,
    int32_t* f7, int32_t* f8, int32_t* f9, int32_t* f10, uint8_t* f11, uint8_t* f12, uint8_t* f13,
    uint8_t* f14, uint8_t* f15, uint8_t* f16, uint8_t* f17, uint8_t* f18, uint8_t* f19,
    uint8_t* f20, uint8_t* f21, uint8_t* f22, uint32_t* f23, uint32_t* f24, uint32_t* f25,
    uint32_t* f26) {
  return transfer_board(ExportId::QueryBoardOutputOptions, readFlag, handle, 0,
                        {f3,  f4,  f5,  f6,  f7,  f8,  f9,  f10, f11, f12, f13, f14,
                         f15, f16, f17, f18, f19, f20, f21, f22, f23, f24, f25, f26});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardGerberOptions(
    uint8_t readFlag, uint32_t handle, int32_t* f3, int32_t* f4, int32_t* f5, int32_t* f6,
    int32_t* f7, int32_t* f8, uint8_t* f9, uint8_t* f10, uint8_t* f11, uint8_t* f12, uint8_t* f13,
    uint8_t* f14, uint8_t* f15, uint8_t* f16, uint8_t* f17, uint8_t* f18, uint8_t* f19,
    uint32_t* f20, uint32_t* f21) {
  return transfer_board(
      ExportId::QueryBoardGerberOptions, readFlag, handle, 0,
      {f3, f4, f5, f6, f7, f8, f9, f10, f11, f12, f13, f14, f15, f16, f17, f18, f19, f20, f21});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardPrinterOptions(
    uint8_t readFlag, uint32_t handle, double* f3, double* f4, int32_t* f5, int32_t* f6,
    int32_t* f7, int32_t* f8, int32_t* f9, int32_t* f10, int32_t* f11, int32_t* f12, uint8_t* f13,
    uint8_t* f14, uint8_t* f15, uint8_t* f16, uint8_t* f17, uint8_t* f18, uint8_t* f19,
    uint8_t* f20, uint8_t* f21, uint8_t* f22, uint8_t* f23, uint8_t* f24, uint8_t* f25,
    uint8_t* f26, uint32_t* f27, uint32_t* f28) {
  return transfer_board(ExportId::QueryBoardPrinterOptions, readFlag, handle, 0,
                        {f3,  f4,  f5,  f6,  f7,  f8,  f9,  f10, f11, f12, f13, f14, f15,
                         f16, f17, f18, f19, f20, f21, f22, f23, f24, f25, f26, f27, f28});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardPrinterOptionsPlotterPen(
    uint8_t readFlag, uint32_t handle, uint32_t pen, uint32_t* f4, uint32_t* f5) {
  return transfer_board(ExportId::QueryBoardPrinterOptionsPlotterPen, readFlag, handle, pen,
                        {f4, f5});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardPrinterOptionsCompositeLayer(
    uint8_t readFlag, uint32_t handle, uint8_t legacyLayer, uint32_t* f4, uint32_t* f5, uint8_t* f6,
    uint32_t* f7) {
  return transfer_board(ExportId::QueryBoardPrinterOptionsCompositeLayer, readFlag, handle,
                        legacyLayer, {f4, f5, f6, f7});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardAdvancedPlacerOptions(uint8_t readFlag,
                                                                        uint32_t handle,
                                                                        uint8_t* f3, uint8_t* f4,
                                                                        uint8_t* f5, int32_t* f6,
                                                                        int32_t* f7, int32_t* f8) {
  return transfer_board(ExportId::QueryBoardAdvancedPlacerOptions, readFlag, handle, 0,
                        {f3, f4, f5, f6, f7, f8});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryLayer(uint8_t readFlag, uint8_t legacyLayer,
                                                   uint32_t handle, PcbText* name,
                                                   int32_t* thickness, uint8_t* f6, uint8_t* f7,
                                                   uint8_t* prevLayer, uint8_t* nextLayer,
                                                   uint8_t* f10) {
  return transfer_board(ExportId::QueryLayer, readFlag, handle, legacyLayer,
                        {name, thickness, f6, f7, prevLayer, nextLayer, f10});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryInternalPlane(uint8_t readFlag, uint8_t legacyLayer,
                                                           uint32_t handle, PcbText* name,
                                                           int32_t* thickness, uint8_t* f6,
                                                           uint8_t* f7, uint8_t* prevLayer,
                                                           uint8_t* nextLayer, PcbText* netName) {
  return transfer_board(ExportId::QueryInternalPlane, readFlag, handle, legacyLayer,
                        {name, thickness, f6, f7, prevLayer, nextLayer, netName});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryLayerDielectric(uint8_t readFlag, uint8_t legacyLayer,
                                                             uint32_t handle, PcbText* material,
                                                             uint8_t* kind, double* constant,
                                                             int32_t* height) {
  return transfer_board(ExportId::QueryLayerDielectric, readFlag, handle, legacyLayer,
                        {material, kind, constant, height});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardExternalDielectrics(
    uint8_t readFlag, uint32_t handle, PcbText* material1, uint8_t* kind1, double* constant1,
    int32_t* height1, PcbText* material2, uint8_t* kind2, double* constant2, int32_t* height2) {
  return transfer_board(
      ExportId::QueryBoardExternalDielectrics, readFlag, handle, 0,
      {material1, kind1, constant1, height1, material2, kind2, constant2, height2});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardLayerInfo(uint8_t readFlag, uint32_t handle,
                                                            uint8_t legacyLayer, uint8_t* f4,
                                                            uint8_t* f5, uint32_t* info) {
  return transfer_board(ExportId::QueryBoardLayerInfo, readFlag, handle, legacyLayer,
                        {f4, f5, info});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryClass(uint8_t readFlag, uint32_t handle,
                                                   PcbText* name, uint8_t* memberKind,
                                                   uint8_t* superClass, uint8_t* f6) {
  return transfer_primitive(ExportId::QueryClass, readFlag, handle,
                            {name, memberKind, superClass, f6});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_GetMemberFromClassAt(uint32_t handle, uint32_t index,
                                                             PcbText* name) {
  return ClassMemberAt(handle, index, name);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_AddMemberToClass(uint32_t handle, PcbText* name) {
  return AddClassMember(handle, name);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_RemoveAllMembersFromClass(uint32_t handle) {
  return RemoveClassMembers(handle);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryFromTo(uint8_t readFlag, uint32_t handle,
                                                    uint16_t* flags, int32_t* x, int32_t* y,
                                                    uint8_t* f6, int32_t* x2, int32_t* y2,
                                                    uint8_t* f9, uint32_t* net) {
  return transfer_primitive(ExportId::QueryFromTo, readFlag, handle,
                            {flags, x, y, f6, x2, y2, f9, net});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryManualFromTo(uint8_t readFlag, uint32_t handle,
                                                          uint16_t* flags, PcbText* fromPad,
                                                          PcbText* toPad, uint32_t* net,
                                                          uint8_t* f7) {
  return transfer_primitive(ExportId::QueryManualFromTo, readFlag, handle,
                            {flags, fromPad, toPad, net, f7});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryCoordinate(
    uint8_t readFlag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y, int32_t* size,
    int32_t* lineWidth, int32_t* textHeight, uint8_t* style) {
  return transfer_primitive(ExportId::QueryCoordinate, readFlag, handle,
                            {flags, value16, layer, value32a, value8, value32b, x, y, size,
                             lineWidth, textHeight, style});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryDimension(
    uint8_t readFlag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y, int32_t* x2,
    int32_t* y2, int32_t* f13, int32_t* f14, uint8_t* f15, double* f16) {
  return transfer_primitive(
      ExportId::QueryDimension, readFlag, handle,
      {flags, value16, layer, value32a, value8, value32b, x, y, x2, y2, f13, f14, f15, f16});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryExtDimension(
    uint8_t readFlag, uint32_t handle, int32_t* f3, int32_t* f4, int32_t* f5, int32_t* f6,
    int32_t* f7, int32_t* f8, int32_t* f9, int32_t* f10, int32_t* f11, int32_t* f12, uint8_t* f13,
    uint8_t* f14, uint8_t* f15, uint8_t* f16, uint8_t* f17, double* f18, double* f19, uint32_t* f20,
    uint32_t* f21) {
  return transfer_primitive(
      ExportId::QueryExtDimension, readFlag, handle,
      {f3, f4, f5, f6, f7, f8, f9, f10, f11, f12, f13, f14, f15, f16, f17, f18, f19, f20, f21});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_References_Count(uint8_t readFlag, uint32_t handle,
                                                         uint32_t* count) {
  return DimensionReferenceCount(readFlag, handle, count);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_References_At(uint8_t readFlag, uint32_t handle,
                                                      uint32_t index, int32_t* f4, int32_t* f5,
                                                      int32_t* f6, int32_t* f7) {
  return DimensionReferenceAt(readFlag, handle, index, f4, f5, f6, f7);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryEmbeddedBoard(
    uint8_t readFlag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y,
    int32_t* rowCount, int32_t* columnCount, int32_t* rowSpacing, int32_t* columnSpacing,
    uint8_t* f15) {
  return transfer_primitive(ExportId::QueryEmbeddedBoard, readFlag, handle,
                            {flags, value16, layer, value32a, value8, value32b, x, y, rowCount,
                             columnCount, rowSpacing, columnSpacing, f15});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QuerySplitPlane(uint8_t readFlag, uint32_t handle,
                                                        uint16_t* flags, uint16_t* value16,
                                                        uint32_t* layer, uint32_t* value32a,
                                                        uint8_t* value8, uint32_t* value32b,
                                                        uint32_t* net, uint32_t* vertexCount) {
  return transfer_primitive(ExportId::QuerySplitPlane, readFlag, handle,
                            {flags, value16, layer, value32a, value8, value32b, net, vertexCount});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryEmbedded(uint8_t readFlag, uint32_t handle,
                                                      uint32_t* length, uint8_t* buffer) {
  return EmbeddedData(readFlag, handle, length, buffer);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryRule(
    uint8_t readFlag, uint32_t handle, PcbText* name, PcbText* scope1, PcbText* scope2,
    uint8_t* ruleKind, uint8_t* enabled, uint8_t* f8, uint8_t* f9, uint8_t* f10, uint8_t* f11,
    uint8_t* f12, uint8_t* f13, int32_t* f14, int32_t* f15, int32_t* f16, int32_t* f17,
    int32_t* f18, int32_t* f19, int32_t* f20, int32_t* f21, uint32_t* f22, uint32_t* f23,
    uint32_t* f24, uint32_t* f25) {
  return transfer_primitive(ExportId::QueryRule, readFlag, handle,
                            {name, scope1, scope2, ruleKind, enabled, f8, f9, f10, f11, f12, f13,
                             f14, f15, f16, f17, f18, f19, f20, f21, f22, f23, f24, f25});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryViolation(uint8_t readFlag, uint32_t handle,
                                                       PcbText* name, PcbText* description,
                                                       uint32_t* primitive1, uint32_t* primitive2,
                                                       uint8_t* f7) {
  return transfer_primitive(ExportId::QueryViolation, readFlag, handle,
                            {name, description, primitive1, primitive2, f7});
}

// Each definition has exactly the signature that the plug-in calls through.
static_assert(std::is_same_v<decltype(&PcbApi_QueryPad), PcbApi_QueryPad_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryPadStackMode), PcbApi_QueryPadStackMode_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryTrack), PcbApi_QueryTrack_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryVia), PcbApi_QueryVia_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryNet), PcbApi_QueryNet_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryFill), PcbApi_QueryFill_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryRegion), PcbApi_QueryRegion_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryArc), PcbApi_QueryArc_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryText), PcbApi_QueryText_fn>);
static_assert(
    std::is_same_v<decltype(&PcbApi_QueryTrueTypeTextInfo), PcbApi_QueryTrueTypeTextInfo_fn>);
static_assert(
    std::is_same_v<decltype(&PcbApi_QueryBarCodeTextInfo), PcbApi_QueryBarCodeTextInfo_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryPolygon), PcbApi_QueryPolygon_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryComponent), PcbApi_QueryComponent_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryComponentEx), PcbApi_QueryComponentEx_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryComponentSourceLinks),
                             PcbApi_QueryComponentSourceLinks_fn>);
static_assert(
    std::is_same_v<decltype(&PcbApi_QueryDefaultPCB3DModel), PcbApi_QueryDefaultPCB3DModel_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryComponentKind), PcbApi_QueryComponentKind_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryComponentChannelOffset),
                             PcbApi_QueryComponentChannelOffset_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryBoard), PcbApi_QueryBoard_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryBoardGridsEx), PcbApi_QueryBoardGridsEx_fn>);
static_assert(
    std::is_same_v<decltype(&PcbApi_QueryBoardSplitPlaneMode), PcbApi_QueryBoardSplitPlaneMode_fn>);
static_assert(
    std::is_same_v<decltype(&PcbApi_QueryBoardLayerPairAt), PcbApi_QueryBoardLayerPairAt_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryBoardEngineeringChangeOrderOptions),
                             PcbApi_QueryBoardEngineeringChangeOrderOptions_fn>);
static_assert(
    std::is_same_v<decltype(&PcbApi_QueryBoardOutputOptions), PcbApi_QueryBoardOutputOptions_fn>);
static_assert(
    std::is_same_v<decltype(&PcbApi_QueryBoardGerberOptions), PcbApi_QueryBoardGerberOptions_fn>);
static_assert(
    std::is_same_v<decltype(&PcbApi_QueryBoardPrinterOptions), PcbApi_QueryBoardPrinterOptions_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryBoardPrinterOptionsPlotterPen),
                             PcbApi_QueryBoardPrinterOptionsPlotterPen_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryBoardPrinterOptionsCompositeLayer),
                             PcbApi_QueryBoardPrinterOptionsCompositeLayer_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryBoardAdvancedPlacerOptions),
                             PcbApi_QueryBoardAdvancedPlacerOptions_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryLayer), PcbApi_QueryLayer_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryInternalPlane), PcbApi_QueryInternalPlane_fn>);
static_assert(
    std::is_same_v<decltype(&PcbApi_QueryLayerDielectric), PcbApi_QueryLayerDielectric_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryBoardExternalDielectrics),
                             PcbApi_QueryBoardExternalDielectrics_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryBoardLayerInfo), PcbApi_QueryBoardLayerInfo_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryClass), PcbApi_QueryClass_fn>);
static_assert(
    std::is_same_v<decltype(&PcbApi_GetMemberFromClassAt), PcbApi_GetMemberFromClassAt_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_AddMemberToClass), PcbApi_AddMemberToClass_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_RemoveAllMembersFromClass),
                             PcbApi_RemoveAllMembersFromClass_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryFromTo), PcbApi_QueryFromTo_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryManualFromTo), PcbApi_QueryManualFromTo_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryCoordinate), PcbApi_QueryCoordinate_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryDimension), PcbApi_QueryDimension_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryExtDimension), PcbApi_QueryExtDimension_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_References_Count), PcbApi_References_Count_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_References_At), PcbApi_References_At_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryEmbeddedBoard), PcbApi_QueryEmbeddedBoard_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QuerySplitPlane), PcbApi_QuerySplitPlane_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryEmbedded), PcbApi_QueryEmbedded_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryRule), PcbApi_QueryRule_fn>);
static_assert(std::is_same_v<decltype(&PcbApi_QueryViolation), PcbApi_QueryViolation_fn>);
