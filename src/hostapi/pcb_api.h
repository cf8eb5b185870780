#pragma once
// The flat exports of the PCB editor module Dralith.dll, written down once for both sides: the
// plug-in resolves the names below from the loaded module and calls them through its wrappers
// (src/pcb), and the host kit's Dralith.dll defines them. Every export is stdcall with an
// undecorated name. Scalars are passed by value; record fields by reference, as pointers to the
// caller's variables, which the export fills (read flag 1) or takes as the primitive's new state
// (read flag 0). Query results are statuses, 0 meaning success.

#include <cstdint>

#ifdef _WIN32
#define TAVRIN_PCBAPI __stdcall
#else
#define TAVRIN_PCBAPI
#endif

// A length-prefixed text of up to 255 characters (256 bytes), as the PCB module's records carry
// them.
struct TRecordText {
  uint8_t Length;
  char Chars[255];
};
// The pad record's short texts: a length byte and up to 20 characters (21 bytes).
struct TRecordText20 {
  uint8_t Length;
  char Chars[20];
};
static_assert(sizeof(TRecordText) == 256 && sizeof(TRecordText20) == 21);

// Every export name the plug-in resolves, in families; the binding order is immaterial.
inline constexpr int kPcbApiNameCount = 278;

// The slot of each name in the entry table, and the table of names, both from the one list.
enum class TPcbApiSlot : int {
#define TAVRIN_PCB_API(name) name,
#include "hostapi/pcb_api_names.h"
#undef TAVRIN_PCB_API
};
inline constexpr const char* kPcbApiNames[] = {
#define TAVRIN_PCB_API(name) #name,
#include "hostapi/pcb_api_names.h"
#undef TAVRIN_PCB_API
};
static_assert(sizeof kPcbApiNames / sizeof kPcbApiNames[0] == kPcbApiNameCount);

// Signatures of the exports the plug-in calls.
typedef uint32_t(TAVRIN_PCBAPI* PcbApi_GetCurrentBoardHandle_fn)();
typedef uint32_t(TAVRIN_PCBAPI* PcbApi_GetCurrentEditorWindow_fn)();
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryPad_fn)(
    uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y, int32_t* f11,
    int32_t* f12, int32_t* f13, int32_t* f14, int32_t* f15, int32_t* f16, int32_t* size_of_hole,
    uint8_t* f18, uint8_t* f19, uint8_t* f20, TRecordText20* f21, uint8_t* f22, uint8_t* f23,
    double* rotation, TRecordText20* f25, TRecordText20* f26, uint32_t* f27, TRecordText20* f28, uint8_t* f29,
    uint8_t* f30, uint32_t* f31, int64_t* f32, uint32_t* f33, uint32_t* f34, uint32_t* f35,
    uint8_t* f36, uint8_t* f37);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryPadOrViaShapeOnLayer_fn)(uint32_t handle,
                                                                    uint8_t legacy_layer,
                                                                    uint8_t* shape);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_SetPadShapeOnLayer_fn)(uint32_t handle, uint8_t legacy_layer,
                                                             uint8_t shape);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_SetPadSizeOnLayer_fn)(uint32_t handle, uint8_t legacy_layer,
                                                            int32_t x_size, int32_t y_size);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_SetCRPctOnLayer_fn)(uint32_t handle, uint8_t legacy_layer,
                                                          uint8_t percent);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryPadStackMode_fn)(uint8_t read_flag, uint32_t handle,
                                                            uint8_t* mode);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryPadOrViaSizeOnLayer_fn)(uint32_t handle,
                                                                   uint8_t legacy_layer,
                                                                   int32_t* x_size, int32_t* y_size);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryPadCornerRadiusOnLayer_fn)(uint32_t handle,
                                                                      uint8_t legacy_layer,
                                                                      int32_t* radius);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryPadCRPercentageOnLayer_fn)(uint32_t handle,
                                                                      uint8_t legacy_layer,
                                                                      uint8_t* percent);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryTrack_fn)(
    uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y, int32_t* x2,
    int32_t* y2, int32_t* width, int32_t* f14, int32_t* f15, int32_t* f16);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryVia_fn)(
    uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint8_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y, int32_t* size,
    int32_t* size_of_hole, uint8_t* f13, uint8_t* f14, uint8_t* f15, uint8_t* f16);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryNet_fn)(uint8_t read_flag, uint32_t handle, TRecordText* name,
                                                   uint32_t* colour, uint8_t* visible, uint8_t* f6);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryClass_fn)(uint8_t read_flag, uint32_t handle,
                                                     TRecordText* name, uint8_t* memberKind,
                                                     uint8_t* superClass, uint8_t* f6);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_GetMemberFromClassAt_fn)(uint32_t handle, uint32_t index,
                                                               TRecordText* name);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_AddMemberToClass_fn)(uint32_t handle, TRecordText* name);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_RemoveAllMembersFromClass_fn)(uint32_t handle);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryFromTo_fn)(uint8_t read_flag, uint32_t handle,
                                                      uint16_t* flags, int32_t* x, int32_t* y,
                                                      uint8_t* f6, int32_t* x2, int32_t* y2,
                                                      uint8_t* f9, uint32_t* net);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryManualFromTo_fn)(uint8_t read_flag, uint32_t handle,
                                                            uint16_t* flags, TRecordText* fromPad,
                                                            TRecordText* toPad, uint32_t* net,
                                                            uint8_t* f7);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryCoordinate_fn)(
    uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y, int32_t* size,
    int32_t* lineWidth, int32_t* textHeight, uint8_t* style);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryDimension_fn)(
    uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y, int32_t* x2,
    int32_t* y2, int32_t* f13, int32_t* f14, uint8_t* f15, double* f16);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryExtDimension_fn)(
    uint8_t read_flag, uint32_t handle, int32_t* f3, int32_t* f4, int32_t* f5, int32_t* f6,
    int32_t* f7, int32_t* f8, int32_t* f9, int32_t* f10, int32_t* f11, int32_t* f12, uint8_t* f13,
    uint8_t* f14, uint8_t* f15, uint8_t* f16, uint8_t* f17, double* f18, double* f19, uint32_t* f20,
    uint32_t* f21);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_References_Count_fn)(uint8_t read_flag, uint32_t handle,
                                                           uint32_t* count);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_References_At_fn)(uint8_t read_flag, uint32_t handle,
                                                        uint32_t index, int32_t* f4, int32_t* f5,
                                                        int32_t* f6, int32_t* f7);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryPrimitive_fn)(uint8_t read_flag, uint32_t handle,
                                                         uint16_t* flags, uint16_t* value16,
                                                         uint32_t* layer, uint32_t* value32a,
                                                         uint32_t* value32b, uint8_t* value8);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryFill_fn)(uint8_t read_flag, uint32_t handle,
                                                    uint16_t* flags, uint16_t* value16,
                                                    uint32_t* layer, uint32_t* value32a,
                                                    uint8_t* value8, uint32_t* value32b, int32_t* x,
                                                    int32_t* y, int32_t* x2, int32_t* y2,
                                                    int32_t* f13, double* rotation);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryRegion_fn)(
    uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, uint8_t* region_kind, uint32_t* net,
    uint32_t* hole_count, uint8_t* keepout, int32_t* arc_resolution, uint32_t* component,
    uint32_t* vertexCount);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryArc_fn)(uint8_t read_flag, uint32_t handle,
                                                   uint16_t* flags, uint16_t* value16,
                                                   uint32_t* layer, uint32_t* value32a,
                                                   uint8_t* value8, uint32_t* value32b, int32_t* x,
                                                   int32_t* y, int32_t* radius, double* startAngle,
                                                   double* endAngle, int32_t* width, int32_t* f15);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryEmbeddedBoard_fn)(
    uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y,
    int32_t* rowCount, int32_t* columnCount, int32_t* rowSpacing, int32_t* columnSpacing,
    uint8_t* f15);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryText_fn)(
    uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y,
    int32_t* height, int32_t* width, double* rotation, uint8_t* mirrored, TRecordText* text,
    int32_t* f16, int32_t* f17, int32_t* f18);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryTrueTypeTextInfo_fn)(uint8_t read_flag, uint32_t handle,
                                                                uint8_t* trueType,
                                                                TRecordText* fontName, uint8_t* bold,
                                                                uint8_t* italic, uint8_t* inverted,
                                                                int32_t* border);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBarCodeTextInfo_fn)(uint8_t read_flag, uint32_t handle,
                                                               uint8_t* bar_code_kind,
                                                               int32_t* bar_width,
                                                               int32_t* bar_height,
                                                               uint8_t* show_text);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryPolygon_fn)(
    uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint32_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, uint32_t* net, uint8_t* hatchStyle,
    int32_t* grid_size, int32_t* track_size, int32_t* min_primitive_length, uint8_t* pour_over,
    uint8_t* remove_dead, uint8_t* polygon_kind, TRecordText* name, uint32_t* vertexCount);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QuerySplitPlane_fn)(uint8_t read_flag, uint32_t handle,
                                                          uint16_t* flags, uint16_t* value16,
                                                          uint32_t* layer, uint32_t* value32a,
                                                          uint8_t* value8, uint32_t* value32b,
                                                          uint32_t* net, uint32_t* vertexCount);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryComponent_fn)(
    uint8_t read_flag, uint32_t handle, uint16_t* flags, uint16_t* value16, uint8_t* layer,
    uint32_t* value32a, uint8_t* value8, uint32_t* value32b, int32_t* x, int32_t* y,
    double* rotation, uint32_t* name_text, uint32_t* comment_text, TRecordText* pattern, uint8_t* name_on,
    uint8_t* comment_on);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryComponentEx_fn)(uint8_t read_flag, uint32_t handle,
                                                           TRecordText* source_designator,
                                                           TRecordText* source_unique_id,
                                                           uint8_t* lock_strings, uint32_t* f6);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryComponentSourceLinks_fn)(
    uint8_t read_flag, uint32_t handle, TRecordText* footprint_description, TRecordText* library_reference,
    TRecordText* hierarchical_path, TRecordText* source_library, uint8_t* f7, uint8_t* f8, uint32_t* f9,
    uint32_t* f10);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryDefaultPCB3DModel_fn)(uint8_t read_flag, uint32_t handle,
                                                                 TRecordText* model_name);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryComponentKind_fn)(uint8_t read_flag, uint32_t handle,
                                                             uint8_t* component_kind);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryComponentChannelOffset_fn)(uint8_t read_flag,
                                                                      uint32_t handle,
                                                                      uint32_t* channel_offset);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryObjectBoundingRectangle_fn)(
    uint32_t handle, int32_t* left, int32_t* bottom, int32_t* right, int32_t* top);
typedef uint32_t(TAVRIN_PCBAPI* PcbApi_QueryObjectImport_FromUser_fn)(uint32_t handle);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryObjectGraphicallyInvalidate_fn)(uint32_t handle);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBoard_fn)(uint8_t read_flag, uint32_t handle,
                                                     uint32_t* f3, TRecordText* f4, uint8_t* f5,
                                                     int32_t* f6, int32_t* f7, int32_t* f8,
                                                     int32_t* f9, uint8_t* unit, uint32_t* layer,
                                                     uint32_t* f12);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBoardGridsEx_fn)(
    uint8_t read_flag, uint32_t handle, double* f3, double* f4, double* f5, double* f6, int32_t* f7,
    int32_t* f8, int32_t* f9, int32_t* f10, int32_t* f11, int32_t* f12, uint8_t* f13, uint8_t* f14,
    uint8_t* f15, uint8_t* f16);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBoardSplitPlaneMode_fn)(uint8_t read_flag,
                                                                   uint32_t handle, uint8_t* mode);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBoardLayerPairsCount_fn)(uint32_t handle,
                                                                    uint32_t* count,
                                                                    uint8_t read_flag);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBoardLayerPairAt_fn)(uint8_t read_flag, uint32_t handle,
                                                                uint32_t index, uint32_t* layer_a,
                                                                uint32_t* layer_b, uint8_t* second,
                                                                uint8_t* first);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBoardEngineeringChangeOrderOptions_fn)(uint8_t read_flag,
                                                                                  uint32_t handle,
                                                                                  uint8_t* f3,
                                                                                  uint8_t* f4);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBoardOutputOptions_fn)(
    uint8_t read_flag, uint32_t handle, int32_t* f3, int32_t* f4, int32_t* f5, int32_t* f6,
    int32_t* f7, int32_t* f8, int32_t* f9, int32_t* f10, uint8_t* f11, uint8_t* f12, uint8_t* f13,
    uint8_t* f14, uint8_t* f15, uint8_t* f16, uint8_t* f17, uint8_t* f18, uint8_t* f19,
    uint8_t* f20, uint8_t* f21, uint8_t* f22, uint32_t* f23, uint32_t* f24, uint32_t* f25,
    uint32_t* f26);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBoardOutputOptionsPlotLayers_fn)(uint8_t read_flag,
                                                                            uint32_t handle,
                                                                            uint32_t output_layer,
                                                                            uint8_t* plot);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBoardOutputOptionsFlipLayers_fn)(uint8_t read_flag,
                                                                            uint32_t handle,
                                                                            uint32_t output_layer,
                                                                            uint8_t* flip);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBoardGerberOptions_fn)(
    uint8_t read_flag, uint32_t handle, int32_t* f3, int32_t* f4, int32_t* f5, int32_t* f6,
    int32_t* f7, int32_t* f8, uint8_t* f9, uint8_t* f10, uint8_t* f11, uint8_t* f12, uint8_t* f13,
    uint8_t* f14, uint8_t* f15, uint8_t* f16, uint8_t* f17, uint8_t* f18, uint8_t* f19,
    uint32_t* f20, uint32_t* f21);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBoardPrinterOptions_fn)(
    uint8_t read_flag, uint32_t handle, double* f3, double* f4, int32_t* f5, int32_t* f6,
    int32_t* f7, int32_t* f8, int32_t* f9, int32_t* f10, int32_t* f11, int32_t* f12, uint8_t* f13,
    uint8_t* f14, uint8_t* f15, uint8_t* f16, uint8_t* f17, uint8_t* f18, uint8_t* f19,
    uint8_t* f20, uint8_t* f21, uint8_t* f22, uint8_t* f23, uint8_t* f24, uint8_t* f25,
    uint8_t* f26, uint32_t* f27, uint32_t* f28);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBoardPrinterOptionsPlotterPen_fn)(
    uint8_t read_flag, uint32_t handle, uint32_t pen, uint32_t* f4, uint32_t* f5);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBoardPrinterOptionsCompositeLayer_fn)(
    uint8_t read_flag, uint32_t handle, uint8_t legacy_layer, uint32_t* f4, uint32_t* f5, uint8_t* f6,
    uint32_t* f7);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBoardAdvancedPlacerOptions_fn)(uint8_t read_flag,
                                                                          uint32_t handle,
                                                                          uint8_t* f3, uint8_t* f4,
                                                                          uint8_t* f5, int32_t* f6,
                                                                          int32_t* f7, int32_t* f8);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryEmbedded_fn)(uint8_t read_flag, uint32_t handle,
                                                        uint32_t* length, uint8_t* buffer);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryRule_fn)(
    uint8_t read_flag, uint32_t handle, TRecordText* name, TRecordText* scope1, TRecordText* scope2,
    uint8_t* ruleKind, uint8_t* enabled, uint8_t* f8, uint8_t* f9, uint8_t* f10, uint8_t* f11,
    uint8_t* f12, uint8_t* f13, int32_t* f14, int32_t* f15, int32_t* f16, int32_t* f17,
    int32_t* f18, int32_t* f19, int32_t* f20, int32_t* f21, uint32_t* f22, uint32_t* f23,
    uint32_t* f24, uint32_t* f25);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryLayer_fn)(uint8_t read_flag, uint8_t legacy_layer,
                                                     uint32_t handle, TRecordText* name,
                                                     int32_t* thickness, uint8_t* f6, uint8_t* f7,
                                                     uint8_t* prev_layer, uint8_t* next_layer,
                                                     uint8_t* f10);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryInternalPlane_fn)(uint8_t read_flag, uint8_t legacy_layer,
                                                             uint32_t handle, TRecordText* name,
                                                             int32_t* thickness, uint8_t* f6,
                                                             uint8_t* f7, uint8_t* prev_layer,
                                                             uint8_t* next_layer, TRecordText* net_name);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryLayerDielectric_fn)(uint8_t read_flag,
                                                               uint8_t legacy_layer, uint32_t handle,
                                                               TRecordText* material, uint8_t* kind,
                                                               double* constant, int32_t* height);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBoardExternalDielectrics_fn)(
    uint8_t read_flag, uint32_t handle, TRecordText* material1, uint8_t* kind1, double* constant1,
    int32_t* height1, TRecordText* material2, uint8_t* kind2, double* constant2, int32_t* height2);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryViolation_fn)(uint8_t read_flag, uint32_t handle,
                                                         TRecordText* name, TRecordText* description,
                                                         uint32_t* primitive1, uint32_t* primitive2,
                                                         uint8_t* f7);
typedef int32_t(TAVRIN_PCBAPI* PcbApi_QueryBoardLayerInfo_fn)(uint8_t read_flag, uint32_t handle,
                                                              uint8_t legacy_layer, uint8_t* f4,
                                                              uint8_t* f5, uint32_t* info);
typedef uint32_t(TAVRIN_PCBAPI* PcbApi_CreateIterator_fn)(uint32_t board, uint8_t objectId,
                                                          uint8_t method, uint32_t layer);
typedef uint32_t(TAVRIN_PCBAPI* PcbApi_DestroyIterator_fn)(uint32_t iterator);
typedef uint32_t(TAVRIN_PCBAPI* PcbApi_GetNextObject_fn)(uint32_t iterator);
typedef uint32_t(TAVRIN_PCBAPI* PcbApi_GetFirstObject_fn)(uint32_t iterator);
typedef uint8_t(TAVRIN_PCBAPI* PcbApi_GetObjectIdFromObjectHandle_fn)(uint32_t handle);
typedef void(TAVRIN_PCBAPI* PcbApi_GetObjectBitField2_fn)(uint8_t read_flag, uint32_t handle,
                                                          uint8_t* flags2);
typedef void(TAVRIN_PCBAPI* PcbApi_GetObjectBitField3_fn)(uint8_t read_flag, uint32_t handle,
                                                          uint16_t* flags3);
typedef void(TAVRIN_PCBAPI* PcbApi_GetDesignatorDisplayString_fn)(TRecordText* text, uint32_t handle);
