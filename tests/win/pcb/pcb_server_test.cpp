#include "pcb/pcb_server.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/exceptions.h"
#include "base/scope_guard.h"
#include "frame/slots.h"
#include "pcb/pcb_api_wrappers.h"
#include "pcb/pad_via_records.h"
#include "pcb/pcb_object.h"
#include "tests/win/support/pcb_test_host.h"
#include "tests/win/support/test_client.h"

namespace pcbtest {
namespace {

// The change protocol against the real "PCB" module of Dralith.dll, reached through a client.
class ChangeProtocolTest : public PcbTest {
 protected:
  void SetUp() override {
    PcbTest::SetUp();
    client_.offers_process_launcher = false;
    auto factory = reinterpret_cast<TServerFactoryProc>(DralithProc("ServerFactory"));
    ASSERT_NE(factory, nullptr);
    ASSERT_EQ(factory(&client_, module_.Put()), S_OK);
    client_.named_modules[L"PCB"] = module_.get();
    ClientSlot = &client_;
    ASSERT_TRUE(
        OpenBoardText(BoardText({PadJson(1, 1000), PadJson(2, 1000), ViaJson(3, 500)})));
    Host().trace.clear();
  }
  void TearDown() override {
    ClientSlot = nullptr;
    PcbTest::TearDown();
  }

  // The protocol's calls as the module saw them, without the record reads and writes.
  static std::vector<std::string> Brackets() {
    std::vector<std::string> out;
    for (const std::string& name : CallNames()) {
      if (name.rfind("IPCB_", 0) == 0) out.push_back(name.substr(name.find('.') + 1));
    }
    return out;
  }

  TTestClient client_;
  TComPtr<IServerModule> module_;
};

struct THoleSizeWrite {
  uint32_t Handle;
  TCoord NewSize;
};

// Hole sizes written the way the editor's board writes them: nothing without a PCB server;
// otherwise one process, one modification per non-zero handle around its record's read and write.
bool WriteHoleSizes(const std::vector<THoleSizeWrite>& writes) {
  TComPtr<IPCB_ServerInterface> server;
  GetPcbServerInterface(server);
  if (!server) return false;
  server.reset();
  ProcessStart(RequirePcbServerInterface().get());
  auto end = OnScopeExit([] { ProcessEnd(RequirePcbServerInterface().get()); });
  for (const THoleSizeWrite& write : writes) {
    if (write.Handle == 0) continue;
    ModifyPrimitive(write.Handle, [&write] {
      RewriteHoleSize(write.Handle, PcbApi_GetObjectIdFromObjectHandle(write.Handle), write.NewSize);
    });
  }
  return true;
}

const std::vector<THoleSizeWrite> kThree = {{1, 2000}, {2, 3000}, {3, 700}};

TEST_F(ChangeProtocolTest, TwoPadsAndAViaAreWrittenInsideTheBrackets) {
  const int violations = ProtocolViolations();
  EXPECT_TRUE(WriteHoleSizes(kThree));
  const std::vector<std::string> one = {"GetPrimitiveInterface", "BeginModify",
                                        "PcbApi_GetObjectIdFromObjectHandle"};
  std::vector<std::string> expected = {"IPCB_ServerInterface.ProcessStart"};
  for (const char* record : {"PcbApi_QueryPad", "PcbApi_QueryPad", "PcbApi_QueryVia"}) {
    expected.insert(
        expected.end(),
        {"IPCB_ServerInterface.GetPrimitiveInterface", "IPCB_PrimitiveObject.BeginModify",
         "PcbApi_GetObjectIdFromObjectHandle", record, record, "IPCB_PrimitiveObject.EndModify"});
  }
  expected.push_back("IPCB_ServerInterface.ProcessEnd");
  EXPECT_EQ(CallNames(), expected);
  EXPECT_EQ(ProtocolViolations(), violations);
  // Looked up for the check, for ProcessStart, once per primitive and for ProcessEnd.
  EXPECT_EQ(client_.Calls("GetServerModule"), 6);
  EXPECT_EQ(GetObjectHoleSize(1), 2000);
  EXPECT_EQ(GetObjectHoleSize(2), 3000);
  EXPECT_EQ(GetObjectHoleSize(3), 700);
  // The whole run is one undo step.
  EXPECT_TRUE(Undo());
  EXPECT_EQ(GetObjectHoleSize(1), 1000);
  EXPECT_EQ(GetObjectHoleSize(3), 500);
}

TEST_F(ChangeProtocolTest, WithoutAServerNothingHappensAndNothingIsReported) {
  client_.named_modules.clear();
  EXPECT_FALSE(WriteHoleSizes(kThree));
  ClientSlot = nullptr;
  EXPECT_FALSE(WriteHoleSizes(kThree));
  EXPECT_TRUE(CallNames().empty());
  EXPECT_EQ(GetObjectHoleSize(1), 1000);
}

TEST_F(ChangeProtocolTest, AFailingLookupRaises) {
  client_.failures["GetServerModule"] = E_FAIL;
  EXPECT_THROW(WriteHoleSizes(kThree), EOleError);
  EXPECT_TRUE(CallNames().empty());
}

TEST_F(ChangeProtocolTest, ZeroAndUnknownHandlesAreSkipped) {
  const std::vector<THoleSizeWrite> writes = {{0, 5}, {99, 5}, {2, 3000}};
  EXPECT_TRUE(WriteHoleSizes(writes));
  EXPECT_EQ(Brackets(), (std::vector<std::string>{"ProcessStart", "GetPrimitiveInterface",
                                                  "GetPrimitiveInterface", "BeginModify",
                                                  "EndModify", "ProcessEnd"}));
  EXPECT_EQ(GetObjectHoleSize(2), 3000);
}

TEST_F(ChangeProtocolTest, AFailedProcessStartWritesNothingAndDoesNotEnd) {
  FailCall("IPCB_ServerInterface.ProcessStart", E_FAIL);
  EXPECT_THROW(WriteHoleSizes(kThree), EOleError);
  EXPECT_EQ(Brackets(), (std::vector<std::string>{"ProcessStart"}));
}

struct TFailure {
  const char* what;
  const char* operation;
  int call;
  std::vector<std::string> brackets;
  TCoord second_pad;  // hole size of pad 2 afterwards
};

TEST_F(ChangeProtocolTest, EveryFailureAfterProcessStartStillEndsTheProcess) {
  const TFailure cases[] = {
      {"second BeginModify fails: no EndModify for it",
       "IPCB_PrimitiveObject.BeginModify",
       2,
       {"ProcessStart", "GetPrimitiveInterface", "BeginModify", "EndModify",
        "GetPrimitiveInterface", "BeginModify", "ProcessEnd"},
       1000},
      {"second EndModify fails",
       "IPCB_PrimitiveObject.EndModify",
       2,
       {"ProcessStart", "GetPrimitiveInterface", "BeginModify", "EndModify",
        "GetPrimitiveInterface", "BeginModify", "EndModify", "ProcessEnd"},
       3000},
      {"second look-up of a primitive fails",
       "IPCB_ServerInterface.GetPrimitiveInterface",
       2,
       {"ProcessStart", "GetPrimitiveInterface", "BeginModify", "EndModify",
        "GetPrimitiveInterface", "ProcessEnd"},
       1000},
      {"ProcessEnd fails after every write",
       "IPCB_ServerInterface.ProcessEnd",
       1,
       {"ProcessStart", "GetPrimitiveInterface", "BeginModify", "EndModify",
        "GetPrimitiveInterface", "BeginModify", "EndModify", "GetPrimitiveInterface", "BeginModify",
        "EndModify", "ProcessEnd"},
       3000},
  };
  for (const TFailure& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(
        OpenBoardText(BoardText({PadJson(1, 1000), PadJson(2, 1000), ViaJson(3, 500)})));
    Host().trace.clear();
    Host().faults.clear();
    FailCall(c.operation, E_FAIL, c.call);
    EXPECT_THROW(WriteHoleSizes(kThree), EOleError);
    EXPECT_EQ(Brackets(), c.brackets);
    EXPECT_EQ(GetObjectHoleSize(1), 2000);  // written before the failure: kept
    EXPECT_EQ(GetObjectHoleSize(2), c.second_pad);
  }
}

TEST_F(ChangeProtocolTest, AnExceptionInARecordWriteEndsItsModificationOnce) {
  // A pad on a layer id of no known kind: mapping it to a legacy number raises.
  ASSERT_TRUE(OpenBoardText(BoardText({PadJson(1, 1000),
                                          "{\"kind\": \"pad\", \"handle\": 2, \"layer\": 33554433, "
                                          "\"x\": 0, \"y\": 0, \"holeSize\": 1000}",
                                          ViaJson(3, 500)})));
  Host().trace.clear();
  EXPECT_THROW(WriteHoleSizes(kThree), EAssertionFailed);
  EXPECT_EQ(Brackets(), (std::vector<std::string>{
                            "ProcessStart", "GetPrimitiveInterface", "BeginModify", "EndModify",
                            "GetPrimitiveInterface", "BeginModify", "EndModify", "ProcessEnd"}));
  EXPECT_TRUE(LinesStarting("PcbApi_QueryPad(0, 2)").empty());
  EXPECT_EQ(GetObjectHoleSize(3), 500);
}

TEST_F(ChangeProtocolTest, AnEmptyListStillOpensAndEndsAProcess) {
  EXPECT_TRUE(WriteHoleSizes({}));
  EXPECT_EQ(Brackets(), (std::vector<std::string>{"ProcessStart", "ProcessEnd"}));
  EXPECT_FALSE(Undo());
}

}  // namespace
}  // namespace pcbtest
