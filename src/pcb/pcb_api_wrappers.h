#pragma once
// One wrapper per export the plug-in calls, named after the export and taking its arguments in its
// order (see hostapi/pcb_api.h). A wrapper makes sure binding was attempted, calls the export when
// it was found and returns the export's result unchanged; when it was not found it returns a fixed
// default without touching any argument. The default is 0, which makes a missing query read as a
// success that left the caller's variables as they were; six exports whose callers must see a
// missing export as a failure default to 1.

#include <cstdint>

#include "hostapi/pcb_api.h"
#include "pcb/pcb_api_binding.h"

namespace pcb_api_detail {

template <TPcbApiSlot Slot, class Fn, bool Ensure>
struct TExport;

template <TPcbApiSlot Slot, class R, class... A, bool Ensure>
struct TExport<Slot, R(TAVRIN_PCBAPI*)(A...), Ensure> {
  template <int Default>
  static R Call(A... args) {
    if constexpr (Ensure) EnsurePcbApiBound();
    auto entry = reinterpret_cast<R(TAVRIN_PCBAPI*)(A...)>(PcbApiEntry(Slot));
    if (!entry) return static_cast<R>(Default);
    return entry(args...);
  }
};

}  // namespace pcb_api_detail

#define TAVRIN_PCB_WRAPPER(name, fallback, ensure) \
  inline constexpr auto& name =                    \
      pcb_api_detail::TExport<TPcbApiSlot::name, name##_fn, ensure>::Call<fallback>

TAVRIN_PCB_WRAPPER(PcbApi_GetCurrentBoardHandle, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_GetCurrentEditorWindow, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryPad, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryPadOrViaShapeOnLayer, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_SetPadShapeOnLayer, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_SetPadSizeOnLayer, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_SetCRPctOnLayer, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryPadStackMode, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryPadOrViaSizeOnLayer, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryPadCornerRadiusOnLayer, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryPadCRPercentageOnLayer, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryTrack, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryVia, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryNet, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryClass, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_GetMemberFromClassAt, 1, true);
TAVRIN_PCB_WRAPPER(PcbApi_AddMemberToClass, 1, true);
TAVRIN_PCB_WRAPPER(PcbApi_RemoveAllMembersFromClass, 1, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryFromTo, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryManualFromTo, 1, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryCoordinate, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryDimension, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryExtDimension, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_References_Count, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_References_At, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryPrimitive, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryFill, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryRegion, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryArc, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryEmbeddedBoard, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryText, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryTrueTypeTextInfo, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBarCodeTextInfo, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryPolygon, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QuerySplitPlane, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryComponent, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryComponentEx, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryComponentSourceLinks, 0, true);
// Checks its slot but, unlike every other wrapper, does not attempt the binding itself.
TAVRIN_PCB_WRAPPER(PcbApi_QueryDefaultPCB3DModel, 0, false);
TAVRIN_PCB_WRAPPER(PcbApi_QueryComponentKind, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryComponentChannelOffset, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryObjectBoundingRectangle, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryObjectImport_FromUser, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryObjectGraphicallyInvalidate, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBoard, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBoardGridsEx, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBoardSplitPlaneMode, 1, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBoardLayerPairsCount, 1, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBoardLayerPairAt, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBoardEngineeringChangeOrderOptions, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBoardOutputOptions, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBoardOutputOptionsPlotLayers, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBoardOutputOptionsFlipLayers, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBoardGerberOptions, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBoardPrinterOptions, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBoardPrinterOptionsPlotterPen, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBoardPrinterOptionsCompositeLayer, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBoardAdvancedPlacerOptions, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryEmbedded, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryRule, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryLayer, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryInternalPlane, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryLayerDielectric, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBoardExternalDielectrics, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryViolation, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_QueryBoardLayerInfo, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_CreateIterator, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_DestroyIterator, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_GetNextObject, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_GetFirstObject, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_GetObjectIdFromObjectHandle, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_GetObjectBitField2, 0, true);
TAVRIN_PCB_WRAPPER(PcbApi_GetObjectBitField3, 0, true);

#undef TAVRIN_PCB_WRAPPER

// Sets text to empty; when the export exists, fetches the display string into a buffer of its own
// and copies it, cut to 254 characters, into text. The export takes the buffer first and the handle
// second.
void PcbApi_GetDesignatorDisplayString(uint32_t handle, TRecordText* text);
