#pragma once
// TObjectId, the 8-bit kind of a board primitive as PcbApi_GetObjectIdFromObjectHandle reports it,
// and the legacy object class that stands for each kind.

#include <cstdint>

using TObjectId = uint8_t;

enum : TObjectId {
  eArcObject = 1,
  ePadObject = 2,
  eViaObject = 3,
  eTrackObject = 4,
  eTextObject = 5,
  eFillObject = 6,
  eConnectionObject = 7,
  eNetObject = 8,
  eComponentObject = 9,
  ePolyObject = 10,
  eRegionObject = 11,
  eComponentBodyObject = 12,
  eDimensionObject = 13,
  eCoordinateObject = 14,
  eClassObject = 15,
  eRuleObject = 16,
  eFromToObject = 17,
  eDifferentialPairObject = 18,
  eViolationObject = 19,
  eEmbeddedObject = 20,
  eEmbeddedBoardObject = 21,
  eSplitPlaneObject = 22,
  eBoardOutlineObject = 26,
};

// The name of the legacy class for a kind ("TPcbPad" for 2), or null for the kinds without one
// (0, 23 to 25 and above 26).
const char* LegacyClassName(TObjectId kind);
