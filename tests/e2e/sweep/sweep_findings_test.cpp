// What the fault sweep found, each kept as a case of its own: the session with one chosen call
// failing, faulting or missing, judged as the sweep judges every run, and with what the user or the
// host must have been told.

#include <gtest/gtest.h>

#include "sweep_session.h"
#include "tests/e2e/holes/board_text.h"

namespace {

class SweepFinding : public testing::Test {
 protected:
  THostResult Run(const std::vector<std::wstring>& arguments) {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    return session_.Run(std::string("finding-") + info->name(), arguments);
  }
  void ExpectSound(const THostResult& result) {
    const std::vector<std::string> findings = session_.Findings(result);
    for (const std::string& finding : findings) ADD_FAILURE() << finding;
    if (!findings.empty()) ADD_FAILURE() << result.Output;
  }
  TSweepSession session_;
};

// A fault inside a flat export of the host while the library starts (the translation manager is
// asked for then) was not caught: the library failed to load. The start step now fails alone.
TEST_F(SweepFinding, AFaultInsideAHostExportAtLoadLeavesThePluginLoaded) {
  for (const wchar_t* rule : {L"ClientAPI_GetTranslationManager,1", L"ClientAPI_GetPrefUseLuna,1",
                              L"ClientAPI_GetClientInterface,1"}) {
    THostResult result = Run({L"--fault", rule});
    EXPECT_TRUE(result.Printed("host: access violation injected in ClientAPI_")) << result.Output;
    EXPECT_FALSE(result.Printed("LoadLibrary \"Tavrin.dll\" failed")) << result.Output;
    EXPECT_TRUE(result.Printed("host: Release plug-in module -> 0")) << result.Output;
    ExpectSound(result);
  }
}

// A fault inside a flat export while a dialog is up (its layout asks for the translation manager)
// reaches the host as an exception at the call; the host stays up.
TEST_F(SweepFinding, AFaultInsideAHostExportLaterIsReportedToTheHost) {
  THostResult result = Run({L"--fault", L"ClientAPI_GetTranslationManager,5"});
  EXPECT_TRUE(result.Printed("host: access violation injected in ClientAPI_GetTranslationManager")) << result.Output;
  ExpectSound(result);
}

// A pad record that could not be read was listed with a hole size of 0, which the user could then
// write back; a module without the record's export did the same for every pad. The editor now
// refuses to open and the host is told why; nothing is written.
TEST_F(SweepFinding, APadThatCannotBeReadKeepsTheEditorClosed) {
  for (const std::vector<std::wstring>& arguments :
       {std::vector<std::wstring>{L"--fail", L"PcbApi_QueryPad,2,0x80004005,Busy"},
        std::vector<std::wstring>{L"--remove-export", L"PcbApi_QueryPad"}}) {
    THostResult result = Run(arguments);
    EXPECT_TRUE(result.Printed("host: LaunchCommand -> 0x8000FFFF")) << result.Output;
    EXPECT_TRUE(result.Printed("cannot be read from the board.")) << result.Output;
    EXPECT_TRUE(result.Printed("script: stopped at line 2: wait-window \"Hole Size Editor\"")) << result.Output;
    EXPECT_EQ(result.Saved, session_.Board());
    ExpectSound(result);
  }
}

// In the write-back a primitive whose kind the host would not tell, or whose record the host
// refused, was skipped without a word and OK closed the editor as if every size were written. Now
// the user gets an error message, the process and the primitive's modification are closed, and the
// editor stays open (here the user then cancels).
TEST_F(SweepFinding, AWriteBackThatCannotWriteAPrimitiveTellsTheUser) {
  struct TCase {
    const wchar_t* Rule;
    const char* Message;
  };
  // Pads 1, 2 and 4 are read when the editor opens; the write-back reads pad 1 (5th call) and
  // writes it (6th... counted per operation: read 4, write 5).
  for (const TCase& c : {TCase{L"PcbApi_GetObjectIdFromObjectHandle,2,0x80004005,Gone",
                               "The hole size of primitive 2 could not be written to the board."},
                         TCase{L"PcbApi_QueryPad,5,0x80004005,Locked",
                               "The hole size of pad 1 could not be written to the board."}}) {
    THostResult result = Run({L"--fail", c.Rule});
    EXPECT_TRUE(result.Printed(std::string("script: message \"Error\": \"") + c.Message + "\"")) << result.Output;
    EXPECT_TRUE(result.Printed("script: cancelled \"Hole Size Editor\"")) << result.Output;
    EXPECT_EQ(result.TraceStarting("IPCB_ServerInterface.ProcessEnd").size(), 1u);
    ExpectSound(result);
  }
}

// A closing bracket that the host fails (or faults in) still counts as made: the plug-in did its
// part. The PCB module used to record it as an open bracket of the plug-in's.
TEST_F(SweepFinding, AFailingCloseOfABracketIsNoProtocolViolation) {
  for (const std::vector<std::wstring>& arguments :
       {std::vector<std::wstring>{L"--fail", L"IPCB_PrimitiveObject.EndModify,1,0x80004005,No"},
        std::vector<std::wstring>{L"--fault", L"IPCB_ServerInterface.ProcessEnd,1"}}) {
    THostResult result = Run(arguments);
    EXPECT_TRUE(result.TraceStarting("PROTOCOL VIOLATION").empty()) << result.Output;
    ExpectSound(result);
  }
}

// The PCB server is looked up afresh for ProcessEnd; when that look-up failed (the 6th, after the
// check, ProcessStart and the three primitives) ProcessEnd was never called and the host's process
// stayed open. It is now ended on the server it was started on, and the failure still reported.
TEST_F(SweepFinding, AFailedLookUpForProcessEndStillEndsTheProcess) {
  for (const std::vector<std::wstring>& arguments :
       {std::vector<std::wstring>{L"--fail", L"IClient.GetServerModule,6,0x80004005,Server busy"},
        std::vector<std::wstring>{L"--fault", L"IClient.GetServerModule,6"}}) {
    THostResult result = Run(arguments);
    EXPECT_EQ(result.TraceStarting("IPCB_ServerInterface.ProcessEnd").size(), 1u) << result.Output;
    EXPECT_TRUE(result.TraceStarting("PROTOCOL VIOLATION").empty()) << result.Output;
    EXPECT_TRUE(result.Printed("host: exception: ")) << result.Output;
    ExpectSound(result);
  }
}

}  // namespace
