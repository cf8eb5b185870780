// The "Run" command around the editor: the refusals without a PCB board, test mode, and the main
// job's own demo script on the bundled board.

#include <gtest/gtest.h>

#include "base/text_convert.h"
#include "editor_case.h"
#include "tests/hostkit/host/automation/png_reader.h"

namespace {

struct TRefusalCase {
  const char* Name;
  const wchar_t* Document;
  const char* Message;
};

class Refusal : public testing::TestWithParam<TRefusalCase> {};

TEST_P(Refusal, ShowsItsInformationMessageAndNeitherTheEditorNorTheRedraw) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(BoardText(true, Pads(1, 118110)),
                                       std::string("wait-window \"Information\"\n"
                                                   "expect-text \"") + GetParam().Message + "\" \"" +
                                           GetParam().Message + "\"\n"
                                           "click OK\n"
                                           "wait-no-window \"Information\"\n",
                                       {L"--document", GetParam().Document});
  ExpectScriptPassed(result);
  EXPECT_FALSE(result.Printed("Hole Size Editor"));
  EXPECT_TRUE(result.TraceStarting("IProcessLauncher.RunProcess(").empty());
  EXPECT_TRUE(result.Printed("LaunchCommand -> 0x00000000")) << result.Output;
}

INSTANTIATE_TEST_SUITE_P(
    Documents, Refusal,
    testing::Values(TRefusalCase{"NoDocument", L"none", "No document is currently open in Client."},
                    TRefusalCase{"NotAPcb", L"other", "No PCB Board is currently open in Client."}),
    [](const auto& info) { return std::string(info.param.Name); });

// The headless main job: the bundled demo script on the bundled board.
TEST(RunCommand, TheDemoScriptChangesTheBundledBoardAndTakesAScreenshot) {
  THostCase host(CaseName());
  const std::wstring source = TAVRIN_SOURCE_DIR L"/hostkit/automation-scripts/";
  const std::string board = ReadTextFile(source + L"demo-board.json");
  ASSERT_FALSE(board.empty());
  // The script writes its screenshot below the working folder, as scripts/demo runs it.
  CreateDirectoryW((host.Folder() + L"\\build").c_str(), nullptr);
  CreateDirectoryW((host.Folder() + L"\\build\\demo").c_str(), nullptr);
  THostResult result = host.Run({L"--board", source + L"demo-board.json", L"--command", L"Run",
                                 L"--script", source + L"demo.script"});
  ExpectScriptPassed(result);

  std::map<int, TSavedHole> before = SavedHoles(board), after = SavedHoles(result.Saved);
  ASSERT_EQ(after.size(), before.size());
  int changed = 0;
  for (const auto& [handle, hole] : before) {
    const bool was_03mm = hole.Size == MmUnits(0.3);
    EXPECT_EQ(after[handle].Size, was_03mm ? MmUnits(0.35) : hole.Size) << "handle " << handle;
    changed += was_03mm;
  }
  EXPECT_EQ(changed, 8);
  EXPECT_EQ(LinesWithoutHoleSizes(result.Saved), LinesWithoutHoleSizes(board));

  TRgbImage shot;
  std::string error;
  ASSERT_TRUE(ReadPngFile(ToAnsi(host.Folder()) + "\\build\\demo\\hole-size-editor.png", shot,
                            error))
      << error;
  EXPECT_GT(shot.Width, 268);
  EXPECT_GT(shot.Height, 266);
}

}  // namespace
