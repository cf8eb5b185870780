// F1 in the plug-in's dialogs inside the host kit: the real Tavrin.dll finds its compiled help and ID
// files in the host's help folder, and the host's help panel shows the page.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/text_convert.h"
#include "tests/e2e/support/host_run.h"

namespace {

std::wstring DemoBoard() { return ToWide(TAVRIN_SOURCE_DIR) + L"\\hostkit\\automation-scripts\\demo-board.json"; }

THostRun RunScript(const std::string& script, const std::string& settings = "",
                   const std::wstring& board = DemoBoard(), const std::vector<std::wstring>& extra = {}) {
  const std::wstring path = UniqueTempPath(L"help.script");
  TScopedFile file(path, script);
  const std::wstring settings_path = UniqueTempPath(L"help.ini");
  TScopedFile settings_file(settings_path, settings);
  std::vector<std::wstring> arguments = {L"--no-test-mode", L"--board", board, L"--command", L"Run",
                                         L"--script", path, L"--settings", settings_path};
  arguments.insert(arguments.end(), extra.begin(), extra.end());
  return RunHost(arguments);
}

const char kF1InEditor[] =
    "timeout 30\n"
    "wait-window \"Hole Size Editor\"\n"
    "key f1\n"
    "wait-window \"Hole Size Editor\"\n"
    "click Cancel\n"
    "wait-no-window \"Hole Size Editor\"\n";

// Trace lines that contain all the parts.
int CountLines(const THostRun& run, std::initializer_list<std::string_view> parts) {
  return static_cast<int>(std::count_if(run.Trace.begin(), run.Trace.end(), [&](const std::string& line) {
    return std::all_of(parts.begin(), parts.end(), [&](std::string_view p) { return line.find(p) != std::string::npos; });
  }));
}

TEST(DialogHelpInTheHost, F1InTheEditorShowsItsPageInTheKnowledgeCentre) {
  THostRun run = RunScript(kF1InEditor);
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  const std::string page = "\\\\Help\\\\Tavrin.chm::/Dlg_HoleSizeEditor.htm";
  // Opening the editor: dynamic help without forcing; F1: the knowledge centre, then forced.
  const int shown = run.TraceIndex("IProcessLauncher.RunProcess(\"HelpAdvisor:ShowDynamicHelp\", \"Address=");
  const int panel = run.TraceIndex(
      "IProcessLauncher.RunProcess(\"Client:CustomizeResources\", \"ObjectKind=Panel|Action=Show|Id=KnowledgeCenter\", 0,");
  const int forced = run.TraceIndex("IProcessLauncher.RunProcess(\"HelpAdvisor:ShowDynamicHelp\", \"ForceUpdate=True|Address=");
  ASSERT_GE(shown, 0) << run.Describe();
  EXPECT_LT(shown, panel);
  EXPECT_LT(panel, forced);
  EXPECT_NE(run.Trace[static_cast<size_t>(shown)].find(page), std::string::npos) << run.Trace[static_cast<size_t>(shown)];
  EXPECT_NE(run.Trace[static_cast<size_t>(forced)].find(page), std::string::npos) << run.Trace[static_cast<size_t>(forced)];
  EXPECT_EQ(CountLines(run, {"HelpPanel.Page(", page, "-> shown"}), 2) << run.Describe();
  EXPECT_EQ(run.TraceCount("WinHelp("), 0);
}

TEST(DialogHelpInTheHost, F1InEditHoleSizeShowsItsOwnPage) {
  THostRun run = RunScript(
      "timeout 30\n"
      "wait-window \"Hole Size Editor\"\n"
      "click \"&Edit...\"\n"
      "wait-window \"Edit Hole Size\"\n"
      "key f1\n"
      "wait-window \"Edit Hole Size\"\n"
      "click Cancel\n"
      "wait-no-window \"Edit Hole Size\"\n"
      "wait-window \"Hole Size Editor\"\n"
      "click Cancel\n"
      "wait-no-window \"Hole Size Editor\"\n");
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  EXPECT_EQ(CountLines(run, {"ForceUpdate=True|Address=", "Tavrin.chm::/Dlg_EditHoleSizeForm.htm"}), 1)
      << run.Describe();
  EXPECT_EQ(CountLines(run, {"HelpPanel.Page(", "Dlg_EditHoleSizeForm.htm", "-> shown"}), 2) << run.Describe();
}

TEST(DialogHelpInTheHost, WithTheIntegratedViewerF1NavigatesTheHelpBrowser) {
  THostRun run = RunScript(kF1InEditor, "[ClientAPI]\nIntegratedHelpSystem=1\n");
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  // The address service sees the topic address; no view shows it yet and it is no file, so the
  // workspace's "PickATask" server navigates to it.
  EXPECT_GE(run.TraceIndex("IAddressService.ExpandAddress("), 0) << run.Describe();
  EXPECT_EQ(CountLines(run, {"HelpBrowser.Navigate(", "Tavrin.chm::/Dlg_HoleSizeEditor.htm", "done=1"}), 1)
      << run.Describe();
  EXPECT_EQ(run.TraceCount("IProcessLauncher.RunProcess(\"Client:CustomizeResources\""), 0);
  EXPECT_EQ(CountLines(run, {"HelpPanel.Page(", "Dlg_HoleSizeEditor.htm", "-> shown"}), 2);
}

// A host that faults inside one of its own operations while F1 is handled: the fault becomes an
// exception at that call, the host gets it with a report, and the editor stays open and usable.
TEST(DialogHelpInTheHost, AFaultInsideTheHostsAddressServiceReachesTheHostAndTheEditorStaysOpen) {
  // The host writes its crash report beside the board: a copy keeps it out of the source tree.
  TScopedFile board(UniqueTempPath(L"board.json"), ReadTextFile(DemoBoard()));
  THostRun run = RunScript(kF1InEditor, "[ClientAPI]\nIntegratedHelpSystem=1\n", board.Path(),
                           {L"--fault", L"IAddressService.ExpandAddress,1"});
  DeleteFileW((board.Path() + L".crash.txt").c_str());
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  EXPECT_TRUE(run.OutputHas("script: done")) << run.Describe();
  EXPECT_TRUE(run.OutputHasPrefix("host: access violation injected in IAddressService.ExpandAddress")) << run.Describe();
  EXPECT_EQ(run.TraceCount("ClientAPI_SetErrorInfo(\"Access violation at address "), 1) << run.Describe();
  EXPECT_EQ(run.TraceCount("ClientAPI_HandleException(0)"), 1) << run.Describe();
  EXPECT_EQ(run.TraceCount("HelpBrowser.Navigate("), 0);
}

}  // namespace
