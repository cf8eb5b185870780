// The host kit's options dialog: Tavrin offers no options page or view, so the dialog stays empty;
// a server that offers them (OptionsServer.dll, the tests' own) gets them embedded in the dialog's
// page area through the host's holder, and released with the dialog.

#include <gtest/gtest.h>

#include "tests/e2e/support/host_run.h"

namespace {

TEST(OptionsDialog, TavrinOffersNothingAndTheDialogStaysEmpty) {
  THostRun run = run_host({L"--probe", L"options", L"--options-page", L"General",
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
  THostRun run = run_host({L"--plugin", L"OptionsServer.dll", L"--pcb-module", L"none", L"--probe",
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
  THostRun run = run_host({L"--plugin", L"OptionsServer.dll", L"--pcb-module", L"none", L"--probe",
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

}  // namespace
