// The kinds of board primitive the stand-in PCB editor keeps beyond pads and vias: their place in
// the board file and the records and lists its exports serve in both directions.

#include <gtest/gtest.h>

#include <string>

#include "pcb/pcb_api_wrappers.h"
#include "pcb/pcb_text.h"
#include "tests/win/support/pcb_test_host.h"

namespace pcbtest {
namespace {

using TBoardKindsTest = PcbTest;

// One primitive of every kind the model holds, each with fields, lists and all, in canonical form.
std::vector<std::string> EveryKind() {
  return {
      "{\"kind\": \"fromTo\", \"handle\": 11, \"flags\": 1, \"x\": 5, \"y\": 6, \"x2\": 7, "
      "\"y2\": 8, \"f9\": 2, \"net\": 20}",
      "{\"kind\": \"manualFromTo\", \"handle\": 12, \"fromPad\": \"U1-1\", \"toPad\": \"U2-3\", "
      "\"net\": 20}",
      "{\"kind\": \"componentBody\", \"handle\": 13, \"layer\": 57, \"value32a\": 9}",
      "{\"kind\": \"differentialPair\", \"handle\": 14, \"flags\": 4}",
      "{\"kind\": \"embeddedBoard\", \"handle\": 15, \"layer\": 1, \"x\": 100, \"y\": 200, "
      "\"rowCount\": 2, \"columnCount\": 3, \"f15\": 1}",
      "{\"kind\": \"rule\", \"handle\": 16, \"name\": \"Clearance\", \"scope1\": \"All\", "
      "\"enabled\": 1, \"f14\": 100000, \"f25\": 7}",
      "{\"kind\": \"violation\", \"handle\": 17, \"name\": \"Short\", \"primitive1\": 11, "
      "\"primitive2\": 12}",
      "{\"kind\": \"class\", \"handle\": 18, \"name\": \"Power\", \"memberKind\": 1, "
      "\"members\": [\"GND\", \"VCC\", \"+5V\"]}",
      "{\"kind\": \"embedded\", \"handle\": 19, \"data\": \"00ff10\"}",
      "{\"kind\": \"net\", \"handle\": 20, \"name\": \"GND\"}",
      "{\"kind\": \"coordinate\", \"handle\": 21, \"layer\": 33, \"x\": 1, \"y\": 2, \"size\": "
      "3, \"style\": 1}",
      "{\"kind\": \"dimension\", \"handle\": 22, \"layer\": 58, \"x2\": "
      "1000, \"f16\": 0.5, \"ext3\": -4, \"ext19\": 2.25, \"references\": [[1, 2, 3, 4], [-5, "
      "6, 7, 8]]}",
      "{\"kind\": \"splitPlane\", \"handle\": 23, \"layer\": 39, \"net\": 20, \"vertexCount\": "
      "3, \"vertices\": [[0, 0], [10, 0], [10, 10]]}",
      "{\"kind\": \"boardOutline\", \"handle\": 24, \"layer\": 56, \"vertexCount\": 4, "
      "\"vertices\": [[0, 0], [5000, 0], [5000, 3000], [0, 3000]]}",
      "{\"kind\": \"region\", \"handle\": 25, \"layer\": 1, \"net\": 20, \"vertexCount\": 3, "
      "\"vertices\": [[0, 0], [-10, 0], [0, -10]]}",
  };
}

TEST_F(TBoardKindsTest, EveryKindLoadsAndSavesToTheSameBytes) {
  const std::string canonical = BoardText(EveryKind());
  std::string error;
  ASSERT_TRUE(OpenBoardText(canonical, &error)) << error;
  EXPECT_EQ(SavedBoard(), canonical);
  const std::pair<uint32_t, uint8_t> kinds[] = {{11, 7},  {12, 17}, {13, 12}, {14, 18}, {15, 21},
                                                {16, 16}, {17, 19}, {18, 15}, {19, 20}, {21, 14},
                                                {22, 13}, {23, 22}, {24, 26}, {25, 11}};
  for (const auto& [handle, kind] : kinds) EXPECT_EQ(PcbApi_GetObjectIdFromObjectHandle(handle), kind);
}

TEST_F(TBoardKindsTest, RefusedListsNameTheLineAndField) {
  struct TCase {
    std::string primitive;
    std::string error;
  };
  const TCase cases[] = {
      {"{\"kind\": \"region\", \"handle\": 1, \"vertexCount\": 2, \"vertices\": [[0, 0]]}",
       "primitives[0].vertices: vertexCount 2 does not match the 1 vertices"},
      {"{\"kind\": \"polygon\", \"handle\": 1, \"vertices\": [[0, 0, 1]]}",
       "primitives[0].vertices[0]: expected [x, y]"},
      {"{\"kind\": \"class\", \"handle\": 1, \"members\": [\"" + std::string(256, 'm') + "\"]}",
       "primitives[0].members[0]: text longer than 255 characters"},
      {"{\"kind\": \"embedded\", \"handle\": 1, \"data\": \"" + std::string(8194, 'a') + "\"}",
       "primitives[0].data: more than 4096 bytes"},
      {"{\"kind\": \"embedded\", \"handle\": 1, \"data\": \"0g\"}",
       "primitives[0].data: expected lower-case hexadecimal digits"},
      {"{\"kind\": \"dimension\", \"handle\": 1, \"references\": [[1, 2, 3]]}",
       "primitives[0].references[0]: expected [f4, f5, f6, f7]"},
      {"{\"kind\": \"track\", \"handle\": 1, \"x\": 0, \"y\": 0, \"members\": []}",
       "primitives[0].members: unknown field"},
      {"{\"kind\": \"sprocket\", \"handle\": 1}", "primitives[0].kind: expected one of \"arc\""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.primitive.substr(0, 80));
    std::string error;
    EXPECT_FALSE(OpenBoardText(BoardText({c.primitive}), &error));
    EXPECT_NE(error.find(":10: " + c.error), std::string::npos) << error;
  }
}

TEST_F(TBoardKindsTest, AnOmittedVertexCountFollowsTheVertices) {
  ASSERT_TRUE(OpenBoardText(BoardText(
      {"{\"kind\": \"polygon\", \"handle\": 1, \"vertices\": [[0, 0], [1, 0], [1, 1]]}"})));
  EXPECT_NE(SavedBoard().find("\"vertexCount\": 3, \"vertices\""), std::string::npos);
}

TEST_F(TBoardKindsTest, ClassMembersAreListedInOrderAndReplacedByRemoveAndAdd) {
  ASSERT_TRUE(OpenBoardText(BoardText(EveryKind())));
  TRecordText name{};
  std::vector<std::string> members;
  uint32_t index = 0;
  while (PcbApi_GetMemberFromClassAt(18, index++, &name) == 0) members.push_back(TextOf(name));
  EXPECT_EQ(members, (std::vector<std::string>{"GND", "VCC", "+5V"}));
  EXPECT_EQ(PcbApi_RemoveAllMembersFromClass(18), 0);
  SetText(name, "AGND");
  EXPECT_EQ(PcbApi_AddMemberToClass(18, &name), 0);
  EXPECT_NE(SavedBoard().find("\"members\": [\"AGND\"]"), std::string::npos);
  // The list change is one undo step like any record write.
  EXPECT_TRUE(Undo());
  EXPECT_TRUE(Undo());
  EXPECT_NE(SavedBoard().find("\"members\": [\"GND\", \"VCC\", \"+5V\"]"), std::string::npos);
  // Not a class: refused, as is every index past the end.
  EXPECT_EQ(PcbApi_AddMemberToClass(20, &name), 1);
  EXPECT_EQ(PcbApi_GetMemberFromClassAt(18, 3, &name), 1);
}

TEST_F(TBoardKindsTest, DimensionReferencesAndEmbeddedBytesGoBothWays) {
  ASSERT_TRUE(OpenBoardText(BoardText(EveryKind())));
  uint32_t count = 0;
  ASSERT_EQ(PcbApi_References_Count(1, 22, &count), 0);
  ASSERT_EQ(count, 2u);
  int32_t r[4] = {};
  ASSERT_EQ(PcbApi_References_At(1, 22, 1, &r[0], &r[1], &r[2], &r[3]), 0);
  EXPECT_EQ(r[0], -5);
  EXPECT_EQ(r[3], 8);
  r[0] = 99;
  EXPECT_EQ(PcbApi_References_At(0, 22, 1, &r[0], &r[1], &r[2], &r[3]), 0);
  EXPECT_EQ(PcbApi_References_At(1, 22, 2, &r[0], &r[1], &r[2], &r[3]), 1);
  EXPECT_NE(SavedBoard().find("[99, 6, 7, 8]"), std::string::npos);

  std::vector<uint8_t> buffer(4096, 0xAA);
  uint32_t length = 0;
  ASSERT_EQ(PcbApi_QueryEmbedded(1, 19, &length, buffer.data()), 0);
  ASSERT_EQ(length, 3u);
  EXPECT_EQ(buffer[1], 0xFF);
  EXPECT_EQ(buffer[3], 0xAA);  // nothing written past the data
  length = 4097;
  EXPECT_EQ(PcbApi_QueryEmbedded(0, 19, &length, buffer.data()), 2);
  length = 2;
  EXPECT_EQ(PcbApi_QueryEmbedded(0, 19, &length, buffer.data()), 0);
  EXPECT_NE(SavedBoard().find("\"data\": \"00ff\""), std::string::npos);
}

TEST_F(TBoardKindsTest, RecordsOfTheNewKindsAreWrittenBackAndUndone) {
  ASSERT_TRUE(OpenBoardText(BoardText(EveryKind())));
  TRecordText name{}, description{};
  uint32_t p1 = 0, p2 = 0;
  uint8_t f7 = 0;
  ASSERT_EQ(PcbApi_QueryViolation(1, 17, &name, &description, &p1, &p2, &f7), 0);
  EXPECT_EQ(TextOf(name), "Short");
  EXPECT_EQ(p2, 12u);
  p2 = 25;
  EXPECT_EQ(PcbApi_QueryViolation(0, 17, &name, &description, &p1, &p2, &f7), 0);
  EXPECT_NE(SavedBoard().find("\"primitive2\": 25"), std::string::npos);
  EXPECT_TRUE(Undo());
  EXPECT_NE(SavedBoard().find("\"primitive2\": 12"), std::string::npos);
  // The record of another kind does not answer for a handle.
  EXPECT_EQ(PcbApi_QueryViolation(1, 16, &name, &description, &p1, &p2, &f7), 1);
  // The common-block query answers for a component body but not for a from-to.
  uint16_t flags = 0, value16 = 0;
  uint32_t layer = 0, a = 0, b = 0;
  uint8_t v8 = 0;
  EXPECT_EQ(PcbApi_QueryPrimitive(1, 13, &flags, &value16, &layer, &a, &b, &v8), 0);
  EXPECT_EQ(layer, 57u);
  EXPECT_EQ(a, 9u);
  EXPECT_EQ(PcbApi_QueryPrimitive(1, 11, &flags, &value16, &layer, &a, &b, &v8), 1);
}

TEST_F(TBoardKindsTest, OutlinesBoundTheirVertices) {
  ASSERT_TRUE(OpenBoardText(BoardText(EveryKind())));
  int32_t left = 0, bottom = 0, right = 0, top = 0;
  ASSERT_EQ(PcbApi_QueryObjectBoundingRectangle(25, &left, &bottom, &right, &top), 0);
  EXPECT_EQ(left, -10);
  EXPECT_EQ(bottom, -10);
  EXPECT_EQ(right, 0);
  EXPECT_EQ(top, 0);
}

}  // namespace
}  // namespace pcbtest
