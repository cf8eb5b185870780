#include "hostkit/host/automation/script.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptParse, ReadsVerbsQuotedTextsAndSkipsComments) {
  TScript script;
  std::string error;
  ASSERT_TRUE(ParseScript("# a comment\n"
                           "\n"
                           "  wait-window \"Hole Size Editor\"\r\n"
                           "select @ListBox \"12.000 mil\" ctrl\n"
                           "set-text @Edit \"say \\\"hi\\\" \\\\ now\"\n"
                           "expect-items @ListBox\n"
                           "report-times on\n"
                           "timeout 0.5",
                           script, error))
      << error;
  ASSERT_EQ(script.Steps.size(), 6u);
  EXPECT_EQ(script.Steps[0].Line, 3);
  EXPECT_EQ(script.Steps[0].Verb, "wait-window");
  EXPECT_EQ(script.Steps[0].Args, std::vector<std::string>{"Hole Size Editor"});
  EXPECT_EQ(script.Steps[1].Args, (std::vector<std::string>{"@ListBox", "12.000 mil", "ctrl"}));
  EXPECT_EQ(script.Steps[2].Args[1], "say \"hi\" \\ now");
  EXPECT_TRUE(script.Steps[3].Args.size() == 1);
  EXPECT_EQ(script.Steps[4].Args, std::vector<std::string>{"on"});
  EXPECT_EQ(script.Steps[5].Line, 8);
}

TEST(ScriptParse, StepTextReadsBackAsTheSameStep) {
  TScript script, again;
  std::string error;
  ASSERT_TRUE(ParseScript("set-text @Edit \"a \\\"b\\\"\\tc\\\\\"", script, error)) << error;
  ASSERT_TRUE(ParseScript(StepText(script.Steps[0]), again, error)) << error;
  EXPECT_EQ(again.Steps[0].Args, script.Steps[0].Args);
}

struct TBadScript {
  const char* Text;
  const char* Error;
};

class ScriptParseRejects : public testing::TestWithParam<TBadScript> {};

TEST_P(ScriptParseRejects, WithTheLineAndTheReason) {
  TScript script;
  std::string error;
  EXPECT_FALSE(ParseScript(GetParam().Text, script, error));
  EXPECT_EQ(error, GetParam().Error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptParseRejects,
    testing::Values(
        TBadScript{"wait-window \"A\"\nfrobnicate", "line 2: unknown verb frobnicate"},
        TBadScript{"click", "line 1: click takes 1 arguments, not 0"},
        TBadScript{"check \"&Pads\"", "line 1: check takes 2 arguments, not 1"},
        TBadScript{"select @ListBox a ctrl extra", "line 1: select takes 2 to 3 arguments, not 4"},
        TBadScript{"expect-items", "line 1: expect-items takes 1 or more arguments, not 0"},
        TBadScript{"print-controls now", "line 1: print-controls takes 0 arguments, not 1"},
        TBadScript{"click \"OK", "line 1: unterminated quoted text"},
        TBadScript{"click \"OK\"x", "line 1: a quoted text must be followed by a blank"},
        TBadScript{"click O\"K\"", "line 1: a quote inside a bare word"},
        TBadScript{"echo \"\\q\"", "line 1: unknown escape \\q"},
        TBadScript{"check \"&Pads\" yes", "line 1: check needs on or off"},
        TBadScript{"expect-enabled OK maybe", "line 1: expect-enabled needs on or off"},
        TBadScript{"select @ListBox a alt", "line 1: select takes plain, ctrl or shift"},
        TBadScript{"report-times always", "line 1: report-times needs on or off"},
        TBadScript{"on-stop ignore", "line 1: on-stop needs finish or fail"},
        TBadScript{"timeout 0", "line 1: timeout needs seconds between 0 and 600"},
        TBadScript{"timeout 5s", "line 1: timeout needs seconds between 0 and 600"},
        TBadScript{"timeout 601", "line 1: timeout needs seconds between 0 and 600"}));

}  // namespace
