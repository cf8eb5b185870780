#include "pcb/objects/create_pcb_object.h"

#include "pcb/objects/pcb_arc.h"
#include "pcb/objects/pcb_component.h"
#include "pcb/objects/pcb_component_body.h"
#include "pcb/objects/pcb_connections.h"
#include "pcb/objects/pcb_coordinate.h"
#include "pcb/objects/pcb_design_rules.h"
#include "pcb/objects/pcb_dimension.h"
#include "pcb/objects/pcb_embedded.h"
#include "pcb/objects/pcb_embedded_board.h"
#include "pcb/objects/pcb_fill.h"
#include "pcb/objects/pcb_net.h"
#include "pcb/objects/pcb_object_class.h"
#include "pcb/objects/pcb_pad.h"
#include "pcb/objects/pcb_polygon.h"
#include "pcb/objects/pcb_region.h"
#include "pcb/objects/pcb_split_plane.h"
#include "pcb/objects/pcb_text_object.h"
#include "pcb/objects/pcb_track.h"
#include "pcb/objects/pcb_via.h"
#include "pcb/pad_via_records.h"
#include "pcb/pcb_api_wrappers.h"

std::unique_ptr<TPCBObject> NewPcbObject(TObjectId kind, uint32_t handle) {
  switch (kind) {
    case eArcObject:
      return std::make_unique<TPcbArc>(handle);
    case ePadObject:
      return std::make_unique<TPcbPad>(handle);
    case eViaObject:
      return std::make_unique<TPcbVia>(handle);
    case eTrackObject:
      return std::make_unique<TPcbTrack>(handle);
    case eTextObject:
      return std::make_unique<TPcbText>(handle);
    case eFillObject:
      return std::make_unique<TPcbFill>(handle);
    case eConnectionObject:
      return std::make_unique<TPcbFromTo>(handle);
    case eNetObject:
      return std::make_unique<TPcbNet>(handle);
    case eComponentObject:
      return std::make_unique<TPcbComponent>(handle);
    case ePolyObject:
      return std::make_unique<TPcbPolygon>(handle);
    case eRegionObject:
      return std::make_unique<TPCBRegion>(handle);
    case eComponentBodyObject:
      return std::make_unique<TPcbComponentBody>(handle);
    case eDimensionObject:
      return std::make_unique<TPcbDimension>(handle);
    case eCoordinateObject:
      return std::make_unique<TPcbCoordinate>(handle);
    case eClassObject:
      return std::make_unique<TPCBObjectClass>(handle);
    case eRuleObject:
      return std::make_unique<TPcbRule>(handle);
    case eFromToObject:
      return std::make_unique<TPcbManualFromTo>(handle);
    case eDifferentialPairObject:
      return std::make_unique<TPcbDifferentialPair>(handle);
    case eViolationObject:
      return std::make_unique<TPcbViolation>(handle);
    case eEmbeddedObject:
      return std::make_unique<TPcbEmbedded>(handle);
    case eEmbeddedBoardObject:
      return std::make_unique<TPcbEmbeddedBoard>(handle);
    case eSplitPlaneObject:
      return std::make_unique<TPcbSplitPlane>(handle);
    case eBoardOutlineObject:
      return std::make_unique<TPcbBoardOutline>(handle);
    default:
      return nullptr;
  }
}

std::unique_ptr<TPCBObject> CreatePcbObject(uint32_t handle) {
  std::unique_ptr<TPCBObject> object =
      NewPcbObject(PcbApi_GetObjectIdFromObjectHandle(handle), handle);
  if (object) object->Query(1);
  return object;
}

TCoord GetObjectHoleSize(uint32_t handle) {
  if (handle == 0) return 0;
  return ReadHoleSize(handle, PcbApi_GetObjectIdFromObjectHandle(handle));
}

std::string GetObjectText(uint32_t handle) {
  if (handle == 0) return {};
  const std::unique_ptr<TPCBObject> object = CreatePcbObject(handle);
  return object ? object->GetText() : std::string();
}
