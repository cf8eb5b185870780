#include "pcb/object_id.h"

const char* LegacyClassName(TObjectId kind) {
  static const char* const names[] = {nullptr,
                                      "TPcbArc",
                                      "TPcbPad",
                                      "TPcbVia",
                                      "TPcbTrack",
                                      "TPcbText",
                                      "TPcbFill",
                                      "TPcbFromTo",
                                      "TPcbNet",
                                      "TPcbComponent",
                                      "TPcbPolygon",
                                      "TPCBRegion",
                                      "TPcbComponentBody",
                                      "TPcbDimension",
                                      "TPcbCoordinate",
                                      "TPCBObjectClass",
                                      "TPcbRule",
                                      "TPcbManualFromTo",
                                      "TPcbDifferentialPair",
                                      "TPcbViolation",
                                      "TPcbEmbedded",
                                      "TPcbEmbeddedBoard",
                                      "TPcbSplitPlane",
                                      nullptr,
                                      nullptr,
                                      nullptr,
                                      "TPcbBoardOutline"};
  return kind < sizeof names / sizeof names[0] ? names[kind] : nullptr;
}
