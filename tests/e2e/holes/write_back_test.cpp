// OK writes every hole size back inside one process with one modification per primitive, and
// nothing else: checked on the PCB module's trace and on the saved board.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "editor_case.h"

namespace {

// The bracket lines of the trace, shortened to "start", "end", "begin 3", "end 3", and the record
// transfers between them as "read 3" / "write 3".
std::vector<std::string> Protocol(const THostResult& result) {
  std::vector<std::string> out;
  for (const std::string& line : result.Trace) {
    auto handle_of = [&](size_t open) { return line.substr(open + 1, line.find(')', open) - open - 1); };
    if (line.starts_with("IPCB_ServerInterface.ProcessStart(")) out.push_back("start");
    else if (line.starts_with("IPCB_ServerInterface.ProcessEnd(")) out.push_back("end");
    else if (line.starts_with("IPCB_PrimitiveObject.BeginModify(")) out.push_back("begin " + handle_of(line.find('(')));
    else if (line.starts_with("IPCB_PrimitiveObject.EndModify(")) out.push_back("end " + handle_of(line.find('(')));
    else if (line.starts_with("PcbApi_QueryPad(") || line.starts_with("PcbApi_QueryVia(")) {
      size_t open = line.find('(');
      std::string args = line.substr(open + 1, line.find(')') - open - 1);  // "1, 5"
      if (args.size() > 3 && args[1] == ',')
        out.push_back(std::string(args[0] == '1' ? "read " : "write ") + args.substr(3));
    }
  }
  return out;
}

std::vector<std::string> Bracketed(const std::vector<int>& handles) {
  std::vector<std::string> out = {"start"};
  for (int h : handles) {
    const std::string n = std::to_string(h);
    out.insert(out.end(), {"begin " + n, "read " + n, "write " + n, "end " + n});
  }
  out.push_back("end");
  return out;
}

// Only the protocol after the editor opened: opening reads the records too.
std::vector<std::string> FromStart(std::vector<std::string> lines) {
  auto start = std::find(lines.begin(), lines.end(), "start");
  return std::vector<std::string>(start, lines.end());
}

TEST(WriteBack, OkWithoutEditsRewritesEveryPrimitiveInItsOwnBracketAndChangesNothing) {
  THostCase host(CaseName());
  // Pads and vias interleaved over two sizes: groups are written in the order they were formed.
  const std::string board =
      BoardText(true, Pads(1, 118110) + Vias(1, 157480) + Pads(1, 157480) + Vias(1, 118110) + Pads(1, 118110));
  THostResult result = host.RunEditor(board,
                                       "wait-window \"Hole Size Editor\"\n"
                                       "click OK\n"
                                       "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
  EXPECT_EQ(FromStart(Protocol(result)), Bracketed({1, 5, 3, 2, 4}));
  EXPECT_EQ(result.Saved, board);
  for (const std::string& line : result.Trace) {
    // A record write may report the hole size as changed, and nothing else.
    if (line.starts_with("PcbApi_") && line.find("(0, ") != std::string::npos) {
      EXPECT_TRUE(line.find('[') == std::string::npos || line.ends_with("[holeSize]")) << line;
    }
  }
}

TEST(WriteBack, WithPadsExcludedAnEditChangesTheViasOnly) {
  THostCase host(CaseName());
  const std::string board = BoardText(false, Pads(2, 10 * kMil) + Vias(3, 10 * kMil) + Pads(1, 20 * kMil));
  THostResult result = host.RunEditor(board,
                                       "wait-window \"Hole Size Editor\"\n"
                                       "check Pads off\n"
                                       "expect-items @ListBox \"10.000 mil\"\n"
                                       "expect-text @Static \"  Vias : 3\"\n"
                                       "click \"Edit...\"\n"
                                       "wait-window \"Edit Hole Size\"\n"
                                       "set-text @Edit \"14\"\n"
                                       "key enter\n"
                                       "wait-window \"Hole Size Editor\"\n"
                                       "expect-items @ListBox \"14.000 mil\"\n"
                                       "check Pads on\n"
                                       "expect-items @ListBox \"10.000 mil\" \"14.000 mil\" \"20.000 mil\"\n"
                                       "click OK\n"
                                       "wait-no-window \"Hole Size Editor\"\n");
  ExpectScriptPassed(result);
  std::map<int, TSavedHole> saved = SavedHoles(result.Saved);
  EXPECT_EQ(saved[1], (TSavedHole{"pad", 10 * kMil}));
  EXPECT_EQ(saved[2], (TSavedHole{"pad", 10 * kMil}));
  EXPECT_EQ(saved[3], (TSavedHole{"via", 14 * kMil}));
  EXPECT_EQ(saved[5], (TSavedHole{"via", 14 * kMil}));
  EXPECT_EQ(saved[6], (TSavedHole{"pad", 20 * kMil}));
  // The unchanged pads were still rewritten, each in its bracket.
  EXPECT_EQ(FromStart(Protocol(result)), Bracketed({1, 2, 6, 3, 4, 5}));
  EXPECT_EQ(LinesWithoutHoleSizes(result.Saved), LinesWithoutHoleSizes(board));
}

// The editing script of the failure cases: one size edited, OK pressed; the write-back fails on the
// second pad, the host gets the failure (no box of the plug-in's), and the editor stays open with
// the edit, so the user can cancel or try again.
const char kEditThenOkThenCancel[] =
    "wait-window \"Hole Size Editor\"\n"
    "click \"Edit...\"\n"
    "wait-window \"Edit Hole Size\"\n"
    "set-text @Edit \"11mil\"\n"
    "key enter\n"
    "wait-window \"Hole Size Editor\"\n"
    "click OK\n"
    "wait-window \"Hole Size Editor\"\n"
    "expect-items @ListBox \"11.000 mil\"\n"
    "wait-no-window \"Error\"\n"
    "wait-no-window \"Tavrin\"\n"
    "click Cancel\n"
    "wait-no-window \"Hole Size Editor\"\n";

// The first pad keeps its new size; the others were never written.
void ExpectFirstPadWrittenOnly(const THostResult& result) {
  std::map<int, TSavedHole> saved = SavedHoles(result.Saved);
  EXPECT_EQ(saved[1].Size, 11 * kMil);
  EXPECT_EQ(saved[2].Size, 10 * kMil);
  EXPECT_EQ(saved[3].Size, 10 * kMil);
  EXPECT_EQ(result.TraceStarting("IProcessLauncher.RunProcess(\"PCB:Zoom\"").size(), 1u);
}

// The report file the host wrote, read back.
std::string CrashReportOf(const THostResult& result) {
  const std::string marker = "host: crash report written to ";
  size_t at = result.Output.find(marker);
  if (at == std::string::npos) return {};
  size_t end = result.Output.find_first_of("\r\n", at);
  std::string path = result.Output.substr(at + marker.size(), end - at - marker.size());
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// A host failure during the write-back is severe: it goes to the host's exception handling with its
// trimmed description; the process is still closed.
TEST(WriteBack, AHostFailureDuringTheWriteBackClosesTheProcessAndGoesToTheHost) {
  THostCase host(CaseName());
  const std::string board = BoardText(false, Pads(3, 10 * kMil));
  THostResult result = host.RunEditor(
      board, kEditThenOkThenCancel,
      {L"--fail", L"IPCB_PrimitiveObject.BeginModify,2,0x80004005,Board is locked."});
  ExpectScriptPassed(result);
  EXPECT_EQ(FromStart(Protocol(result)),
            (std::vector<std::string>{"start", "begin 1", "read 1", "write 1", "end 1", "begin 2", "end"}));
  ExpectFirstPadWrittenOnly(result);
  EXPECT_TRUE(result.Printed("host: exception: Board is locked at ")) << result.Output;
  ASSERT_EQ(result.TraceStarting("ClientAPI_HandleException(0)").size(), 1u);
  std::string report = CrashReportOf(result);
  EXPECT_NE(report.find("Exception: EOleError\r\nMessage: Board is locked\r\n"), std::string::npos) << report;
  // Not a fault: the report gives the place in the plug-in that raised it.
  EXPECT_NE(report.find("Address: Tavrin.dll+0x"), std::string::npos) << report;
}

// A host that faults inside BeginModify: the fault becomes an exception at the call, so the process
// is closed as for a failing status, the host stays alive and gets the report.
TEST(WriteBack, AnAccessViolationInsideBeginModifyClosesTheProcessAndReachesTheHostWithAReport) {
  THostCase host(CaseName());
  const std::string board = BoardText(false, Pads(3, 10 * kMil));
  THostResult result =
      host.RunEditor(board, kEditThenOkThenCancel, {L"--fault", L"IPCB_PrimitiveObject.BeginModify,2"});
  ExpectScriptPassed(result);
  EXPECT_TRUE(result.Printed("host: access violation injected in IPCB_PrimitiveObject.BeginModify")) << result.Output;
  EXPECT_EQ(FromStart(Protocol(result)),
            (std::vector<std::string>{"start", "begin 1", "read 1", "write 1", "end 1", "end"}));
  ExpectFirstPadWrittenOnly(result);
  EXPECT_TRUE(result.Printed("host: exception: Access violation at address ")) << result.Output;
  std::vector<std::string> set = result.TraceStarting("ClientAPI_SetErrorInfo(\"Access violation at address ");
  ASSERT_EQ(set.size(), 1u) << result.Output;
  ASSERT_EQ(result.TraceStarting("ClientAPI_HandleException(0)").size(), 1u);
  // The handler's end leaves the host's error store cleared.
  auto handled = std::find(result.Trace.begin(), result.Trace.end(), "ClientAPI_HandleException(0) -> void");
  ASSERT_NE(handled, result.Trace.end());
  auto cleared = std::find(handled, result.Trace.end(), "ClientAPI_ClearErrorInfo() -> void");
  EXPECT_NE(cleared, result.Trace.end());
  std::string report = CrashReportOf(result);
  EXPECT_NE(report.find("Exception: EAccessViolation\r\n"), std::string::npos) << report;
  EXPECT_NE(report.find("Code: C0000005 (Access Violation)\r\n"), std::string::npos) << report;
  // The fault is the host's own: its address lies in the host executable.
  EXPECT_NE(report.find("Address: TavrinHost.exe+0x"), std::string::npos) << report;
  EXPECT_NE(report.find("Modules:\r\n"), std::string::npos) << report;
  EXPECT_NE(report.find(" Tavrin.dll\r\n"), std::string::npos) << report;
}

TEST(WriteBack, ASecondOkAfterAFailureWritesEverythingAgain) {
  THostCase host(CaseName());
  const std::string board = BoardText(false, Pads(2, 10 * kMil));
  THostResult result = host.RunEditor(
      board,
      "wait-window \"Hole Size Editor\"\n"
      "click OK\n"
      "wait-window \"Hole Size Editor\"\n"
      "click OK\n"
      "wait-no-window \"Hole Size Editor\"\n",
      {L"--fail", L"IPCB_ServerInterface.GetPrimitiveInterface,2,0x80004005,Busy"});
  ExpectScriptPassed(result);
  EXPECT_EQ(FromStart(Protocol(result)),
            (std::vector<std::string>{"start", "begin 1", "read 1", "write 1", "end 1", "end",  //
                                      "start", "begin 1", "read 1", "write 1", "end 1", "begin 2",
                                      "read 2", "write 2", "end 2", "end"}));
  EXPECT_EQ(result.Saved, board);
}

// The write-back is one process, so the host's Edit > Undo (Alt+E, U) takes back every size at once.
TEST(WriteBack, OneUndoInTheHostTakesBackTheWholeWriteBack) {
  THostCase host(CaseName());
  const std::string board = BoardText(true, Pads(3, 118110) + Vias(4, 157480) + Pads(2, 157480));
  THostResult result = host.RunEditor(board,
                                       "wait-window \"Hole Size Editor\"\n"
                                       "select @ListBox \"0.4000 mm\" ctrl\n"
                                       "click \"Edit...\"\n"
                                       "wait-window \"Edit Hole Size\"\n"
                                       "set-text @Edit \"0.5mm\"\n"
                                       "key enter\n"
                                       "wait-window \"Hole Size Editor\"\n"
                                       "expect-items @ListBox \"0.5000 mm\"\n"
                                       "click OK\n"
                                       "wait-no-window \"Hole Size Editor\"\n"
                                       "wait-window \"Tavrin Host\"\n"
                                       "key alt+e\n"
                                       "key u\n");
  ExpectScriptPassed(result);
  EXPECT_EQ(result.TraceStarting("Undo").size(), 1u);
  EXPECT_EQ(result.Saved, board);
}

TEST(WriteBack, CancelWritesNothingYetAsksForTheRedrawWithItsOwnParameters) {
  THostCase host(CaseName());
  const std::string board = BoardText(true, Pads(2, 118110) + Vias(2, 157480));
  THostResult result = host.RunEditor(board,
                                       "wait-window \"Hole Size Editor\"\n"
                                       "click \"Edit...\"\n"
                                       "wait-window \"Edit Hole Size\"\n"
                                       "set-text @Edit \"0.9mm\"\n"
                                       "key enter\n"
                                       "wait-window \"Hole Size Editor\"\n"
                                       "expect-items @ListBox \"0.4000 mm\" \"0.9000 mm\"\n"
                                       "key escape\n"
                                       "wait-no-window \"Hole Size Editor\"\n",
                                       {L"--parameters", L"Zoom=Fit|Action=Other"});
  ExpectScriptPassed(result);
  EXPECT_EQ(result.Saved, board);
  EXPECT_TRUE(result.TraceStarting("IPCB_ServerInterface.ProcessStart").empty());
  // Other processes are the help advisor's; the board is redrawn once.
  std::vector<std::string> zoom = result.TraceStarting("IProcessLauncher.RunProcess(\"PCB:");
  ASSERT_EQ(zoom.size(), 1u);
  EXPECT_TRUE(zoom[0].starts_with("IProcessLauncher.RunProcess(\"PCB:Zoom\", \"Action=Redraw\", 256,"))
      << zoom[0];
}

}  // namespace
