// The stand-in editor's processes: one undo step per process, and the protocol violations it
// records.

#include <gtest/gtest.h>

#include "base/com_ptr.h"
#include "hostapi/i_command_launcher.h"
#include "hostapi/i_pcb_server_interface.h"
#include "hostapi/i_server_module.h"
#include "pcb/pad_via_records.h"
#include "pcb/pcb_api_wrappers.h"
#include "pcb/pcb_object.h"
#include "tests/win/support/pcb_test_host.h"

namespace pcbtest {
namespace {

class EditorUndoTest : public PcbTest {
 protected:
  void SetUp() override {
    PcbTest::SetUp();
    auto factory = reinterpret_cast<TServerFactoryProc>(DralithProc("ServerFactory"));
    ASSERT_NE(factory, nullptr);
    ASSERT_EQ(factory(nullptr, module_.Put()), S_OK);
    server_ = module_.TryQuery<IPCB_ServerInterface>(IID_IPCB_ServerInterface);
    ASSERT_TRUE(server_);
    ASSERT_TRUE(
        OpenBoardText(BoardText({PadJson(1, 1000), PadJson(2, 1000), ViaJson(3, 500)})));
  }

  TComPtr<IPCB_PrimitiveObject> PrimitiveOf(uint32_t handle) {
    TComPtr<IUnknown> found;
    BYTE exists = 0;
    EXPECT_EQ(
        server_->GetPrimitiveInterface(handle, &IID_IPCB_PrimitiveObject, found.Put(), &exists),
        S_OK);
    return TComPtr<IPCB_PrimitiveObject>::Attach(
        reinterpret_cast<IPCB_PrimitiveObject*>(found.Detach()));
  }

  void BracketedWrite(uint32_t handle, TObjectId kind, TCoord size) {
    TComPtr<IPCB_PrimitiveObject> p = PrimitiveOf(handle);
    ASSERT_TRUE(p);
    ASSERT_EQ(p->BeginModify(), S_OK);
    RewriteHoleSize(handle, kind, size);
    ASSERT_EQ(p->EndModify(), S_OK);
  }

  TComPtr<IServerModule> module_;
  TComPtr<IPCB_ServerInterface> server_;
};

TEST_F(EditorUndoTest, AProcessIsOneUndoStep) {
  const std::string original = SavedBoard();
  const int violations = ProtocolViolations();
  ASSERT_EQ(server_->ProcessStart(), S_OK);
  BracketedWrite(1, ePadObject, 2000);
  BracketedWrite(2, ePadObject, 3000);
  BracketedWrite(3, eViaObject, 700);
  ASSERT_EQ(server_->ProcessEnd(), S_OK);
  EXPECT_EQ(ProtocolViolations(), violations);
  const std::string changed = SavedBoard();
  EXPECT_EQ(GetObjectHoleSize(2), 3000);

  EXPECT_TRUE(Undo());
  EXPECT_EQ(SavedBoard(), original);
  EXPECT_FALSE(Undo());
  EXPECT_TRUE(Redo());
  EXPECT_EQ(SavedBoard(), changed);
  EXPECT_FALSE(Redo());
}

TEST_F(EditorUndoTest, ANewProcessDropsTheRedoSteps) {
  ASSERT_EQ(server_->ProcessStart(), S_OK);
  BracketedWrite(1, ePadObject, 2000);
  ASSERT_EQ(server_->ProcessEnd(), S_OK);
  ASSERT_TRUE(Undo());
  ASSERT_EQ(server_->ProcessStart(), S_OK);
  BracketedWrite(2, ePadObject, 3000);
  ASSERT_EQ(server_->ProcessEnd(), S_OK);
  EXPECT_FALSE(Redo());
  EXPECT_TRUE(Undo());
  EXPECT_EQ(GetObjectHoleSize(1), 1000);
  EXPECT_EQ(GetObjectHoleSize(2), 1000);
}

TEST_F(EditorUndoTest, AProcessWithoutChangesLeavesNoStep) {
  ASSERT_EQ(server_->ProcessStart(), S_OK);
  ASSERT_EQ(server_->ProcessEnd(), S_OK);
  EXPECT_FALSE(Undo());
}

TEST_F(EditorUndoTest, WritesOutsideTheBracketsAreAcceptedButRecorded) {
  const int before = ProtocolViolations();
  RewriteHoleSize(1, ePadObject, 2000);  // outside any process
  EXPECT_EQ(GetObjectHoleSize(1), 2000);
  EXPECT_EQ(ProtocolViolations(), before + 1);
  ASSERT_EQ(LinesStarting("PROTOCOL VIOLATION").size(), 1u);
  EXPECT_EQ(LinesStarting("PROTOCOL VIOLATION")[0],
            "PROTOCOL VIOLATION: PcbApi_QueryPad of 1 outside a process");

  ASSERT_EQ(server_->ProcessStart(), S_OK);
  RewriteHoleSize(2, ePadObject, 2000);  // inside the process but not the modification
  EXPECT_EQ(LinesStarting("PROTOCOL VIOLATION").back(),
            "PROTOCOL VIOLATION: PcbApi_QueryPad of 2 outside BeginModify/EndModify");
  TComPtr<IPCB_PrimitiveObject> p = PrimitiveOf(3);
  ASSERT_EQ(p->BeginModify(), S_OK);
  EXPECT_EQ(p->BeginModify(), S_OK);       // nested
  ASSERT_EQ(server_->ProcessEnd(), S_OK);  // with a modification open
  EXPECT_EQ(server_->ProcessEnd(), S_OK);  // without a process
  EXPECT_EQ(ProtocolViolations(), before + 5);
  // The write outside the process was undoable on its own.
  EXPECT_TRUE(Undo());
  EXPECT_EQ(GetObjectHoleSize(2), 1000);
  EXPECT_TRUE(Undo());
  EXPECT_EQ(GetObjectHoleSize(1), 1000);
}

TEST_F(EditorUndoTest, AnUnknownHandleOrInterfaceIsNotFound) {
  TComPtr<IUnknown> found;
  BYTE exists = 1;
  EXPECT_EQ(server_->GetPrimitiveInterface(99, &IID_IPCB_PrimitiveObject, found.Put(), &exists),
            S_OK);
  EXPECT_EQ(exists, 0);
  EXPECT_FALSE(found);
  EXPECT_EQ(server_->GetPrimitiveInterface(1, &IID_IClient, found.Put(), &exists), S_OK);
  EXPECT_EQ(exists, 0);
  BSTR name = nullptr;
  ASSERT_EQ(module_->GetModuleName(&name), S_OK);
  EXPECT_STREQ(name, L"PCB");
  SysFreeString(name);
}

TEST_F(EditorUndoTest, InjectedFaultsFailTheServerOperations) {
  FailCall("IPCB_ServerInterface.ProcessStart", E_FAIL);
  EXPECT_EQ(server_->ProcessStart(), E_FAIL);
  EXPECT_EQ(LinesStarting("IPCB_ServerInterface.ProcessStart").back(),
            "IPCB_ServerInterface.ProcessStart() = 0x80004005 (injected)");
}

TEST_F(EditorUndoTest, ZoomWithRedrawRepaintsTheBoard) {
  TComPtr<ICommandLauncher> launcher;
  ASSERT_EQ(module_->GetCommandLauncher(launcher.Put()), S_OK);
  char parameters[256] = "Action=Redraw";
  EXPECT_EQ(launcher->LaunchCommand("Zoom", parameters, sizeof parameters, nullptr), S_OK);
  EXPECT_EQ(LinesStarting("PCB:Zoom").back(), "PCB:Zoom(Action=Redraw) redrawn");
  char other[256] = "Action=All";
  EXPECT_EQ(launcher->LaunchCommand("Zoom", other, sizeof other, nullptr), E_NOTIMPL);
  EXPECT_EQ(launcher->LaunchCommand("Place", parameters, sizeof parameters, nullptr), E_NOTIMPL);
}

}  // namespace
}  // namespace pcbtest
