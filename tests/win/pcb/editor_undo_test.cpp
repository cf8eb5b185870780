// The stand-in editor's processes: one undo step per process, and the protocol violations it
// records.

#include <gtest/gtest.h>

#include "base/com_ptr.h"
#include "hostapi/command_launcher.h"
#include "hostapi/pcb_server.h"
#include "hostapi/server_module.h"
#include "pcb/pad_via_records.h"
#include "pcb/pcb_api_wrappers.h"
#include "pcb/pcb_object.h"
#include "pcb_test_host.h"

namespace pcbtest {
namespace {

class EditorUndoTest : public PcbTest {
 protected:
  void SetUp() override {
    PcbTest::SetUp();
    auto factory = reinterpret_cast<ServerFactoryProc>(dralith_proc("ServerFactory"));
    ASSERT_NE(factory, nullptr);
    ASSERT_EQ(factory(nullptr, module_.put()), S_OK);
    server_ = module_.try_query<IPCB_ServerInterface>(IID_IPCB_ServerInterface);
    ASSERT_TRUE(server_);
    ASSERT_TRUE(
        open_board_text(board_text({pad_json(1, 1000), pad_json(2, 1000), via_json(3, 500)})));
  }

  ComPtr<IPCB_PrimitiveObject> primitive(uint32_t handle) {
    ComPtr<IUnknown> found;
    BYTE exists = 0;
    EXPECT_EQ(
        server_->GetPrimitiveInterface(handle, &IID_IPCB_PrimitiveObject, found.put(), &exists),
        S_OK);
    return ComPtr<IPCB_PrimitiveObject>::attach(
        reinterpret_cast<IPCB_PrimitiveObject*>(found.detach()));
  }

  void bracketed_write(uint32_t handle, TObjectId kind, TCoord size) {
    ComPtr<IPCB_PrimitiveObject> p = primitive(handle);
    ASSERT_TRUE(p);
    ASSERT_EQ(p->BeginModify(), S_OK);
    RewriteHoleSize(handle, kind, size);
    ASSERT_EQ(p->EndModify(), S_OK);
  }

  ComPtr<IServerModule> module_;
  ComPtr<IPCB_ServerInterface> server_;
};

TEST_F(EditorUndoTest, AProcessIsOneUndoStep) {
  const std::string original = saved_board();
  const int violations = protocol_violations();
  ASSERT_EQ(server_->ProcessStart(), S_OK);
  bracketed_write(1, ePadObject, 2000);
  bracketed_write(2, ePadObject, 3000);
  bracketed_write(3, eViaObject, 700);
  ASSERT_EQ(server_->ProcessEnd(), S_OK);
  EXPECT_EQ(protocol_violations(), violations);
  const std::string changed = saved_board();
  EXPECT_EQ(GetObjectHoleSize(2), 3000);

  EXPECT_TRUE(undo());
  EXPECT_EQ(saved_board(), original);
  EXPECT_FALSE(undo());
  EXPECT_TRUE(redo());
  EXPECT_EQ(saved_board(), changed);
  EXPECT_FALSE(redo());
}

TEST_F(EditorUndoTest, ANewProcessDropsTheRedoSteps) {
  ASSERT_EQ(server_->ProcessStart(), S_OK);
  bracketed_write(1, ePadObject, 2000);
  ASSERT_EQ(server_->ProcessEnd(), S_OK);
  ASSERT_TRUE(undo());
  ASSERT_EQ(server_->ProcessStart(), S_OK);
  bracketed_write(2, ePadObject, 3000);
  ASSERT_EQ(server_->ProcessEnd(), S_OK);
  EXPECT_FALSE(redo());
  EXPECT_TRUE(undo());
  EXPECT_EQ(GetObjectHoleSize(1), 1000);
  EXPECT_EQ(GetObjectHoleSize(2), 1000);
}

TEST_F(EditorUndoTest, AProcessWithoutChangesLeavesNoStep) {
  ASSERT_EQ(server_->ProcessStart(), S_OK);
  ASSERT_EQ(server_->ProcessEnd(), S_OK);
  EXPECT_FALSE(undo());
}

TEST_F(EditorUndoTest, WritesOutsideTheBracketsAreAcceptedButRecorded) {
  const int before = protocol_violations();
  RewriteHoleSize(1, ePadObject, 2000);  // outside any process
  EXPECT_EQ(GetObjectHoleSize(1), 2000);
  EXPECT_EQ(protocol_violations(), before + 1);
  ASSERT_EQ(lines_starting("PROTOCOL VIOLATION").size(), 1u);
  EXPECT_EQ(lines_starting("PROTOCOL VIOLATION")[0],
            "PROTOCOL VIOLATION: PcbApi_QueryPad of 1 outside a process");

  ASSERT_EQ(server_->ProcessStart(), S_OK);
  RewriteHoleSize(2, ePadObject, 2000);  // inside the process but not the modification
  EXPECT_EQ(lines_starting("PROTOCOL VIOLATION").back(),
            "PROTOCOL VIOLATION: PcbApi_QueryPad of 2 outside BeginModify/EndModify");
  ComPtr<IPCB_PrimitiveObject> p = primitive(3);
  ASSERT_EQ(p->BeginModify(), S_OK);
  EXPECT_EQ(p->BeginModify(), S_OK);       // nested
  ASSERT_EQ(server_->ProcessEnd(), S_OK);  // with a modification open
  EXPECT_EQ(server_->ProcessEnd(), S_OK);  // without a process
  EXPECT_EQ(protocol_violations(), before + 5);
  // The write outside the process was undoable on its own.
  EXPECT_TRUE(undo());
  EXPECT_EQ(GetObjectHoleSize(2), 1000);
  EXPECT_TRUE(undo());
  EXPECT_EQ(GetObjectHoleSize(1), 1000);
}

TEST_F(EditorUndoTest, AnUnknownHandleOrInterfaceIsNotFound) {
  ComPtr<IUnknown> found;
  BYTE exists = 1;
  EXPECT_EQ(server_->GetPrimitiveInterface(99, &IID_IPCB_PrimitiveObject, found.put(), &exists),
            S_OK);
  EXPECT_EQ(exists, 0);
  EXPECT_FALSE(found);
  EXPECT_EQ(server_->GetPrimitiveInterface(1, &IID_IClient, found.put(), &exists), S_OK);
  EXPECT_EQ(exists, 0);
  BSTR name = nullptr;
  ASSERT_EQ(module_->GetModuleName(&name), S_OK);
  EXPECT_STREQ(name, L"PCB");
  SysFreeString(name);
}

TEST_F(EditorUndoTest, InjectedFaultsFailTheServerOperations) {
  fail_call("IPCB_ServerInterface.ProcessStart", E_FAIL);
  EXPECT_EQ(server_->ProcessStart(), E_FAIL);
  EXPECT_EQ(lines_starting("IPCB_ServerInterface.ProcessStart").back(),
            "IPCB_ServerInterface.ProcessStart() = 0x80004005 (injected)");
}

TEST_F(EditorUndoTest, ZoomWithRedrawRepaintsTheBoard) {
  ComPtr<ICommandLauncher> launcher;
  ASSERT_EQ(module_->GetCommandLauncher(launcher.put()), S_OK);
  char parameters[256] = "Action=Redraw";
  EXPECT_EQ(launcher->LaunchCommand("Zoom", parameters, sizeof parameters, nullptr), S_OK);
  EXPECT_EQ(lines_starting("PCB:Zoom").back(), "PCB:Zoom(Action=Redraw) redrawn");
  char other[256] = "Action=All";
  EXPECT_EQ(launcher->LaunchCommand("Zoom", other, sizeof other, nullptr), E_NOTIMPL);
  EXPECT_EQ(launcher->LaunchCommand("Place", parameters, sizeof parameters, nullptr), E_NOTIMPL);
}

}  // namespace
}  // namespace pcbtest
