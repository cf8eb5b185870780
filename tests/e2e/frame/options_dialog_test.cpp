// The host kit's options dialog: Tavrin offers no options page or view, so the dialog stays empty;
// a server that offers them (OptionsServer.dll, the tests' own) gets them embedded in the dialog's
// page area through the host's holder, and released with the dialog.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/e2e/support/host_run.h"

namespace {

TEST(OptionsDialog, TavrinOffersNothingAndTheDialogStaysEmpty) {
  THostRun run = RunHost({L"--probe", L"options", L"--options-page", L"General",
                           L"--options-view", L"Grid"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  for (const char* line : {"host: options page \"General\" of Tavrin -> 0x00000000 page=null",
                           "host: options view \"Grid\" of Tavrin -> 0x00000000 view=null",
                           "host: options dialog pages=0",
                           "host: options dialog closed holder references=1"})
    EXPECT_TRUE(run.OutputHas(line)) << line << "\n" << run.Describe();
  EXPECT_EQ(run.TraceCount("IExternalFormHolder."), 0);
}

TEST(OptionsDialog, OfferedPagesAreEmbeddedInThePageAreaAndReleased) {
  THostRun run = RunHost({L"--plugin", L"OptionsServer.dll", L"--pcb-module", L"none", L"--probe",
                           L"options", L"--options-view", L"Grid"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  for (const char* line : {"host: options page \"General\" of Options -> 0x00000000 page=present",
                           "host: options view \"Grid\" of Options -> 0x00000000 view=present",
                           "host: options dialog pages=2",
                           "host: options embed \"Options: General\" -> 0x00000000",
                           "host: options page embedded=yes fills area=yes",
                           "host: options cancel \"Options: General\" -> 0x00000000",
                           "host: options dialog closed holder references=1",
                           "host: Release plug-in module -> 0", "host: plug-in library unloaded"})
    EXPECT_TRUE(run.OutputHas(line)) << line << "\n" << run.Describe();
  EXPECT_GE(run.TraceIndex("IExternalFormHolder.GetParentWindow() -> 0x00000000 window=present"), 0)
      << run.Describe();
}

TEST(OptionsDialog, AFailingHolderLeavesThePageOutAndTheHostReadsWhy) {
  THostRun run = RunHost({L"--plugin", L"OptionsServer.dll", L"--pcb-module", L"none", L"--probe",
                           L"options", L"--fail",
                           L"IExternalFormHolder.GetParentWindow,1,0x80004005,No page area"});
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  EXPECT_TRUE(run.OutputHas("host: options embed \"Options: General\" -> 0x8000FFFF"))
      << run.Describe();
  EXPECT_TRUE(run.OutputHas(
      "host: error info source=\"OptionsServer.dll\" description=\"No page area\""))
      << run.Describe();
  EXPECT_TRUE(run.OutputHas("host: options page embedded=no fills area=no")) << run.Describe();
  EXPECT_TRUE(run.OutputHas("host: options dialog closed holder references=1")) << run.Describe();
}

// The dialog as a user meets it: the offered pages in the list, the selected one embedded, OK.
TEST(OptionsDialog, AUserSwitchesPagesAndAcceptsThenEveryPageIsAskedToSave) {
  std::wstring script_path = UniqueTempPath(L"options.script");
  std::wstring picture = UniqueTempPath(L"options.png");
  std::string picture_text(picture.begin(), picture.end());
  for (char& c : picture_text)
    if (c == '\\') c = '/';
  FILE* script = _wfopen(script_path.c_str(), L"w");
  ASSERT_NE(script, nullptr);
  std::fprintf(script,
               "wait-window Options\n"
               "expect-items @ListBox \"Options: General\" \"Options: Grid\"\n"
               "expect-text @Edit \"Quorvel user\"\n"
               "select @ListBox \"Options: Grid\"\n"
               "expect-text \"Grid options*\" \"Grid options of the open document\"\n"
               "screenshot \"%s\"\n"
               "click OK\n"
               "wait-no-window Options\n",
               picture_text.c_str());
  std::fclose(script);
  THostRun run = RunHost({L"--plugin", L"OptionsServer.dll", L"--pcb-module", L"none",
                           L"--options-view", L"Grid", L"--options-dialog", L"--script",
                           script_path});
  _wremove(script_path.c_str());
  _wremove(picture.c_str());
  ASSERT_EQ(run.ExitCode, 0) << run.Describe();
  for (const char* line : {"script: done", "host: options embed \"Options: Grid\" -> 0x00000000",
                           "host: options save \"Options: General\" -> 0x00000000",
                           "host: options save \"Options: Grid\" -> 0x8000FFFF",
                           "host: error info source=\"OptionsServer.dll\" description=\"The grid is locked\"",
                           "host: options dialog closed holder references=1"})
    EXPECT_TRUE(run.OutputHas(line)) << line << "\n" << run.Describe();
}

}  // namespace
