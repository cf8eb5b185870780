#include "pcb/pcb_api_binding.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "pcb/pcb_api_wrappers.h"
#include "tests/win/support/pcb_test_host.h"

namespace pcbtest {
namespace {

using TBindingTest = PcbTest;

TEST_F(TBindingTest, WithTheModuleAbsentEveryWrapperDefaultsAndALaterCallBinds) {
  UnloadDralith();
  ResetPcbApiBinding();
  ASSERT_FALSE(DralithLoaded());
  EXPECT_EQ(PcbApi_GetCurrentEditorWindow(), 0u);
  EXPECT_EQ(PcbApi_GetCurrentBoardHandle(), 0u);
  EXPECT_EQ(PcbApi_QueryBoardLayerPairsCount(1, nullptr, 1), 1);
  EXPECT_EQ(PcbApiModule, nullptr);
  EXPECT_EQ(PcbApiEntry(TPcbApiSlot::PcbApi_QueryPad), nullptr);

  // The host loads its PCB module after the plug-in: the next call finds it.
  ASSERT_TRUE(LoadDralith());
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(7, 1000)})));
  EXPECT_NE(PcbApi_GetCurrentBoardHandle(), 0u);
  EXPECT_EQ(PcbApiModule, GetModuleHandleW(L"Dralith.dll"));
}

TEST_F(TBindingTest, EveryCalledExportIsFoundUnderItsName) {
  EnsurePcbApiBound();
  for (const char* name :
       {"PcbApi_QueryPad", "PcbApi_QueryVia", "PcbApi_QueryBoard", "PcbApi_CreateIterator",
        "PcbApi_GetObjectBitField3", "PcbApi_GetDesignatorDisplayString",
        "PcbApi_QueryBoardPrinterOptionsCompositeLayer", "PcbApi_QueryDefaultPCB3DModel"}) {
    int slot = -1;
    for (int i = 0; i < kPcbApiNameCount; ++i) {
      if (std::strcmp(kPcbApiNames[i], name) == 0) slot = i;
    }
    ASSERT_GE(slot, 0) << name;
    EXPECT_NE(PcbApiEntry(static_cast<TPcbApiSlot>(slot)), nullptr) << name;
  }
}

TEST_F(TBindingTest, TheNameTableHolds278DistinctNames) {
  for (int i = 0; i < kPcbApiNameCount; ++i) {
    for (int j = 0; j < i; ++j) EXPECT_STRNE(kPcbApiNames[i], kPcbApiNames[j]);
  }
  EXPECT_STREQ(kPcbApiNames[static_cast<int>(TPcbApiSlot::PcbApi_QueryPad)], "PcbApi_QueryPad");
  EXPECT_STREQ(
      kPcbApiNames[static_cast<int>(TPcbApiSlot::PCBAPI_CheckPrimitivesOverlapWithClearance)],
      "PCBAPI_CheckPrimitivesOverlapWithClearance");
}

struct TMissingExport {
  const char* name;
  int32_t expected;
  int32_t (*call)();
};

uint32_t g_board = 0;
int32_t CallSplitPlaneMode() {
  uint8_t mode = 7;
  return PcbApi_QueryBoardSplitPlaneMode(1, g_board, &mode);
}
int32_t CallPairsCount() {
  uint32_t count = 5;
  return PcbApi_QueryBoardLayerPairsCount(g_board, &count, 1);
}
int32_t CallManualFromTo() {
  uint16_t flags = 0;
  TRecordText a{}, b{};
  uint32_t net = 0;
  uint8_t v = 0;
  return PcbApi_QueryManualFromTo(1, 1, &flags, &a, &b, &net, &v);
}
int32_t CallAddMember() {
  TRecordText name{};
  return PcbApi_AddMemberToClass(1, &name);
}
int32_t CallMemberAt() {
  TRecordText name{};
  return PcbApi_GetMemberFromClassAt(1, 0, &name);
}
int32_t CallRemoveMembers() { return PcbApi_RemoveAllMembersFromClass(1); }
int32_t CallBoardRecord() {
  uint32_t f3 = 0, layer = 0, f12 = 0;
  TRecordText f4{};
  uint8_t f5 = 0, unit = 9;
  int32_t f6 = 0, f7 = 0, f8 = 0, f9 = 0;
  return PcbApi_QueryBoard(1, g_board, &f3, &f4, &f5, &f6, &f7, &f8, &f9, &unit, &layer, &f12);
}
int32_t CallVia() {
  uint16_t a = 0, b = 0;
  uint8_t layer = 0, v8 = 0, f13 = 0, f14 = 0, f15 = 0, f16 = 0;
  uint32_t c = 0, d = 0;
  int32_t x = 0, y = 0, size = 0, hole = 0;
  return PcbApi_QueryVia(1, 1, &a, &b, &layer, &c, &v8, &d, &x, &y, &size, &hole, &f13, &f14, &f15,
                         &f16);
}

// Six exports read as a failure when missing, every other one as a success.
TEST_F(TBindingTest, AMissingExportGivesItsWrapperDefault) {
  const TMissingExport cases[] = {
      {"PcbApi_QueryBoardSplitPlaneMode", 1, CallSplitPlaneMode},
      {"PcbApi_QueryBoardLayerPairsCount", 1, CallPairsCount},
      {"PcbApi_QueryManualFromTo", 1, CallManualFromTo},
      {"PcbApi_AddMemberToClass", 1, CallAddMember},
      {"PcbApi_GetMemberFromClassAt", 1, CallMemberAt},
      {"PcbApi_RemoveAllMembersFromClass", 1, CallRemoveMembers},
      {"PcbApi_QueryBoard", 0, CallBoardRecord},
      {"PcbApi_QueryVia", 0, CallVia},
  };
  ASSERT_TRUE(OpenBoardText(BoardText({})));
  for (const TMissingExport& c : cases) {
    SCOPED_TRACE(c.name);
    ResetPcbApiBinding();
    RestoreExports();
    ASSERT_TRUE(RemoveExport(c.name));
    g_board = PcbApi_GetCurrentBoardHandle();
    Host().trace.clear();
    EXPECT_EQ(c.call(), c.expected);
    EXPECT_TRUE(LinesStarting(c.name).empty()) << "the missing export was called";
  }
}

TEST_F(TBindingTest, AMissingPadQueryLeavesTheCallersVariablesAsTheyWere) {
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(3, 5000)})));
  ASSERT_TRUE(RemoveExport("PcbApi_QueryPad"));
  int32_t hole = 4242;
  uint32_t layer = 99;
  uint16_t a = 1, b = 2;
  uint32_t c = 3, d = 4, f27 = 5, f31 = 6, f33 = 7, f34 = 8, f35 = 9;
  uint8_t v8 = 10, f18 = 0, f19 = 0, f20 = 0, f22 = 0, f23 = 0, f29 = 0, f30 = 0, f36 = 0, f37 = 0;
  int32_t x = 11, y = 12, f11 = 0, f12 = 0, f13 = 0, f14 = 0, f15 = 0, f16 = 0;
  TRecordText20 f21{}, f25{}, f26{}, f28{};
  double rotation = 1.5;
  int64_t f32 = 13;
  EXPECT_EQ(PcbApi_QueryPad(1, 3, &a, &b, &layer, &c, &v8, &d, &x, &y, &f11, &f12, &f13, &f14, &f15,
                            &f16, &hole, &f18, &f19, &f20, &f21, &f22, &f23, &rotation, &f25, &f26,
                            &f27, &f28, &f29, &f30, &f31, &f32, &f33, &f34, &f35, &f36, &f37),
            0);
  EXPECT_EQ(hole, 4242);
  EXPECT_EQ(layer, 99u);
  EXPECT_EQ(x, 11);
  EXPECT_EQ(rotation, 1.5);
}

TEST_F(TBindingTest, TheDisplayStringIsEmptiedFirstAndCutTo254Characters) {
  const std::string long_text(255, 'q');
  ASSERT_TRUE(OpenBoardText(BoardText(
      {"{\"kind\": \"text\", \"handle\": 5, \"x\": 0, \"y\": 0, \"text\": \"" + long_text + "\"}",
       "{\"kind\": \"text\", \"handle\": 6, \"x\": 0, \"y\": 0, \"text\": \"R12\"}"})));
  TRecordText text{};
  PcbApi_GetDesignatorDisplayString(5, &text);
  EXPECT_EQ(text.Length, 254);
  EXPECT_EQ(std::string(text.Chars, text.Length), long_text.substr(0, 254));
  PcbApi_GetDesignatorDisplayString(6, &text);
  EXPECT_EQ(std::string(text.Chars, text.Length), "R12");

  ASSERT_TRUE(RemoveExport("PcbApi_GetDesignatorDisplayString"));
  ResetPcbApiBinding();
  text.Length = 3;
  PcbApi_GetDesignatorDisplayString(6, &text);
  EXPECT_EQ(text.Length, 0);
}

TEST_F(TBindingTest, TheDefault3DModelQueryDoesNotBindByItself) {
  ResetPcbApiBinding();
  TRecordText model{};
  EXPECT_EQ(PcbApi_QueryDefaultPCB3DModel(1, 1, &model), 0);
  EXPECT_EQ(PcbApiModule, nullptr);
  EnsurePcbApiBound();
  EXPECT_NE(PcbApiModule, nullptr);
}

TEST_F(TBindingTest, DocumentsDecideTheEditorWindowAndTheBoard) {
  ASSERT_TRUE(OpenBoardText(BoardText({})));
  SetDocumentKind(0);
  EXPECT_EQ(PcbApi_GetCurrentEditorWindow(), 0u);
  EXPECT_EQ(PcbApi_GetCurrentBoardHandle(), 0u);
  SetDocumentKind(1);
  EXPECT_NE(PcbApi_GetCurrentEditorWindow(), 0u);
  EXPECT_EQ(PcbApi_GetCurrentBoardHandle(), 0u);
  SetDocumentKind(2);
  EXPECT_NE(PcbApi_GetCurrentEditorWindow(), 0u);
  EXPECT_NE(PcbApi_GetCurrentBoardHandle(), 0u);
}

}  // namespace
}  // namespace pcbtest
