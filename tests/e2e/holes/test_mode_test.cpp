// The "Run" command in test mode: every dialog and message prints one line and ends the process
// with exit code 1. The test-mode key is one for the whole Wine prefix and every host run sets or
// removes it, so these cases run alone (RUN_SERIAL).

#include <gtest/gtest.h>
#include <windows.h>

#include "base/text_convert.h"
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

// The host's translation manager: the editor's caption is the one the translation file gives.
TEST_F(TestMode, TheEditorShowsTheTranslatedCaption) {
  struct TCase {
    const wchar_t* language;
    const wchar_t* caption;
  };
  for (const TCase& c : {TCase{L"de", L"Bohrungsgr\u00f6\u00dfen-Editor"},
                        TCase{L"fr", L"\u00c9diteur des diam\u00e8tres de per\u00e7age"}}) {
    THostCase host(CaseName() + "_" + ToAnsi(c.language));
    THostResult result = host.RunEditor(BoardText(true, Pads(1, 118110)), "",
                                         {L"--test-mode", L"--language", c.language});
    EXPECT_EQ(result.ExitCode, 1u) << result.Output;
    EXPECT_TRUE(result.Printed("Running modal dialog THoleSizeEditor " + ToAnsi(c.caption))) << result.Output;
    EXPECT_FALSE(result.TraceStarting("ITranslationManager.SetFormContext(\"HoleSizeEditor\")").empty());
    EXPECT_FALSE(result.TraceStarting("ITranslationManager.SetFormContext(\"\")").empty());
  }
}

// Localised dialogs off: the caption keeps its designed text; the translation only becomes hints.
TEST_F(TestMode, HintTranslationsKeepTheDesignedCaption) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(BoardText(true, Pads(1, 118110)), "",
                                       {L"--test-mode", L"--language", L"de", L"--hint-translations"});
  EXPECT_EQ(result.ExitCode, 1u) << result.Output;
  EXPECT_TRUE(result.Printed("Running modal dialog THoleSizeEditor Hole Size Editor")) << result.Output;
  EXPECT_FALSE(result.TraceStarting("ITranslationManager.LookupTranslation(\"OKButton\", \"Caption.'OK'\")").empty());
}

// A translation manager that fails while the layout is read ends the command with the error, which
// the host reads as the command's error information; no dialog is shown and nothing is written.
TEST_F(TestMode, AFailingTranslationManagerEndsTheEditorsConstruction) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(
      BoardText(true, Pads(1, 118110)), "",
      {L"--test-mode", L"--language", L"de", L"--fail", L"ITranslationManager.LookupTranslation,3,0x80004005,No dictionary"});
  EXPECT_EQ(result.ExitCode, 0u) << result.Output;
  EXPECT_FALSE(result.Printed("Running modal dialog")) << result.Output;
  EXPECT_TRUE(result.Printed("host: LaunchCommand -> 0x8000FFFF")) << result.Output;
  EXPECT_TRUE(result.Printed("property Caption: No dictionary")) << result.Output;
  EXPECT_TRUE(result.TraceStarting("IPCB_ServerInterface.ProcessStart").empty());
}

}  // namespace
