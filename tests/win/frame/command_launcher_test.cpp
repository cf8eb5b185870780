#include "frame/command_launcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/exceptions.h"
#include "frame/error_info_hook.h"
#include "tests/win/support/thread_error.h"
#include "frame/process_control.h"
#include "frame/slots.h"
#include "tests/win/support/test_client.h"

namespace {

std::vector<std::string> runs;
IServerView* seen_view = nullptr;
char* seen_parameters = nullptr;

void FirstCommand(IServerView* view, char* parameters) {
  runs.push_back("first");
  seen_view = view;
  seen_parameters = parameters;
}
void SecondCommand(IServerView*, char*) { runs.push_back("second"); }
void Failing(IServerView*, char*) {
  runs.push_back("failing");
  throw Exception("Command failed");
}
void Faulting(IServerView*, char*) {
  runs.push_back("faulting");
  volatile int* p = nullptr;
  *p = 1;
}
void CommandState(IServerView*, const char*, int32_t& v1, int32_t& v2, int32_t& v3, bool& f1, bool& f2) {
  v1 = 1;
  v2 = 2;
  v3 = 3;
  f1 = true;
  f2 = false;
}

class CommandLauncherTest : public testing::Test {
 protected:
  void SetUp() override {
    runs.clear();
    seen_view = nullptr;
    seen_parameters = nullptr;
    ui.log = &client.log;
    view.log = &client.log;
    client.ui_manager = &ui;
    ClientSlot = &client;
    launcher.RegisterCommand("Run", FirstCommand, nullptr);
  }
  void TearDown() override { ClientSlot = nullptr; }

  TTestClient client;
  TTestUiManager ui;
  TTestView view;
  TCommandLauncher launcher;
};

TEST_F(CommandLauncherTest, NamesMatchWithoutRegardToCaseButExactly) {
  struct {
    const char* name;
    bool runs;
  } cases[] = {{"Run", true}, {"run", true}, {"RUN", true}, {"rUn", true},
               {"Run ", false}, {" Run", false}, {"Ru", false}, {"Zoom", false}, {"", false}};
  for (const auto& c : cases) {
    runs.clear();
    client.log.clear();
    char parameters[8] = "";
    EXPECT_EQ(launcher.LaunchCommand(c.name, parameters, 8, nullptr), S_OK) << c.name;
    EXPECT_EQ(runs.size(), c.runs ? 1u : 0u) << "\"" << c.name << "\"";
    // An unknown name touches nothing of the host.
    if (!c.runs) {
      EXPECT_TRUE(client.log.empty()) << c.name;
    }
  }
  EXPECT_EQ(launcher.LaunchCommand(nullptr, nullptr, 0, nullptr), S_OK);
  EXPECT_TRUE(runs.empty());
}

TEST_F(CommandLauncherTest, ProcedureGetsTheHostsViewAndBufferWhateverTheSize) {
  char parameters[16] = "A=1";
  for (int32_t size : {16, 0, -3, 100000}) {
    ASSERT_EQ(launcher.LaunchCommand("Run", parameters, size, &view), S_OK);
    EXPECT_EQ(seen_view, &view);
    EXPECT_EQ(seen_parameters, parameters);
  }
}

TEST_F(CommandLauncherTest, WithoutCurrentViewPanelsOneTwoThreeAreEmptiedInOrder) {
  ASSERT_EQ(launcher.LaunchCommand("Run", nullptr, 0, nullptr), S_OK);
  std::vector<std::string> expected = {"GetCurrentView", "GetUiManager", "SetStatusText 1 \"\"",
                                       "GetUiManager", "SetStatusText 2 \"\"", "GetUiManager",
                                       "SetStatusText 3 \"\""};
  EXPECT_EQ(client.log, expected);
}

TEST_F(CommandLauncherTest, WithCurrentViewItsUpdateRunsOnceAndNoPanel) {
  client.view = &view;
  ASSERT_EQ(launcher.LaunchCommand("Run", nullptr, 0, nullptr), S_OK);
  std::vector<std::string> expected = {"GetCurrentView", "IServerView.UpdateAfterCommand"};
  EXPECT_EQ(client.log, expected);
  EXPECT_EQ(view.references, 1u);
}

TEST_F(CommandLauncherTest, FailuresAfterTheProcedureFailTheLaunch) {
  view.update_status = E_FAIL;
  client.view = &view;
  EXPECT_EQ(launcher.LaunchCommand("Run", nullptr, 0, nullptr), E_UNEXPECTED);
  client.view = nullptr;
  client.failures["GetCurrentView"] = E_ACCESSDENIED;
  EXPECT_EQ(launcher.LaunchCommand("Run", nullptr, 0, nullptr), E_UNEXPECTED);
  client.failures.clear();
  ui.status = E_FAIL;
  EXPECT_EQ(launcher.LaunchCommand("Run", nullptr, 0, nullptr), E_UNEXPECTED);
  // A host without a user-interface manager cannot take status texts.
  client.ui_manager = nullptr;
  EXPECT_EQ(launcher.LaunchCommand("Run", nullptr, 0, nullptr), E_UNEXPECTED);
  EXPECT_EQ(runs.size(), 4u);
}

TEST_F(CommandLauncherTest, FailingProcedureLeavesTheHostAlone) {
  launcher.RegisterCommand("Fail", Failing, nullptr);
  EXPECT_EQ(launcher.LaunchCommand("fail", nullptr, 0, nullptr), E_UNEXPECTED);
  EXPECT_EQ(runs, std::vector<std::string>{"failing"});
  EXPECT_TRUE(client.log.empty());
}

// A fault before any window exists: the host gets 0x8000FFFF with error information, not a
// dead process, and the launcher goes on working.
TEST_F(CommandLauncherTest, FaultingProcedureBecomesUnexpectedWithErrorInformation) {
  InstallErrorInfoHook();
  SetErrorInfo(0, nullptr);
  launcher.RegisterCommand("Crash", Faulting, nullptr);
  EXPECT_EQ(launcher.LaunchCommand("crash", nullptr, 0, nullptr), E_UNEXPECTED);
  RemoveErrorInfoHook();
  EXPECT_EQ(runs, std::vector<std::string>{"faulting"});
  EXPECT_TRUE(client.log.empty());
  TThreadError error = ReadThreadError();
  ASSERT_TRUE(error.present);
  EXPECT_EQ(error.description.rfind("Access violation at address", 0), 0u) << error.description;
  EXPECT_EQ(launcher.LaunchCommand("Run", nullptr, 0, nullptr), S_OK);
}

TEST_F(CommandLauncherTest, WithoutClientAFoundCommandRunsAndTheLaunchFails) {
  ClientSlot = nullptr;
  EXPECT_EQ(launcher.LaunchCommand("Run", nullptr, 0, nullptr), E_UNEXPECTED);
  EXPECT_EQ(runs.size(), 1u);
  EXPECT_EQ(launcher.LaunchCommand("Other", nullptr, 0, nullptr), S_OK);
}

TEST_F(CommandLauncherTest, FirstRegistrationOfANameStays) {
  launcher.RegisterCommand("RUN", SecondCommand, nullptr);
  launcher.RegisterCommand("Beta", SecondCommand, nullptr);
  launcher.RegisterCommand("alpha", SecondCommand, nullptr);
  EXPECT_EQ(launcher.Count(), 3);
  EXPECT_EQ(launcher.Name(0), "alpha");
  EXPECT_EQ(launcher.Name(1), "Beta");
  EXPECT_EQ(launcher.Name(2), "Run");
  launcher.LaunchCommand("run", nullptr, 0, nullptr);
  EXPECT_EQ(runs, std::vector<std::string>{"first"});
}

TEST_F(CommandLauncherTest, CommandStateDefaultsAndStateProcedure) {
  launcher.RegisterCommand("Stated", SecondCommand, CommandState);
  int32_t v1 = 9, v2 = 9, v3 = 9;
  BYTE f1 = 9, f2 = 9;
  for (const char* name : {"Run", "Unknown", ""}) {
    EXPECT_EQ(launcher.GetCommandState(name, "", nullptr, &v1, &v2, &v3, &f1, &f2), S_OK);
    EXPECT_EQ(std::vector<int>({v1, v2, v3, f1, f2}), std::vector<int>({-1, 0, -1, 0, 0})) << name;
  }
  EXPECT_EQ(launcher.GetCommandState("stated", "", nullptr, &v1, &v2, &v3, &f1, &f2), S_OK);
  EXPECT_EQ(std::vector<int>({v1, v2, v3, f1, f2}), std::vector<int>({1, 2, 3, 1, 0}));
  // Absent out locations are skipped, not written through.
  EXPECT_EQ(launcher.GetCommandState("stated", nullptr, nullptr, nullptr, &v2, nullptr, nullptr,
                                     nullptr),
            S_OK);
  EXPECT_TRUE(runs.empty());
  EXPECT_TRUE(client.log.empty());
}

TEST(CommandLauncherInterfaces, CountingDoesNothingAndQueriesAnswerTheirOwnInterface) {
  TCommandLauncher launcher;
  TProcessControl control;
  EXPECT_EQ(launcher.AddRef(), 0u);
  EXPECT_EQ(launcher.Release(), 0u);
  EXPECT_EQ(launcher.Release(), 0u);
  EXPECT_EQ(control.AddRef(), 0u);
  EXPECT_EQ(control.Release(), 0u);
  void* object = reinterpret_cast<void*>(1);
  EXPECT_EQ(launcher.QueryInterface(IID_IProcessControl, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(control.QueryInterface(IID_IProcessControl, &object), S_OK);
  EXPECT_EQ(object, static_cast<IProcessControl*>(&control));
}

TEST(ProcessControl, DepthCountsWithoutBounds) {
  TProcessControl control;
  int32_t depth = 99;
  control.GetProcessDepth(&depth);
  EXPECT_EQ(depth, 0);
  control.IncrementProcessDepth(1, 2);
  control.IncrementProcessDepth(0, 0);
  control.DecrementProcessDepth(0, 0);
  control.GetProcessDepth(&depth);
  EXPECT_EQ(depth, 1);
  control.SetProcessDepth(-5);
  control.GetProcessDepth(&depth);
  EXPECT_EQ(depth, -5);
  control.SetProcessDepth(INT32_MIN);
  EXPECT_EQ(control.DecrementProcessDepth(0, 0), S_OK);
  control.GetProcessDepth(&depth);
  EXPECT_EQ(depth, INT32_MAX);
  EXPECT_EQ(control.GetProcessDepth(nullptr), S_OK);
}

}  // namespace
