// The "Run" command around the editor: the refusals without a PCB board, test mode, and the main
// job's own demo script on the bundled board.

#include <gtest/gtest.h>

#include "base/text_convert.h"
#include "editor_case.h"
#include "tests/e2e/automation/png_reader.h"

namespace {

struct RefusalCase {
  const char* Name;
  const wchar_t* Document;
  const char* Message;
};

class Refusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, ShowsItsInformationMessageAndNeitherTheEditorNorTheRedraw) {
  THostCase host(case_name());
  THostResult result = host.run_editor(board_text(true, pads(1, 118110)),
                                       std::string("wait-window \"Information\"\n"
                                                   "expect-text \"") + GetParam().Message + "\" \"" +
                                           GetParam().Message + "\"\n"
                                           "click OK\n"
                                           "wait-no-window \"Information\"\n",
                                       {L"--document", GetParam().Document});
  expect_script_passed(result);
  EXPECT_FALSE(result.printed("Hole Size Editor"));
  EXPECT_TRUE(result.trace_starting("IProcessLauncher.RunProcess(").empty());
  EXPECT_TRUE(result.printed("LaunchCommand -> 0x00000000")) << result.Output;
}

INSTANTIATE_TEST_SUITE_P(
    Documents, Refusal,
    testing::Values(RefusalCase{"NoDocument", L"none", "No document is currently open in Client."},
                    RefusalCase{"NotAPcb", L"other", "No PCB Board is currently open in Client."}),
    [](const auto& info) { return std::string(info.param.Name); });

// The headless main job: the bundled demo script on the bundled board.
TEST(RunCommand, TheDemoScriptChangesTheBundledBoardAndTakesAScreenshot) {
  THostCase host(case_name());
  const std::wstring source = TAVRIN_SOURCE_DIR L"/hostkit/automation-scripts/";
  const std::string board = read_text_file(source + L"demo-board.json");
  ASSERT_FALSE(board.empty());
  // The script writes its screenshot below the working folder, as scripts/demo runs it.
  CreateDirectoryW((host.Folder() + L"\\build").c_str(), nullptr);
  CreateDirectoryW((host.Folder() + L"\\build\\demo").c_str(), nullptr);
  THostResult result = host.run({L"--board", source + L"demo-board.json", L"--command", L"Run",
                                 L"--script", source + L"demo.script"});
  expect_script_passed(result);

  std::map<int, TSavedHole> before = saved_holes(board), after = saved_holes(result.Saved);
  ASSERT_EQ(after.size(), before.size());
  int changed = 0;
  for (const auto& [handle, hole] : before) {
    const bool was_03mm = hole.Size == mm_units(0.3);
    EXPECT_EQ(after[handle].Size, was_03mm ? mm_units(0.35) : hole.Size) << "handle " << handle;
    changed += was_03mm;
  }
  EXPECT_EQ(changed, 8);
  EXPECT_EQ(lines_without_hole_sizes(result.Saved), lines_without_hole_sizes(board));

  TRgbImage shot;
  std::string error;
  ASSERT_TRUE(read_png_file(to_ansi(host.Folder()) + "\\build\\demo\\hole-size-editor.png", shot,
                            error))
      << error;
  EXPECT_GT(shot.Width, 268);
  EXPECT_GT(shot.Height, 266);
}

}  // namespace
