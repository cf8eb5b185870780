// The plug-in's module as the host sees it: creation, the module's answers, the launcher's defaults,
// process depth, idle time, failures reported with error information, release.

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "tests/e2e/support/host_run.h"

namespace {

TEST(PluginModule, LoadBindsTheClientReadsTheMillimetreDigitsThenCreatesTheModule) {
  THostRun run = RunHost({L"--pcb-module", L"none"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  int client = run.TraceIndex("ClientAPI_GetClientInterface(present)");
  int settings = run.TraceIndex("ISettingsService.OpenModuleSettings(\"Dralith\", ");
  int digits = run.TraceIndex("ISettingsStore.ReadInteger(\"SystemOptions\", \"FractionalDigits_mm\", 5)");
  int window = run.TraceIndex("IClient.GetApplicationHandle() -> 0x00000000");
  int factory = run.TraceIndex("host: ServerFactory \"Tavrin.dll\" client=present out=present -> 0x00000000");
  EXPECT_GE(client, 0) << run.Describe();
  EXPECT_LT(client, settings);
  EXPECT_LT(settings, digits);
  EXPECT_LT(digits, window);
  EXPECT_LT(window, factory);
  EXPECT_TRUE(run.OutputHas("host: Release plug-in module -> 0")) << run.Describe();
  EXPECT_TRUE(run.OutputHas("host: plug-in library unloaded"));
}

TEST(PluginModule, AnswersOfTheModule) {
  THostRun run = RunHost({L"--probe", L"module"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  for (const char* line : {
           "host: probe GetModuleName -> 0x00000000 name=\"Tavrin\"",
           "host: probe GetDocumentCount -> 0x00000000 count=0",
           "host: probe CreateDocument -> 0x00000000 document=null",
           "host: probe CreateDocument(show) -> 0x00000000 document=null",
           "host: probe GetDocument(0) -> 0x8000FFFF document=null",
           "host: probe GetDocument(-1) -> 0x8000FFFF document=null",
           "host: probe GetDocument(1) -> 0x8000FFFF document=null",
           "host: probe GetRegisteredCount -> 0x00000000 count=1",
           "host: probe GetRegistered(0) -> 0x00000000 same=yes",
           "host: probe GetRegistered(1) -> 0x8000FFFF object=null",
           "host: probe registered count=0 references 1 -> 1",
           "host: probe CreateOptionsView -> 0x00000000 view=null",
           "host: probe QueryInterface(IOptionsPageProvider) -> 0x00000000",
           "host: probe CreateOptionsPage -> 0x00000000 page=null",
           "host: probe QueryInterface(unknown) -> 0x80004002 object=null references 2 -> 2",
           "host: probe GetClient -> 0x00000000 client=present",
           "host: probe GetModuleHandle -> 0x00000000 library=yes",
           "host: probe launcher AddRef -> 0 Release -> 0",
       }) {
    EXPECT_TRUE(run.OutputHas(line)) << line << "\n" << run.Describe();
  }
  // Both document counts, before and after the two creations, are 0.
  EXPECT_EQ(run.TraceCount("host: probe GetDocumentCount -> 0x00000000 count=0"), 2);
}

TEST(PluginModule, ProcessDepthAndCommandStateDefaults) {
  THostRun run = RunHost({L"--probe", L"depth", L"--probe", L"state:Run", L"--probe", L"state:Zoom"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  for (const char* line : {"host: probe depth start=0", "host: probe depth after +2 -1=1",
                           "host: probe depth after set -5=-5", "host: probe depth below zero=-1",
                           "host: probe control AddRef -> 0 Release -> 0",
                           "host: probe GetCommandState(\"Run\") -> 0x00000000 values -1 0 -1 0 0",
                           "host: probe GetCommandState(\"Zoom\") -> 0x00000000 values -1 0 -1 0 0"}) {
    EXPECT_TRUE(run.OutputHas(line)) << line << "\n" << run.Describe();
  }
  // Without out locations the defaults go nowhere and nothing fails.
  EXPECT_EQ(run.TraceCount("host: probe GetCommandState(no out locations) -> 0x00000000"), 2);
}

TEST(PluginModule, IdlePostsOneWakeUpOnlyWithAMessageWaiting) {
  THostRun run = RunHost({L"--probe", L"idle"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  EXPECT_TRUE(run.OutputHas("host: probe Idle(queue empty) -> 0x00000000 WM_USER=0")) << run.Describe();
  EXPECT_TRUE(run.OutputHas("host: probe Idle(message waiting) -> 0x00000000 WM_USER=1"));
}

TEST(PluginModule, FactoryWithoutClientStillMakesAModule) {
  THostRun run = RunHost({L"--no-client", L"--probe", L"module"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  EXPECT_TRUE(run.OutputHas(
      "host: ServerFactory \"Tavrin.dll\" client=null out=present -> 0x00000000 module=present"));
  EXPECT_TRUE(run.OutputHas("host: probe GetClient -> 0x00000000 client=null"));
  // No client given: no application window is adopted.
  EXPECT_EQ(run.TraceIndex("IClient.GetApplicationHandle"), -1);
}

TEST(PluginModule, FactoryWithoutOutLocationFailsAndKeepsNothing) {
  THostRun run = RunHost({L"--no-out"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  EXPECT_TRUE(run.OutputHas(
      "host: ServerFactory \"Tavrin.dll\" client=present out=null -> 0x8000FFFF module=null"))
      << run.Describe();
  EXPECT_TRUE(run.OutputHasPrefix("host: error info source=\"Tavrin.dll\" description=\""));
  EXPECT_FALSE(run.OutputHasPrefix("host: Release plug-in module"));
}

TEST(PluginModule, FailingHostCallBecomesUnexpectedWithTheHostsDescription) {
  THostRun run = RunHost(
      {L"--fail", L"IClient.GetApplicationHandle,1,0x80004005,The window is gone. \r\n"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  EXPECT_GE(run.TraceIndex("IClient.GetApplicationHandle() -> 0x80004005"), 0) << run.Describe();
  EXPECT_TRUE(run.OutputHas(
      "host: ServerFactory \"Tavrin.dll\" client=present out=present -> 0x8000FFFF module=null"));
  EXPECT_TRUE(run.OutputHas("host: error info source=\"Tavrin.dll\" description=\"The window is gone\""))
      << run.Describe();
}

TEST(PluginModule, FailingHostCallWithoutDescriptionGivesTheSystemsText) {
  THostRun run = RunHost({L"--fail", L"IClient.GetApplicationHandle,1,0x80070005"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  std::vector<std::string> info;
  for (const std::string& line : run.Lines)
    if (line.rfind("host: error info ", 0) == 0) info.push_back(line);
  ASSERT_EQ(info.size(), 1u) << run.Describe();
  EXPECT_NE(info[0], "host: error info source=\"Tavrin.dll\" description=\"\"");
  EXPECT_EQ(info[0].rfind("host: error info source=\"Tavrin.dll\" description=\"", 0), 0u);
  EXPECT_EQ(info[0].find("OLE error"), std::string::npos) << info[0];
}

TEST(PluginModule, WithoutTheClientExportTheLibraryStartsWithDefaults) {
  THostRun run = RunHost({L"--remove-export", L"ClientAPI_GetClientInterface"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  EXPECT_TRUE(run.OutputHas("host: remove export \"ClientAPI_GetClientInterface\" done"));
  EXPECT_EQ(run.TraceIndex("ClientAPI_GetClientInterface"), -1);
  // No client at load: nothing is read from the editor's settings.
  EXPECT_EQ(run.TraceIndex("ISettingsService"), -1) << run.Describe();
  EXPECT_TRUE(run.OutputHas(
      "host: ServerFactory \"Tavrin.dll\" client=present out=present -> 0x00000000 module=present"));
}

TEST(PluginModule, FailingSettingsServiceAtLoadIsTolerated) {
  THostRun run = RunHost({L"--fail", L"ISettingsService.OpenModuleSettings,1,0x80004005"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  EXPECT_GE(run.TraceIndex("ISettingsService.OpenModuleSettings("), 0);
  EXPECT_TRUE(run.OutputHas(
      "host: ServerFactory \"Tavrin.dll\" client=present out=present -> 0x00000000 module=present"))
      << run.Describe();
}

TEST(PluginModule, UnknownCommandsRunNothingAndTouchNoHostService) {
  for (const wchar_t* command : {L"Run ", L"Zoom", L""}) {
    THostRun run = RunHost({L"--document", L"pcb", L"--command", command});
    ASSERT_EQ(run.ExitCode, 0) << run.Describe();
    EXPECT_TRUE(run.OutputHasPrefix("host: LaunchCommand -> 0x00000000")) << run.Describe();
    int launch = run.TraceIndex("host: LaunchCommand \"");
    ASSERT_GE(launch, 0);
    EXPECT_EQ(run.TraceIndex("IClient.", launch), -1) << run.Describe();
    EXPECT_EQ(run.TraceIndex("IClientUiManager.", launch), -1);
  }
}

}  // namespace

// The host unloads the library and loads it again into the same process: the second load shows the
// editor as the first did (its window classes registered afresh), and neither unload leaves a window
// behind whose code went with the library.
TEST(PluginModule, ALibraryLoadedAgainShowsItsEditorAgainAndLeavesNoWindowBehind) {
  TScopedFile board(UniqueTempPath(L"board.json"),
                    R"({"format": "dralith-board", "version": 1, "board": {"unit": 0, "layer": 1},
  "layers": [{"layer": 1, "nextLayer": 32}, {"layer": 32, "prevLayer": 1}],
  "primitives": [{"kind": "pad", "handle": 1, "layer": 74, "x": 0, "y": 0, "holeSize": 236220,
                  "stack": [[1, 1, 472440, 472440, 0, 0], [74, 1, 472440, 472440, 0, 0]]}]})");
  TScopedFile script(UniqueTempPath(L"reload.script"),
                     "wait-window \"Hole Size Editor\"\nclick Cancel\nwait-window \"Hole Size Editor\"\nclick Cancel\n");
  THostRun run = RunHost({L"--board", board.Path(), L"--script", script.Path(), L"--command", L"Run",
                          L"--reload"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  auto lines_starting = [&run](std::string_view prefix) {
    return std::count_if(run.Lines.begin(), run.Lines.end(),
                         [prefix](const std::string& line) { return line.starts_with(prefix); });
  };
  EXPECT_EQ(lines_starting("host: LaunchCommand -> 0x00000000"), 2) << run.Describe();
  EXPECT_TRUE(run.OutputHas("script: done")) << run.Describe();
  EXPECT_EQ(lines_starting("host: plug-in library unloaded"), 2) << run.Describe();
  EXPECT_EQ(run.Output.find("a window of the unloaded plug-in library remains"), std::string::npos) << run.Describe();
}
