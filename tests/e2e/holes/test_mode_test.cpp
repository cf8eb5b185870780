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
  THostCase host(case_name());
  THostResult result = host.run_editor(board_text(true, pads(1, 118110)), "",
                                       {L"--document", L"none", L"--test-mode"});
  EXPECT_EQ(result.ExitCode, 1u) << result.Output;
  EXPECT_TRUE(result.printed("No document is currently open in Client.")) << result.Output;
  EXPECT_FALSE(result.printed("No PCB Board"));
}

TEST_F(TestMode, TheEditorPrintsItsLineAndEndsTheProcess) {
  THostCase host(case_name());
  THostResult result = host.run_editor(board_text(true, pads(1, 118110)), "", {L"--test-mode"});
  EXPECT_EQ(result.ExitCode, 1u) << result.Output;
  EXPECT_TRUE(result.printed("Running modal dialog THoleSizeEditor Hole Size Editor")) << result.Output;
  EXPECT_TRUE(result.trace_starting("IPCB_ServerInterface.ProcessStart").empty());
}

// The host's translation manager: the editor's caption is the one the translation file gives.
TEST_F(TestMode, TheEditorShowsTheTranslatedCaption) {
  struct Case {
    const wchar_t* language;
    const wchar_t* caption;
  };
  for (const Case& c : {Case{L"de", L"Bohrungsgr\u00f6\u00dfen-Editor"},
                        Case{L"fr", L"\u00c9diteur des diam\u00e8tres de per\u00e7age"}}) {
    THostCase host(case_name() + "_" + to_ansi(c.language));
    THostResult result = host.run_editor(board_text(true, pads(1, 118110)), "",
                                         {L"--test-mode", L"--language", c.language});
    EXPECT_EQ(result.ExitCode, 1u) << result.Output;
    EXPECT_TRUE(result.printed("Running modal dialog THoleSizeEditor " + to_ansi(c.caption))) << result.Output;
    EXPECT_FALSE(result.trace_starting("ITranslationManager.SetFormContext(\"HoleSizeEditor\")").empty());
    EXPECT_FALSE(result.trace_starting("ITranslationManager.SetFormContext(\"\")").empty());
  }
}

// Localised dialogs off: the caption keeps its designed text; the translation only becomes hints.
TEST_F(TestMode, HintTranslationsKeepTheDesignedCaption) {
  THostCase host(case_name());
  THostResult result = host.run_editor(board_text(true, pads(1, 118110)), "",
                                       {L"--test-mode", L"--language", L"de", L"--hint-translations"});
  EXPECT_EQ(result.ExitCode, 1u) << result.Output;
  EXPECT_TRUE(result.printed("Running modal dialog THoleSizeEditor Hole Size Editor")) << result.Output;
  EXPECT_FALSE(result.trace_starting("ITranslationManager.LookupTranslation(\"OKButton\", \"Caption.'OK'\")").empty());
}

// A translation manager that fails while the layout is read ends the command with the error, which
// the host reads as the command's error information; no dialog is shown and nothing is written.
TEST_F(TestMode, AFailingTranslationManagerEndsTheEditorsConstruction) {
  THostCase host(case_name());
  THostResult result = host.run_editor(
      board_text(true, pads(1, 118110)), "",
      {L"--test-mode", L"--language", L"de", L"--fail", L"ITranslationManager.LookupTranslation,3,0x80004005,No dictionary"});
  EXPECT_EQ(result.ExitCode, 0u) << result.Output;
  EXPECT_FALSE(result.printed("Running modal dialog")) << result.Output;
  EXPECT_TRUE(result.printed("host: LaunchCommand -> 0x8000FFFF")) << result.Output;
  EXPECT_TRUE(result.printed("property Caption: No dictionary")) << result.Output;
  EXPECT_TRUE(result.trace_starting("IPCB_ServerInterface.ProcessStart").empty());
}

}  // namespace
