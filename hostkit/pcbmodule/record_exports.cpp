// The record exports: each moves its fields between the caller's variables and one record of the
// board model (see record_schemas.cpp for which fields).

#include <cstdint>
#include <type_traits>

#include "export_support.h"
#include "hostapi/pcb_api.h"

DRALITH_EXPORT int32_t __stdcall PcbApi_QueryPad(
    uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y, int32_t* f11,
    int32_t* f12, int32_t* f13, int32_t* f14, int32_t* f15, int32_t* f16, int32_t* size_of_hole,
    uint8_t* f18, uint8_t* f19, uint8_t* f20, TRecordText20* f21, uint8_t* f22, uint8_t* f23,
    double* rotation, TRecordText20* f25, TRecordText20* f26, uint32_t* f27, TRecordText20* f28, uint8_t* f29,
    uint8_t* f30, uint32_t* f31, int64_t* f32, uint32_t* f33, uint32_t* f34, uint32_t* f35,
    uint8_t* f36, uint8_t* f37) {
  return TransferPrimitive(
      TExportId::QueryPad, read_flag, handle,
      {flags, value16, layer,    value32a, value8, value32b, x,   y,   f11, f12,      f13, f14,
       f15,   f16,     size_of_hole, f18,      f19,    f20,      f21, f22, f23, rotation, f25, f26,
       f27,   f28,     f29,      f30,      f31,    f32,      f33, f34, f35, f36,      f37});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryPadStackMode(uint8_t read_flag, uint32_t handle,
                                                          uint8_t* mode) {
  return TransferPrimitive(TExportId::QueryPadStackMode, read_flag, handle, {mode});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryTrack(
    uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y, int32_t* x2,
    int32_t* y2, int32_t* width, int32_t* f14, int32_t* f15, int32_t* f16) {
  return TransferPrimitive(
      TExportId::QueryTrack, read_flag, handle,
      {flags, value16, layer, value32a, value8, value32b, x, y, x2, y2, width, f14, f15, f16});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryVia(uint8_t read_flag, uint32_t handle, uint16_t* flags,
                                                 uint16_t* value16, uint8_t* layer,
                                                 uint32_t* value32a, uint8_t* value8,
                                                 uint32_t* value32b, int32_t* x, int32_t* y,
                                                 int32_t* size, int32_t* size_of_hole, uint8_t* f13,
                                                 uint8_t* f14, uint8_t* f15, uint8_t* f16) {
  return TransferPrimitive(TExportId::QueryVia, read_flag, handle,
                            {flags, value16, layer, value32a, value8, value32b, x, y, size,
                             size_of_hole, f13, f14, f15, f16});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryNet(uint8_t read_flag, uint32_t handle, TRecordText* name,
                                                 uint32_t* colour, uint8_t* visible, uint8_t* f6) {
  return TransferPrimitive(TExportId::QueryNet, read_flag, handle, {name, colour, visible, f6});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryFill(uint8_t read_flag, uint32_t handle,
                                                  uint16_t* flags, uint16_t* value16,
                                                  uint32_t* layer, uint32_t* value32a,
                                                  uint8_t* value8, uint32_t* value32b, int32_t* x,
                                                  int32_t* y, int32_t* x2, int32_t* y2,
                                                  int32_t* f13, double* rotation) {
  return TransferPrimitive(
      TExportId::QueryFill, read_flag, handle,
      {flags, value16, layer, value32a, value8, value32b, x, y, x2, y2, f13, rotation});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryRegion(
    uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, uint8_t* region_kind, uint32_t* net,
    uint32_t* hole_count, uint8_t* keepout, int32_t* arc_resolution, uint32_t* component,
    uint32_t* vertex_count) {
  return TransferPrimitive(TExportId::QueryRegion, read_flag, handle,
                            {flags, value16, layer, value32a, value8, value32b, region_kind, net,
                             hole_count, keepout, arc_resolution, component, vertex_count});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryArc(uint8_t read_flag, uint32_t handle, uint16_t* flags,
                                                 uint16_t* value16, uint32_t* layer,
                                                 uint32_t* value32a, uint8_t* value8,
                                                 uint32_t* value32b, int32_t* x, int32_t* y,
                                                 int32_t* radius, double* start_angle,
                                                 double* end_angle, int32_t* width, int32_t* f15) {
  return TransferPrimitive(TExportId::QueryArc, read_flag, handle,
                            {flags, value16, layer, value32a, value8, value32b, x, y, radius,
                             start_angle, end_angle, width, f15});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryText(
    uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y,
    int32_t* height, int32_t* width, double* rotation, uint8_t* mirrored, TRecordText* text,
    int32_t* f16, int32_t* f17, int32_t* f18) {
  return TransferPrimitive(TExportId::QueryText, read_flag, handle,
                            {flags, value16, layer, value32a, value8, value32b, x, y, height, width,
                             rotation, mirrored, text, f16, f17, f18});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryTrueTypeTextInfo(uint8_t read_flag, uint32_t handle,
                                                              uint8_t* true_type, TRecordText* font_name,
                                                              uint8_t* bold, uint8_t* italic,
                                                              uint8_t* inverted, int32_t* border) {
  return TransferPrimitive(TExportId::QueryTrueTypeTextInfo, read_flag, handle,
                            {true_type, font_name, bold, italic, inverted, border});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBarCodeTextInfo(uint8_t read_flag, uint32_t handle,
                                                             uint8_t* bar_code_kind,
                                                             int32_t* bar_width, int32_t* bar_height,
                                                             uint8_t* show_text) {
  return TransferPrimitive(TExportId::QueryBarCodeTextInfo, read_flag, handle,
                            {bar_code_kind, bar_width, bar_height, show_text});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryPolygon(
    uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, uint32_t* net, uint8_t* hatch_style,
    int32_t* grid_size, int32_t* track_size, int32_t* min_primitive_length, uint8_t* pour_over,
    uint8_t* remove_dead, uint8_t* polygon_kind, TRecordText* name, uint32_t* vertex_count) {
  return TransferPrimitive(
      TExportId::QueryPolygon, read_flag, handle,
      {flags, value16, layer, value32a, value8, value32b, net, hatch_style, grid_size, track_size,
       min_primitive_length, pour_over, remove_dead, polygon_kind, name, vertex_count});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryComponent(
    uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint8_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y,
    double* rotation, uint32_t* name_text, uint32_t* comment_text, TRecordText* pattern, uint8_t* name_on,
    uint8_t* comment_on) {
  return TransferPrimitive(TExportId::QueryComponent, read_flag, handle,
                            {flags, value16, layer, value32a, value8, value32b, x, y, rotation,
                             name_text, comment_text, pattern, name_on, comment_on});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryComponentEx(uint8_t read_flag, uint32_t handle,
                                                         TRecordText* source_designator,
                                                         TRecordText* source_unique_id,
                                                         uint8_t* lock_strings, uint32_t* f6) {
  return TransferPrimitive(TExportId::QueryComponentEx, read_flag, handle,
                            {source_designator, source_unique_id, lock_strings, f6});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryComponentSourceLinks(
    uint8_t read_flag, uint32_t handle, TRecordText* footprint_description, TRecordText* library_reference,
    TRecordText* hierarchical_path, TRecordText* source_library, uint8_t* f7, uint8_t* f8, uint32_t* f9,
    uint32_t* f10) {
  return TransferPrimitive(
      TExportId::QueryComponentSourceLinks, read_flag, handle,
      {footprint_description, library_reference, hierarchical_path, source_library, f7, f8, f9, f10});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryDefaultPCB3DModel(uint8_t read_flag, uint32_t handle,
                                                               TRecordText* model_name) {
  return TransferPrimitive(TExportId::QueryDefaultPCB3DModel, read_flag, handle, {model_name});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryComponentKind(uint8_t read_flag, uint32_t handle,
                                                           uint8_t* component_kind) {
  return TransferPrimitive(TExportId::QueryComponentKind, read_flag, handle, {component_kind});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryComponentChannelOffset(uint8_t read_flag,
                                                                    uint32_t handle,
                                                                    uint32_t* channel_offset) {
  return TransferPrimitive(TExportId::QueryComponentChannelOffset, read_flag, handle,
                            {channel_offset});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoard(uint8_t read_flag, uint32_t handle, uint32_t* f3,
                                                   TRecordText* f4, uint8_t* f5, int32_t* f6,
                                                   int32_t* f7, int32_t* f8, int32_t* f9,
                                                   uint8_t* unit, uint32_t* layer, uint32_t* f12) {
  return TransferBoard(TExportId::QueryBoard, read_flag, handle, 0,
                        {f3, f4, f5, f6, f7, f8, f9, unit, layer, f12});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardGridsEx(uint8_t read_flag, uint32_t handle,
                                                          double* f3, double* f4, double* f5,
                                                          double* f6, int32_t* f7, int32_t* f8,
                                                          int32_t* f9, int32_t* f10, int32_t* f11,
                                                          int32_t* f12, uint8_t* f13, uint8_t* f14,
                                                          uint8_t* f15, uint8_t* f16) {
  return TransferBoard(TExportId::QueryBoardGridsEx, read_flag, handle, 0,
                        {f3, f4, f5, f6, f7, f8, f9, f10, f11, f12, f13, f14, f15, f16});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardSplitPlaneMode(uint8_t read_flag, uint32_t handle,
                                                                 uint8_t* mode) {
  return TransferBoard(TExportId::QueryBoardSplitPlaneMode, read_flag, handle, 0, {mode});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardLayerPairAt(uint8_t read_flag, uint32_t handle,
                                                              uint32_t index, uint32_t* layer_a,
                                                              uint32_t* layer_b, uint8_t* second,
                                                              uint8_t* first) {
  return TransferBoard(TExportId::QueryBoardLayerPairAt, read_flag, handle, index,
                        {layer_a, layer_b, second, first});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardEngineeringChangeOrderOptions(uint8_t read_flag,
                                                                                uint32_t handle,
                                                                                uint8_t* f3,
                                                                                uint8_t* f4) {
  return TransferBoard(TExportId::QueryBoardEngineeringChangeOrderOptions, read_flag, handle, 0,
                        {f3, f4});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardOutputOptions(
    uint8_t read_flag, uint32_t handle, int32_t* f3, int32_t* f4, int32_t* f5, int32_t* f6,
    int32_t* f7, int32_t* f8, int32_t* f9, int32_t* f10, uint8_t* f11, uint8_t* f12, uint8_t* f13,
    uint8_t* f14, uint8_t* f15, uint8_t* f16, uint8_t* f17, uint8_t* f18, uint8_t* f19,
    uint8_t* f20, uint8_t* f21, uint8_t* f22, uint32_t* f23, uint32_t* f24, uint32_t* f25,
    uint32_t* f26) {
  return TransferBoard(TExportId::QueryBoardOutputOptions, read_flag, handle, 0,
                        {f3,  f4,  f5,  f6,  f7,  f8,  f9,  f10, f11, f12, f13, f14,
                         f15, f16, f17, f18, f19, f20, f21, f22, f23, f24, f25, f26});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardGerberOptions(
    uint8_t read_flag, uint32_t handle, int32_t* f3, int32_t* f4, int32_t* f5, int32_t* f6,
    int32_t* f7, int32_t* f8, uint8_t* f9, uint8_t* f10, uint8_t* f11, uint8_t* f12, uint8_t* f13,
    uint8_t* f14, uint8_t* f15, uint8_t* f16, uint8_t* f17, uint8_t* f18, uint8_t* f19,
    uint32_t* f20, uint32_t* f21) {
  return TransferBoard(
      TExportId::QueryBoardGerberOptions, read_flag, handle, 0,
      {f3, f4, f5, f6, f7, f8, f9, f10, f11, f12, f13, f14, f15, f16, f17, f18, f19, f20, f21});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardPrinterOptions(
    uint8_t read_flag, uint32_t handle, double* f3, double* f4, int32_t* f5, int32_t* f6,
    int32_t* f7, int32_t* f8, int32_t* f9, int32_t* f10, int32_t* f11, int32_t* f12, uint8_t* f13,
    uint8_t* f14, uint8_t* f15, uint8_t* f16, uint8_t* f17, uint8_t* f18, uint8_t* f19,
    uint8_t* f20, uint8_t* f21, uint8_t* f22, uint8_t* f23, uint8_t* f24, uint8_t* f25,
    uint8_t* f26, uint32_t* f27, uint32_t* f28) {
  return TransferBoard(TExportId::QueryBoardPrinterOptions, read_flag, handle, 0,
                        {f3,  f4,  f5,  f6,  f7,  f8,  f9,  f10, f11, f12, f13, f14, f15,
                         f16, f17, f18, f19, f20, f21, f22, f23, f24, f25, f26, f27, f28});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardPrinterOptionsPlotterPen(
    uint8_t read_flag, uint32_t handle, uint32_t pen, uint32_t* f4, uint32_t* f5) {
  return TransferBoard(TExportId::QueryBoardPrinterOptionsPlotterPen, read_flag, handle, pen,
                        {f4, f5});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardPrinterOptionsCompositeLayer(
    uint8_t read_flag, uint32_t handle, uint8_t legacy_layer, uint32_t* f4, uint32_t* f5, uint8_t* f6,
    uint32_t* f7) {
  return TransferBoard(TExportId::QueryBoardPrinterOptionsCompositeLayer, read_flag, handle,
                        legacy_layer, {f4, f5, f6, f7});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardAdvancedPlacerOptions(uint8_t read_flag,
                                                                        uint32_t handle,
                                                                        uint8_t* f3, uint8_t* f4,
                                                                        uint8_t* f5, int32_t* f6,
                                                                        int32_t* f7, int32_t* f8) {
  return TransferBoard(TExportId::QueryBoardAdvancedPlacerOptions, read_flag, handle, 0,
                        {f3, f4, f5, f6, f7, f8});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryLayer(uint8_t read_flag, uint8_t legacy_layer,
                                                   uint32_t handle, TRecordText* name,
                                                   int32_t* thickness, uint8_t* f6, uint8_t* f7,
                                                   uint8_t* prev_layer, uint8_t* next_layer,
                                                   uint8_t* f10) {
  return TransferBoard(TExportId::QueryLayer, read_flag, handle, legacy_layer,
                        {name, thickness, f6, f7, prev_layer, next_layer, f10});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryInternalPlane(uint8_t read_flag, uint8_t legacy_layer,
                                                           uint32_t handle, TRecordText* name,
                                                           int32_t* thickness, uint8_t* f6,
                                                           uint8_t* f7, uint8_t* prev_layer,
                                                           uint8_t* next_layer, TRecordText* net_name) {
  return TransferBoard(TExportId::QueryInternalPlane, read_flag, handle, legacy_layer,
                        {name, thickness, f6, f7, prev_layer, next_layer, net_name});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryLayerDielectric(uint8_t read_flag, uint8_t legacy_layer,
                                                             uint32_t handle, TRecordText* material,
                                                             uint8_t* kind, double* constant,
                                                             int32_t* height) {
  return TransferBoard(TExportId::QueryLayerDielectric, read_flag, handle, legacy_layer,
                        {material, kind, constant, height});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardExternalDielectrics(
    uint8_t read_flag, uint32_t handle, TRecordText* material1, uint8_t* kind1, double* constant1,
    int32_t* height1, TRecordText* material2, uint8_t* kind2, double* constant2, int32_t* height2) {
  return TransferBoard(
      TExportId::QueryBoardExternalDielectrics, read_flag, handle, 0,
      {material1, kind1, constant1, height1, material2, kind2, constant2, height2});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryBoardLayerInfo(uint8_t read_flag, uint32_t handle,
                                                            uint8_t legacy_layer, uint8_t* f4,
                                                            uint8_t* f5, uint32_t* info) {
  return TransferBoard(TExportId::QueryBoardLayerInfo, read_flag, handle, legacy_layer,
                        {f4, f5, info});
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryClass(uint8_t /*readFlag*/, uint32_t handle,
                                                   TRecordText* /*name*/, uint8_t* /*memberKind*/,
                                                   uint8_t* /*superClass*/, uint8_t* /*f6*/) {
  return AbsentRecord("PcbApi_QueryClass", handle);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_GetMemberFromClassAt(uint32_t handle, uint32_t /*index*/,
                                                             TRecordText* /*name*/) {
  return AbsentRecord("PcbApi_GetMemberFromClassAt", handle);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_AddMemberToClass(uint32_t handle, TRecordText* /*name*/) {
  return AbsentRecord("PcbApi_AddMemberToClass", handle);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_RemoveAllMembersFromClass(uint32_t handle) {
  return AbsentRecord("PcbApi_RemoveAllMembersFromClass", handle);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryFromTo(uint8_t /*readFlag*/, uint32_t handle,
                                                    uint16_t* /*flags*/, int32_t* /*x*/,
                                                    int32_t* /*y*/, uint8_t* /*f6*/,
                                                    int32_t* /*x2*/, int32_t* /*y2*/,
                                                    uint8_t* /*f9*/, uint32_t* /*net*/) {
  return AbsentRecord("PcbApi_QueryFromTo", handle);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryManualFromTo(uint8_t /*readFlag*/, uint32_t handle,
                                                          uint16_t* /*flags*/, TRecordText* /*fromPad*/,
                                                          TRecordText* /*toPad*/, uint32_t* /*net*/,
                                                          uint8_t* /*f7*/) {
  return AbsentRecord("PcbApi_QueryManualFromTo", handle);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryCoordinate(
    uint8_t /*readFlag*/, uint32_t handle, uint16_t* /*flags*/, uint16_t* /*value16*/,
    uint32_t* /*layer*/, uint32_t* /*value32a*/, uint8_t* /*value8*/, uint32_t* /*value32b*/,
    int32_t* /*x*/, int32_t* /*y*/, int32_t* /*size*/, int32_t* /*lineWidth*/,
    int32_t* /*textHeight*/, uint8_t* /*style*/) {
  return AbsentRecord("PcbApi_QueryCoordinate", handle);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryDimension(
    uint8_t /*readFlag*/, uint32_t handle, uint16_t* /*flags*/, uint16_t* /*value16*/,
    uint32_t* /*layer*/, uint32_t* /*value32a*/, uint8_t* /*value8*/, uint32_t* /*value32b*/,
    int32_t* /*x*/, int32_t* /*y*/, int32_t* /*x2*/, int32_t* /*y2*/, int32_t* /*f13*/,
    int32_t* /*f14*/, uint8_t* /*f15*/, double* /*f16*/) {
  return AbsentRecord("PcbApi_QueryDimension", handle);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryExtDimension(
    uint8_t /*readFlag*/, uint32_t handle, int32_t* /*f3*/, int32_t* /*f4*/, int32_t* /*f5*/,
    int32_t* /*f6*/, int32_t* /*f7*/, int32_t* /*f8*/, int32_t* /*f9*/, int32_t* /*f10*/,
    int32_t* /*f11*/, int32_t* /*f12*/, uint8_t* /*f13*/, uint8_t* /*f14*/, uint8_t* /*f15*/,
    uint8_t* /*f16*/, uint8_t* /*f17*/, double* /*f18*/, double* /*f19*/, uint32_t* /*f20*/,
    uint32_t* /*f21*/) {
  return AbsentRecord("PcbApi_QueryExtDimension", handle);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_References_Count(uint8_t /*readFlag*/, uint32_t handle,
                                                         uint32_t* /*count*/) {
  return AbsentRecord("PcbApi_References_Count", handle);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_References_At(uint8_t /*readFlag*/, uint32_t handle,
                                                      uint32_t /*index*/, int32_t* /*f4*/,
                                                      int32_t* /*f5*/, int32_t* /*f6*/,
                                                      int32_t* /*f7*/) {
  return AbsentRecord("PcbApi_References_At", handle);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryEmbeddedBoard(
    uint8_t /*readFlag*/, uint32_t handle, uint16_t* /*flags*/, uint16_t* /*value16*/,
    uint32_t* /*layer*/, uint32_t* /*value32a*/, uint8_t* /*value8*/, uint32_t* /*value32b*/,
    int32_t* /*x*/, int32_t* /*y*/, int32_t* /*rowCount*/, int32_t* /*columnCount*/,
    int32_t* /*rowSpacing*/, int32_t* /*columnSpacing*/, uint8_t* /*f15*/) {
  return AbsentRecord("PcbApi_QueryEmbeddedBoard", handle);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QuerySplitPlane(uint8_t /*readFlag*/, uint32_t handle,
                                                        uint16_t* /*flags*/, uint16_t* /*value16*/,
                                                        uint32_t* /*layer*/, uint32_t* /*value32a*/,
                                                        uint8_t* /*value8*/, uint32_t* /*value32b*/,
                                                        uint32_t* /*net*/,
                                                        uint32_t* /*vertexCount*/) {
  return AbsentRecord("PcbApi_QuerySplitPlane", handle);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryEmbedded(uint8_t /*readFlag*/, uint32_t handle,
                                                      uint32_t* /*length*/, uint8_t* /*buffer*/) {
  return AbsentRecord("PcbApi_QueryEmbedded", handle);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryRule(
    uint8_t /*readFlag*/, uint32_t handle, TRecordText* /*name*/, TRecordText* /*scope1*/,
    TRecordText* /*scope2*/, uint8_t* /*ruleKind*/, uint8_t* /*enabled*/, uint8_t* /*f8*/,
    uint8_t* /*f9*/, uint8_t* /*f10*/, uint8_t* /*f11*/, uint8_t* /*f12*/, uint8_t* /*f13*/,
    int32_t* /*f14*/, int32_t* /*f15*/, int32_t* /*f16*/, int32_t* /*f17*/, int32_t* /*f18*/,
    int32_t* /*f19*/, int32_t* /*f20*/, int32_t* /*f21*/, uint32_t* /*f22*/, uint32_t* /*f23*/,
    uint32_t* /*f24*/, uint32_t* /*f25*/) {
  return AbsentRecord("PcbApi_QueryRule", handle);
}
DRALITH_EXPORT int32_t __stdcall PcbApi_QueryViolation(uint8_t /*readFlag*/, uint32_t handle,
                                                       TRecordText* /*name*/, TRecordText* /*description*/,
                                                       uint32_t* /*primitive1*/,
                                                       uint32_t* /*primitive2*/, uint8_t* /*f7*/) {
  return AbsentRecord("PcbApi_QueryViolation", handle);
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
