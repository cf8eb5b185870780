// The "Run" command in test mode: every dialog and message prints one line and ends the process
// with exit code 1. The test-mode key is one for the whole Wine prefix and every host run sets or
// removes it, so these cases run alone (RUN_SERIAL).

#include <gtest/gtest.h>
#include <windows.h>

#include "editor_case.h"

namespace {

// A run that ends inside the plug-in never gets to remove the key it set; later runs in this prefix
// (the demo among them) must not find it.
class TestMode : public ::testing::Test {
 protected:
  void TearDown() override { RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Quorvel\\TestMode"); }
};

// Without any document only the first check speaks; test mode prints the message instead.
TEST_F(TestMode, TheRefusalIsOneLineAndExitCodeOne) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(BoardText(true, Pads(1, 118110)), "",
                                       {L"--document", L"none", L"--test-mode"});
  EXPECT_EQ(result.ExitCode, 1u) << result.Output;
  EXPECT_TRUE(result.Printed("No document is currently open in Client.")) << result.Output;
  EXPECT_FALSE(result.Printed("No PCB Board"));
}

TEST_F(TestMode, TheEditorPrintsItsLineAndEndsTheProcess) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(BoardText(true, Pads(1, 118110)), "", {L"--test-mode"});
  EXPECT_EQ(result.ExitCode, 1u) << result.Output;
  EXPECT_TRUE(result.Printed("Running modal dialog THoleSizeEditor Hole Size Editor")) << result.Output;
  EXPECT_TRUE(result.TraceStarting("IPCB_ServerInterface.ProcessStart").empty());
}

}  // namespace
