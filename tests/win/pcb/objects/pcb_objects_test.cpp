// The legacy primitive objects against the real Dralith.dll: what each class holds when made, the
// host calls of its transfer in order, the write that leaves the host's record as it was, and the
// derived values, bounded texts and failures.

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "base/exceptions.h"
#include "base/host_guard.h"
#include "pcb/objects/create_pcb_object.h"
#include "pcb/objects/pcb_component.h"
#include "pcb/objects/pcb_connections.h"
#include "pcb/objects/pcb_dimension.h"
#include "pcb/objects/pcb_embedded.h"
#include "pcb/objects/pcb_fill.h"
#include "pcb/objects/pcb_group_object.h"
#include "pcb/objects/pcb_net.h"
#include "pcb/objects/pcb_object_class.h"
#include "pcb/objects/pcb_pad.h"
#include "pcb/objects/pcb_polygon.h"
#include "pcb/objects/pcb_text_object.h"
#include "pcb/objects/pcb_track.h"
#include "pcb/objects/pcb_via.h"
#include "pcb/pcb_api_wrappers.h"
#include "tests/win/support/pcb_test_host.h"

namespace pcbtest {
namespace {

// The argument count of an export, from the signature the plug-in calls it through.
template <class F>
struct TArity;
template <class R, class... A>
struct TArity<R(TAVRIN_PCBAPI*)(A...)> {
  static constexpr size_t value = sizeof...(A);
};
#define TAVRIN_EXPECT_ARITY(name, count) \
  static_assert(TArity<name##_fn>::value == (count), #name " takes " #count " arguments")
TAVRIN_EXPECT_ARITY(PcbApi_QueryPrimitive, 8);
TAVRIN_EXPECT_ARITY(PcbApi_QueryPad, 37);
TAVRIN_EXPECT_ARITY(PcbApi_QueryVia, 16);
TAVRIN_EXPECT_ARITY(PcbApi_QueryTrack, 16);
TAVRIN_EXPECT_ARITY(PcbApi_QueryArc, 15);
TAVRIN_EXPECT_ARITY(PcbApi_QueryFill, 14);
TAVRIN_EXPECT_ARITY(PcbApi_QueryText, 18);
TAVRIN_EXPECT_ARITY(PcbApi_QueryTrueTypeTextInfo, 8);
TAVRIN_EXPECT_ARITY(PcbApi_QueryBarCodeTextInfo, 6);
TAVRIN_EXPECT_ARITY(PcbApi_QueryRegion, 15);
TAVRIN_EXPECT_ARITY(PcbApi_QueryFromTo, 10);
TAVRIN_EXPECT_ARITY(PcbApi_QueryManualFromTo, 7);
TAVRIN_EXPECT_ARITY(PcbApi_QueryEmbeddedBoard, 15);
TAVRIN_EXPECT_ARITY(PcbApi_QueryRule, 25);
TAVRIN_EXPECT_ARITY(PcbApi_QueryViolation, 7);
TAVRIN_EXPECT_ARITY(PcbApi_QueryClass, 6);
TAVRIN_EXPECT_ARITY(PcbApi_GetMemberFromClassAt, 3);
TAVRIN_EXPECT_ARITY(PcbApi_AddMemberToClass, 2);
TAVRIN_EXPECT_ARITY(PcbApi_RemoveAllMembersFromClass, 1);
TAVRIN_EXPECT_ARITY(PcbApi_QueryEmbedded, 4);
TAVRIN_EXPECT_ARITY(PcbApi_QueryCoordinate, 14);
TAVRIN_EXPECT_ARITY(PcbApi_QueryDimension, 16);
TAVRIN_EXPECT_ARITY(PcbApi_References_Count, 3);
TAVRIN_EXPECT_ARITY(PcbApi_References_At, 7);
TAVRIN_EXPECT_ARITY(PcbApi_QueryExtDimension, 21);
TAVRIN_EXPECT_ARITY(PcbApi_QueryPolygon, 18);
TAVRIN_EXPECT_ARITY(PcbApi_QuerySplitPlane, 10);
TAVRIN_EXPECT_ARITY(PcbApi_QueryComponentChannelOffset, 3);
TAVRIN_EXPECT_ARITY(PcbApi_QueryComponentKind, 3);
TAVRIN_EXPECT_ARITY(PcbApi_QueryComponent, 16);
TAVRIN_EXPECT_ARITY(PcbApi_QueryComponentEx, 6);
TAVRIN_EXPECT_ARITY(PcbApi_QueryComponentSourceLinks, 10);
TAVRIN_EXPECT_ARITY(PcbApi_QueryDefaultPCB3DModel, 3);
TAVRIN_EXPECT_ARITY(PcbApi_QueryNet, 6);
TAVRIN_EXPECT_ARITY(PcbApi_GetObjectBitField2, 3);
TAVRIN_EXPECT_ARITY(PcbApi_GetObjectBitField3, 3);
#undef TAVRIN_EXPECT_ARITY

using TObjectsTest = PcbTest;

struct TKindCase {
  TObjectId kind;
  uint32_t handle;
  const char* class_name;
  const char* parent;
  std::vector<std::string> calls;  // after the two bit-field calls
  std::string json;                // the primitive, with a value in many of its fields
};

std::vector<TKindCase> Kinds() {
  return {
      {eArcObject, 1, "TPcbArc", "TPCBObject", {"PcbApi_QueryArc"},
       "{\"kind\": \"arc\", \"handle\": 1, \"flags2\": 3, \"flags3\": 6, \"flags\": 9, "
       "\"layer\": 1, \"x\": 5, \"y\": 6, \"radius\": 100, \"startAngle\": 10.5, \"endAngle\": "
       "90, \"width\": 7, \"f15\": 8}"},
      {ePadObject, 2, "TPcbPad", "TPCBObject", {},
       "{\"kind\": \"pad\", \"handle\": 2, \"layer\": 74, \"x\": 1000, \"y\": 1000, \"f11\": 1, "
       "\"holeSize\": 30, \"f21\": \"A1\", \"rotation\": 45, \"f32\": -1, \"f37\": 1, "
       "\"stackMode\": 2, \"stack\": [[1, 9, 100, 40, 5, 20], [2, 9, 90, 40, 0, 20], [31, 9, 90, "
       "40, 0, 20], [32, 1, 100, 40, 0, 0], [74, 2, 100, 40, 0, 0]]}"},
      {eViaObject, 3, "TPcbVia", "TPCBObject", {"PcbApi_QueryVia"},
       "{\"kind\": \"via\", \"handle\": 3, \"layer\": 1, \"x\": 1, \"y\": 2, \"size\": 60, "
       "\"holeSize\": 30, \"f13\": 4, \"f16\": 1}"},
      {eTrackObject, 4, "TPcbTrack", "TPCBObject", {"PcbApi_QueryTrack"},
       "{\"kind\": \"track\", \"handle\": 4, \"layer\": 32, \"x\": 0, \"y\": 0, \"x2\": 100, "
       "\"y2\": 50, \"width\": 10, \"f16\": -3}"},
      {eTextObject, 5, "TPcbText", "TPCBObject",
       {"PcbApi_QueryText", "PcbApi_QueryTrueTypeTextInfo", "PcbApi_GetDesignatorDisplayString",
        "PcbApi_QueryBarCodeTextInfo"},
       "{\"kind\": \"text\", \"handle\": 5, \"layer\": 33, \"x\": 10, \"y\": 20, \"height\": 600, "
       "\"rotation\": 90, \"text\": \"R1\", \"trueType\": 1, \"fontName\": \"Arial\", "
       "\"barWidth\": 3}"},
      {eFillObject, 6, "TPcbFill", "TPCBObject", {"PcbApi_QueryFill"},
       "{\"kind\": \"fill\", \"handle\": 6, \"layer\": 1, \"x\": 0, \"y\": 0, \"x2\": 100, "
       "\"y2\": 100, \"f13\": 2, \"rotation\": 30}"},
      {eConnectionObject, 7, "TPcbFromTo", "TPCBObject", {"PcbApi_QueryFromTo"},
       "{\"kind\": \"fromTo\", \"handle\": 7, \"x\": 1, \"y\": 2, \"f6\": 3, \"x2\": 4, \"y2\": "
       "5, \"f9\": 6, \"net\": 8}"},
      {eNetObject, 8, "TPcbNet", "TPcbGroupObject", {"PcbApi_QueryNet"},
       "{\"kind\": \"net\", \"handle\": 8, \"name\": \"GND\", \"colour\": 255, \"visible\": 1}"},
      {eComponentObject, 9, "TPcbComponent", "TPcbGroupObject",
       {"PcbApi_QueryComponentChannelOffset", "PcbApi_QueryComponentKind", "PcbApi_QueryComponent",
        "PcbApi_QueryComponentEx", "PcbApi_QueryComponentSourceLinks",
        "PcbApi_QueryDefaultPCB3DModel"},
       "{\"kind\": \"component\", \"handle\": 9, \"layer\": 32, \"x\": 7, \"y\": 8, \"rotation\": "
       "180, \"nameText\": 5, \"pattern\": \"0603\", \"sourceDesignator\": \"R1\", "
       "\"hierarchicalPath\": \"/top\", \"f10\": 3, \"modelName\": \"r.step\", "
       "\"componentKind\": 2, \"channelOffset\": 4}"},
      {ePolyObject, 10, "TPcbPolygon", "TPcbGroupObject", {"PcbApi_QueryPolygon"},
       "{\"kind\": \"polygon\", \"handle\": 10, \"layer\": 1, \"net\": 8, \"hatchStyle\": 2, "
       "\"name\": \"Pour\", \"vertexCount\": 3, \"vertices\": [[0, 0], [100, 0], [0, 100]]}"},
      {eRegionObject, 11, "TPCBRegion", "TPCBObject", {"PcbApi_QueryRegion"},
       "{\"kind\": \"region\", \"handle\": 11, \"layer\": 1, \"keepout\": 1, \"vertexCount\": 3, "
       "\"vertices\": [[0, 0], [10, 0], [0, 10]]}"},
      {eComponentBodyObject, 12, "TPcbComponentBody", "TPCBObject", {"PcbApi_QueryPrimitive"},
       "{\"kind\": \"componentBody\", \"handle\": 12, \"flags\": 5, \"value16\": 6, \"layer\": "
       "57, \"value32a\": 7, \"value8\": 8, \"value32b\": 9}"},
      {eDimensionObject, 13, "TPcbDimension", "TPcbGroupObject",
       {"PcbApi_QueryDimension", "PcbApi_References_Count", "PcbApi_References_At",
        "PcbApi_References_At", "PcbApi_QueryExtDimension"},
       "{\"kind\": \"dimension\", \"handle\": 13, \"layer\": 58, \"x2\": 1000, \"f16\": 0.5, "
       "\"ext5\": 4, \"ext19\": 1.5, \"ext21\": 9, \"references\": [[1, 2, 3, 4], [5, 6, 7, 8]]}"},
      {eCoordinateObject, 14, "TPcbCoordinate", "TPcbGroupObject", {"PcbApi_QueryCoordinate"},
       "{\"kind\": \"coordinate\", \"handle\": 14, \"layer\": 33, \"x\": 1, \"y\": 2, \"size\": "
       "3, \"style\": 1}"},
      {eClassObject, 15, "TPCBObjectClass", "TPCBObject",
       {"PcbApi_QueryClass", "PcbApi_GetMemberFromClassAt", "PcbApi_GetMemberFromClassAt",
        "PcbApi_GetMemberFromClassAt", "PcbApi_GetMemberFromClassAt"},
       "{\"kind\": \"class\", \"handle\": 15, \"name\": \"Power\", \"memberKind\": 1, "
       "\"members\": [\"GND\", \"VCC\", \"+5V\"]}"},
      {eRuleObject, 16, "TPcbRule", "TPCBObject", {"PcbApi_QueryRule"},
       "{\"kind\": \"rule\", \"handle\": 16, \"name\": \"Width\", \"scope2\": \"All\", "
       "\"enabled\": 1, \"f13\": 2, \"f21\": -4, \"f25\": 7}"},
      {eFromToObject, 17, "TPcbManualFromTo", "TPCBObject", {"PcbApi_QueryManualFromTo"},
       "{\"kind\": \"manualFromTo\", \"handle\": 17, \"fromPad\": \"U1-1\", \"toPad\": \"U1-2\", "
       "\"net\": 8, \"f7\": 1}"},
      {eDifferentialPairObject, 18, "TPcbDifferentialPair", "TPCBObject",
       {"PcbApi_QueryPrimitive"},
       "{\"kind\": \"differentialPair\", \"handle\": 18, \"flags\": 2, \"layer\": 1}"},
      {eViolationObject, 19, "TPcbViolation", "TPCBObject", {"PcbApi_QueryViolation"},
       "{\"kind\": \"violation\", \"handle\": 19, \"name\": \"Short\", \"description\": \"A "
       "short\", \"primitive1\": 4, \"primitive2\": 6, \"f7\": 1}"},
      {eEmbeddedObject, 20, "TPcbEmbedded", "TPCBObject", {"PcbApi_QueryEmbedded"},
       "{\"kind\": \"embedded\", \"handle\": 20, \"data\": \"0102fe\"}"},
      {eEmbeddedBoardObject, 21, "TPcbEmbeddedBoard", "TPCBObject", {"PcbApi_QueryEmbeddedBoard"},
       "{\"kind\": \"embeddedBoard\", \"handle\": 21, \"layer\": 1, \"x\": 3, \"y\": 4, "
       "\"rowCount\": 2, \"columnSpacing\": 500, \"f15\": 1}"},
      {eSplitPlaneObject, 22, "TPcbSplitPlane", "TPcbGroupObject", {"PcbApi_QuerySplitPlane"},
       "{\"kind\": \"splitPlane\", \"handle\": 22, \"layer\": 39, \"net\": 8, \"vertexCount\": 3, "
       "\"vertices\": [[0, 0], [10, 0], [10, 10]]}"},
      {eBoardOutlineObject, 26, "TPcbBoardOutline", "TPcbPolygon", {"PcbApi_QueryPolygon"},
       "{\"kind\": \"boardOutline\", \"handle\": 26, \"layer\": 56, \"vertexCount\": 4, "
       "\"vertices\": [[0, 0], [5000, 0], [5000, 3000], [0, 3000]]}"},
  };
}

std::string EveryKindBoard() {
  std::vector<std::string> primitives;
  for (const TKindCase& c : Kinds()) primitives.push_back(c.json);
  return BoardText(primitives);
}

// The calls of one transfer, for the kinds whose list is fixed (the pad's is checked apart).
std::vector<std::string> ExpectedCalls(const TKindCase& c) {
  std::vector<std::string> calls{"PcbApi_GetObjectBitField2", "PcbApi_GetObjectBitField3"};
  calls.insert(calls.end(), c.calls.begin(), c.calls.end());
  return calls;
}

TEST_F(TObjectsTest, AFreshObjectHoldsZerosButItsHandleKindAndConstructorValues) {
  const uint32_t before = CallCount();
  for (const TKindCase& c : Kinds()) {
    SCOPED_TRACE(c.class_name);
    const std::unique_ptr<TPCBObject> object = NewPcbObject(c.kind, 4242);
    ASSERT_TRUE(object);
    EXPECT_STREQ(object->ClassName(), c.class_name);
    EXPECT_TRUE(object->Is(c.parent));
    EXPECT_EQ(object->Handle, 4242u);
    EXPECT_EQ(object->ObjectId, c.kind);
    EXPECT_EQ(object->Layer, c.kind == eEmbeddedBoardObject ? 1u : 0u);
    EXPECT_EQ(object->X | object->Y | object->GetX2() | object->GetY2(), 0);
    EXPECT_EQ(object->Flags | object->Flags2 | object->Flags3 | object->Value16 | object->Value8,
              0);
    EXPECT_EQ(object->Value32a | object->Value32b, 0u);
    EXPECT_EQ(object->GetHoleSize() | object->GetSize() | object->GetWidth() |
                  object->GetRadius() | object->GetExtraValue1() | object->GetTextWidth(),
              0);
    EXPECT_EQ(object->GetRotation(), 0.0);
    EXPECT_EQ(object->GetText(), "");
    if (c.kind != eComponentObject) {
      EXPECT_EQ(object->GetName(), "");
    }
  }
  // Kinds without a class get none; making an object asks the host nothing.
  for (TObjectId kind : {0, 23, 24, 25, 27, 255})
    EXPECT_EQ(NewPcbObject(static_cast<TObjectId>(kind), 1), nullptr);
  EXPECT_EQ(CallCount(), before);
}

TEST_F(TObjectsTest, EachTransferMakesItsCallsInOrder) {
  ASSERT_TRUE(OpenBoardText(EveryKindBoard()));
  for (const TKindCase& c : Kinds()) {
    if (c.kind == ePadObject) continue;
    SCOPED_TRACE(c.class_name);
    const std::unique_ptr<TPCBObject> object = NewPcbObject(c.kind, c.handle);
    Host().trace.clear();
    object->Query(1);
    EXPECT_EQ(CallNames(), ExpectedCalls(c));
  }
}

TEST_F(TObjectsTest, APadTransferReadsAndWritesItsStackLayerByLayer) {
  ASSERT_TRUE(OpenBoardText(EveryKindBoard()));
  TPcbPad pad(2);
  Host().trace.clear();
  ASSERT_EQ(pad.Query(1), 0);
  std::vector<std::string> expected{"PcbApi_GetObjectBitField2", "PcbApi_GetObjectBitField3",
                                    "PcbApi_QueryPad", "PcbApi_QueryPadStackMode"};
  for (int l = 0; l <= 82; ++l) {
    expected.insert(expected.end(),
                    {"PcbApi_QueryPadOrViaShapeOnLayer", "PcbApi_QueryPadOrViaSizeOnLayer",
                     "PcbApi_QueryPadCornerRadiusOnLayer", "PcbApi_QueryPadCRPercentageOnLayer"});
  }
  EXPECT_EQ(CallNames(), expected);
  EXPECT_EQ(pad.TopCRPercent, 20);
  EXPECT_EQ(pad.MidCRPercent, 20);  // the last mid layer's, 31
  EXPECT_EQ(pad.BottomCRPercent, 0);

  // Stack mode 2 sets every layer's shape, size and corner percentage.
  Host().trace.clear();
  ASSERT_EQ(pad.Query(0), 0);
  const auto names = CallNames();
  ASSERT_EQ(names.size(), 4u + 83 * 3);
  EXPECT_EQ(names[4], "PcbApi_SetPadShapeOnLayer");
  EXPECT_EQ(names[5], "PcbApi_SetPadSizeOnLayer");
  EXPECT_EQ(names[6], "PcbApi_SetCRPctOnLayer");

  // Any other mode sets only top, bottom and mid percentages, once per rounded layer.
  pad.StackMode = 1;
  Host().trace.clear();
  pad.Query(0);
  EXPECT_EQ(LinesStarting("PcbApi_SetCRPctOnLayer").size(), 3u * 3);  // layers 1, 2 and 31
  EXPECT_EQ(LinesStarting("PcbApi_SetCRPctOnLayer(2, 1, 20)").size(), 3u);
  EXPECT_TRUE(LinesStarting("PcbApi_SetPadSizeOnLayer").empty());
}

TEST_F(TObjectsTest, WritingBackWhatWasReadLeavesEveryRecordAsItWas) {
  ASSERT_TRUE(OpenBoardText(EveryKindBoard()));
  const std::string before = SavedBoard();
  for (const TKindCase& c : Kinds()) {
    SCOPED_TRACE(c.class_name);
    const std::unique_ptr<TPCBObject> object = CreatePcbObject(c.handle);
    ASSERT_TRUE(object);
    EXPECT_EQ(object->ObjectId, c.kind);
    Host().trace.clear();
    object->Query(0);
    EXPECT_EQ(SavedBoard(), before);
    for (const std::string& line : Host().trace) {
      if (line.rfind("PcbApi_", 0) != 0) continue;  // the stand-in's notes on brackets
      // No field changed; a class's members are always removed and added back.
      if (line.find("MembersFromClass") == std::string::npos &&
          line.find("MemberToClass") == std::string::npos) {
        EXPECT_EQ(line.find(" ["), std::string::npos) << line;
      }
      EXPECT_NE(line.find(") = 0"), std::string::npos) << line;
    }
  }
}

TEST_F(TObjectsTest, ReadValuesReachTheGetters) {
  ASSERT_TRUE(OpenBoardText(EveryKindBoard()));
  const auto pad = CreatePcbObject(2);
  EXPECT_EQ(pad->GetHoleSize(), 30);
  EXPECT_EQ(pad->GetName(), "A1");
  EXPECT_EQ(pad->GetRotation(), 45.0);
  EXPECT_TRUE(pad->GetByteFlag2());
  EXPECT_EQ(pad->GetLegacyLayer(), 74);
  EXPECT_EQ(pad->GetSize2OnLayer(1), 100);
  EXPECT_EQ(pad->GetShapeOnLayer(74), 2);
  EXPECT_EQ(pad->GetWidthOnLayer(1), 40);
  EXPECT_EQ(static_cast<TPcbPad&>(*pad).GetCornerRadiusOnLayer(1), 5);
  const auto via = CreatePcbObject(3);
  EXPECT_EQ(via->GetHoleSize(), 30);
  EXPECT_EQ(via->GetSize2(), 60);
  EXPECT_EQ(via->GetSizeOnLayer(7), 60);  // asked of the host, whatever the layer
  EXPECT_EQ(via->GetShapeOnLayer(7), 1);
  EXPECT_EQ(via->GetViaValue13(), 4);
  EXPECT_TRUE(via->GetByteFlag2());
  const auto track = CreatePcbObject(4);
  EXPECT_EQ(track->GetX2(), 100);
  EXPECT_EQ(track->GetWidth(), 10);
  EXPECT_EQ(track->GetWidthOnLayer(32), 10);
  EXPECT_EQ(track->GetWidthOnLayer(1), 0);  // not its layer
  EXPECT_EQ(track->GetExtraValue3(), -3);
  EXPECT_EQ(track->GetBoundingRight(), 105);
  const auto arc = CreatePcbObject(1);
  EXPECT_EQ(arc->GetRadius(), 100);
  EXPECT_EQ(arc->GetStartAngle(), 10.5);
  EXPECT_EQ(arc->GetExtraValue1(), 8);
  EXPECT_TRUE(arc->GetFlags3Either());
  EXPECT_TRUE(arc->GetFlags2Bit01());
  EXPECT_TRUE(arc->GetFlags2Bit02());
  const auto text = CreatePcbObject(5);
  EXPECT_EQ(text->GetText(), "R1");
  EXPECT_EQ(static_cast<TPcbText&>(*text).GetDisplayText(), "R1");
  EXPECT_EQ(text->GetSize(), 600);
  const auto from_to = CreatePcbObject(7);
  EXPECT_EQ(from_to->GetX2(), 4);
  EXPECT_EQ(from_to->GetFromToValue9(), 6);
  EXPECT_EQ(CreatePcbObject(8)->GetName(), "GND");
  // A component's text is its name primitive's; GetObjectText answers for texts only.
  EXPECT_EQ(CreatePcbObject(9)->GetName(), "R1");
  EXPECT_EQ(CreatePcbObject(9)->GetLegacyLayer(), 32);
  EXPECT_EQ(GetObjectText(5), "R1");
  EXPECT_EQ(GetObjectText(8), "");
  const uint32_t before = CallCount();
  EXPECT_EQ(GetObjectText(0), "");
  EXPECT_EQ(CallCount(), before);
  EXPECT_EQ(CreatePcbObject(21)->GetTextOption(), 1);
  const auto dimension = CreatePcbObject(13);
  EXPECT_EQ(static_cast<TPcbDimension&>(*dimension).References.size(), 2u);
  EXPECT_EQ(static_cast<TPcbDimension&>(*dimension).References[1][3], 8);
  const auto embedded = CreatePcbObject(20);
  EXPECT_EQ(static_cast<TPcbEmbedded&>(*embedded).Length, 3u);
  EXPECT_EQ(static_cast<TPcbEmbedded&>(*embedded).Buffer[2], 0xFE);
}

TEST_F(TObjectsTest, CornersAndAxisEndsOfTheObjects) {
  TPcbFill fill(1);
  fill.X2 = 100;
  fill.Y2 = 100;
  EXPECT_EQ(fill.GetCorner1X(0), 0);
  EXPECT_EQ(fill.GetCorner1Y(0), 0);
  EXPECT_EQ(fill.GetCorner4X(0), 100);
  EXPECT_EQ(fill.GetCorner4Y(0), 100);
  TPcbTrack track(2);
  track.X2 = 100;
  const TCoord corners[] = {track.GetCorner1X(0), track.GetCorner1Y(0), track.GetCorner2X(0),
                            track.GetCorner2Y(0), track.GetCorner3X(0), track.GetCorner3Y(0),
                            track.GetCorner4X(0), track.GetCorner4Y(0)};
  EXPECT_EQ(std::vector<TCoord>(std::begin(corners), std::end(corners)),
            (std::vector<TCoord>{0, 0, 100, 0, 0, 0, 100, 0}));
  // Per layer, only on the object's own layer.
  track.Layer = 32;
  EXPECT_EQ(track.GetCorner2XOnLayer(32, 0), 100);
  EXPECT_EQ(track.GetCorner2XOnLayer(1, 0), 0);
  EXPECT_EQ(track.GetX2OnLayer(32), 100);

  TPcbPad pad(3);
  pad.X = pad.Y = 1000;
  pad.XSize[1] = 100;
  pad.YSize[1] = 40;
  pad.XSize[2] = pad.YSize[2] = 60;
  EXPECT_EQ(pad.GetXOnLayer(1), 970);
  EXPECT_EQ(pad.GetYOnLayer(1), 1000);
  EXPECT_EQ(pad.GetX2OnLayer(1), 1030);
  EXPECT_EQ(pad.GetY2OnLayer(1), 1000);
  EXPECT_EQ(pad.GetXOnLayer(2), 1000);  // round: both ends at the location
  EXPECT_EQ(pad.GetY2OnLayer(2), 1000);
  EXPECT_EQ(pad.GetCorner1XOnLayer(1, 0), 950);
  EXPECT_EQ(pad.GetCorner4YOnLayer(1, 0), 1020);
  // A height of zero with the margin: a defined, flat box.
  EXPECT_EQ(pad.GetCorner1XOnLayer(1, -20), 970);
  EXPECT_EQ(pad.GetCorner1YOnLayer(1, -20), 1000);
  // Layers beyond the stack give 0 rather than reading past it.
  EXPECT_EQ(pad.GetSize2OnLayer(83), 0);
  EXPECT_EQ(pad.GetCorner3XOnLayer(255, 5), 0);
  EXPECT_EQ(pad.GetX2OnLayer(200), 0);

  // Moving moves the second point of tracks and fills only.
  track.MoveBy(5, -5);
  EXPECT_EQ(track.X, 5);
  EXPECT_EQ(track.GetX2(), 105);
  EXPECT_EQ(track.GetY2(), -5);
  TPcbVia via(4);
  via.MoveBy(kMaxCoord, 1);
  via.MoveBy(1, 0);  // wraps as the host's 32-bit field does
  EXPECT_EQ(via.X, kMinCoord);
}

TEST_F(TObjectsTest, TextsAreCutToWhatTheirRecordHolds) {
  const std::string long_text(300, 'x');
  TPcbPad pad(1);
  pad.SetName(long_text);
  EXPECT_EQ(pad.GetName(), std::string(20, 'x'));
  TPcbText text(2);
  text.SetText(long_text);
  EXPECT_EQ(text.GetText().size(), 254u);
  TPcbNet net(3);
  net.SetName(long_text);
  EXPECT_EQ(net.GetName().size(), 255u);
  TPCBObject plain(4);
  plain.SetText(long_text);  // no text field: nothing happens
  EXPECT_EQ(plain.GetText(), "");

  // Written back, the cut text reaches the host's record as it is.
  ASSERT_TRUE(OpenBoardText(EveryKindBoard()));
  const auto pad_object = CreatePcbObject(2);
  pad_object->SetName(long_text);
  ASSERT_EQ(pad_object->Query(0), 0);
  EXPECT_NE(SavedBoard().find("\"f21\": \"" + std::string(20, 'x') + "\""), std::string::npos);
  // A display text of 255 characters comes back cut to 254.
  TRecordText full{};
  StoreText(full, std::string(255, 'z'));
  uint16_t flags = 0, value16 = 0;
  uint32_t layer = 0, a = 0, b = 0;
  uint8_t value8 = 0, mirrored = 0;
  int32_t x = 0, y = 0, h = 0, w = 0, f16 = 0, f17 = 0, f18 = 0;
  double rotation = 0;
  ASSERT_EQ(PcbApi_QueryText(1, 5, &flags, &value16, &layer, &a, &value8, &b, &x, &y, &h, &w,
                             &rotation, &mirrored, &full, &f16, &f17, &f18),
            0);
  StoreText(full, std::string(255, 'z'));
  ASSERT_EQ(PcbApi_QueryText(0, 5, &flags, &value16, &layer, &a, &value8, &b, &x, &y, &h, &w,
                             &rotation, &mirrored, &full, &f16, &f17, &f18),
            0);
  TPcbText shown(5);
  shown.Query(1);
  EXPECT_EQ(shown.GetText().size(), 255u);
  EXPECT_EQ(shown.GetDisplayText().size(), 254u);
}

TEST_F(TObjectsTest, FlagsThatWriteBackAtOnce) {
  ASSERT_TRUE(OpenBoardText(EveryKindBoard()));
  auto track = CreatePcbObject(4);
  track->SetFlag0010(true);  // changes the object only
  EXPECT_EQ(SavedBoard().find("\"flags\": 16"), std::string::npos);
  track->SetFlag0008(true);  // writes the whole object back
  EXPECT_NE(SavedBoard().find("\"kind\": \"track\", \"handle\": 4, \"flags\": 24"),
            std::string::npos);
  EXPECT_TRUE(track->GetNotFlag0100());
  track->SetNotFlag0100(false);
  EXPECT_NE(SavedBoard().find("\"flags\": 280"), std::string::npos);
  EXPECT_FALSE(track->GetNotFlag0100());
}

TEST_F(TObjectsTest, ClassMembersAreReadInIndexOrderAndWrittenBackAfterRemovingAll) {
  ASSERT_TRUE(OpenBoardText(EveryKindBoard()));
  TPCBObjectClass object_class(15);
  EXPECT_EQ(object_class.Query(1), 1);  // a read ends with the host's end of the list
  EXPECT_EQ(object_class.Members, (std::vector<std::string>{"GND", "VCC", "+5V"}));
  object_class.Members = {"VCC", "GND", std::string(300, 'n')};
  Host().trace.clear();
  EXPECT_EQ(object_class.Query(0), 0);
  EXPECT_EQ(CallNames(),
            (std::vector<std::string>{"PcbApi_GetObjectBitField2", "PcbApi_GetObjectBitField3",
                                      "PcbApi_QueryClass", "PcbApi_RemoveAllMembersFromClass",
                                      "PcbApi_AddMemberToClass", "PcbApi_AddMemberToClass",
                                      "PcbApi_AddMemberToClass"}));
  EXPECT_NE(SavedBoard().find("\"members\": [\"VCC\", \"GND\", \"" + std::string(255, 'n')),
            std::string::npos);
  // Flag 2 writes too.
  object_class.Members.clear();
  EXPECT_EQ(object_class.Query(2), 0);
  EXPECT_EQ(SavedBoard().find("\"members\""), std::string::npos);
}

TEST_F(TObjectsTest, AFailingRecordCallLeavesTheFieldsAsTheyWere) {
  ASSERT_TRUE(OpenBoardText(EveryKindBoard()));
  TPcbTrack track(4);
  track.X2 = 77;
  FailCall("PcbApi_QueryTrack", 5);
  EXPECT_EQ(track.Query(1), 5);
  EXPECT_EQ(track.X2, 77);
  // A via on a layer the legacy numbers cannot hold keeps it when the record call fails.
  TPcbVia via(3);
  via.Layer = SignalLayer(40);
  FailCall("PcbApi_QueryVia", 5);
  EXPECT_EQ(via.Query(1), 5);
  EXPECT_EQ(via.Layer, SignalLayer(40));
  // A class whose member list breaks off keeps the members it had.
  TPCBObjectClass object_class(15);
  object_class.Members = {"old"};
  FailCall("PcbApi_GetMemberFromClassAt", 7, 2);
  EXPECT_EQ(object_class.Query(1), 7);
  EXPECT_EQ(object_class.Members, std::vector<std::string>{"old"});
  // A dimension whose count cannot be read keeps its references.
  TPcbDimension dimension(13);
  dimension.References = {{9, 9, 9, 9}};
  FailCall("PcbApi_References_Count", 3);
  dimension.Query(1);
  EXPECT_EQ(dimension.References, (std::vector<TPcbDimension::TReference>{{9, 9, 9, 9}}));
  // An embedded length beyond the buffer is refused before the host sees it.
  TPcbEmbedded embedded(20);
  embedded.Length = 5000;
  Host().trace.clear();
  EXPECT_NE(embedded.Query(0), 0);
  EXPECT_TRUE(LinesStarting("PcbApi_QueryEmbedded").empty());
  EXPECT_NE(SavedBoard().find("\"data\": \"0102fe\""), std::string::npos);
}

TEST_F(TObjectsTest, StatusesOfTheTransfersOfSeveralRecords) {
  ASSERT_TRUE(OpenBoardText(EveryKindBoard()));
  TPcbText text(5);
  EXPECT_EQ(text.Query(1), 0);
  FailCall("PcbApi_QueryTrueTypeTextInfo", 4, 1);
  EXPECT_EQ(text.Query(1), 4);  // the TrueType call's status...
  FailCall("PcbApi_QueryBarCodeTextInfo", 1, 1);
  EXPECT_EQ(text.Query(1), 1);  // ...unless the bar-code call answers 1
  FailCall("PcbApi_QueryText", 6, 1);
  EXPECT_EQ(text.Query(1), 0);  // the text record's own status is not the result
  TPcbDimension dimension(13);
  FailCall("PcbApi_QueryDimension", 3, 1);
  FailCall("PcbApi_QueryExtDimension", 5, 1);
  EXPECT_EQ(dimension.Query(1), 3 & 5);
  TPcbComponent component(9);
  FailCall("PcbApi_QueryComponentEx", 9, 1);
  EXPECT_EQ(component.Query(1), 0);  // the component record's status
  FailCall("PcbApi_QueryComponent", 8, 1);
  EXPECT_EQ(component.Query(1), 8);
}

TEST_F(TObjectsTest, AMissingExportGivesItsDefaultAndTouchesNothing) {
  ASSERT_TRUE(OpenBoardText(EveryKindBoard()));
  ASSERT_TRUE(RemoveExport("PcbApi_QueryManualFromTo"));
  ASSERT_TRUE(RemoveExport("PcbApi_GetMemberFromClassAt"));
  TPcbManualFromTo manual(17);
  manual.Net = 3;
  EXPECT_EQ(manual.Query(1), 1);  // a missing manual from-to reads as a failure
  EXPECT_EQ(manual.Net, 3u);
  TPCBObjectClass object_class(15);
  EXPECT_EQ(object_class.Query(1), 1);  // ends at once
  EXPECT_TRUE(object_class.Members.empty());
}

TEST_F(TObjectsTest, ALayerOfNoKnownKindRaisesTheLayerAssertionCaughtAtTheHostBoundary) {
  ASSERT_TRUE(OpenBoardText(BoardText(
      {"{\"kind\": \"pad\", \"handle\": 1, \"layer\": 33554437, \"x\": 0, \"y\": 0, "
       "\"holeSize\": 10}"})));
  const auto pad = CreatePcbObject(1);  // the pad reads its layer as an id: no mapping yet
  ASSERT_TRUE(pad);
  EXPECT_EQ(pad->Layer, 0x02000005u);
  EXPECT_THROW(pad->GetLegacyLayer(), EAssertionFailed);
  EXPECT_EQ(HostGuard([&] { pad->GetLegacyLayer(); }), static_cast<HRESULT>(0x8000FFFF));
  TPcbVia via(2);
  via.Layer = 0x02000005;
  EXPECT_EQ(HostGuard([&] { via.Query(0); }), static_cast<HRESULT>(0x8000FFFF));
}

}  // namespace
}  // namespace pcbtest
