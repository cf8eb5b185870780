#include "dialogs/theme_kind.h"

#include <gtest/gtest.h>

struct TKindCase {
  bool styles, preferred;
  int major, minor;
  TThemeKind kind;
};

class ThemeKindTest : public ::testing::TestWithParam<TKindCase> {};

TEST_P(ThemeKindTest, FollowsStylesPreferenceAndVersion) {
  const TKindCase& c = GetParam();
  EXPECT_EQ(ChooseThemeKind(c.styles, c.preferred, c.major, c.minor), c.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, ThemeKindTest,
    ::testing::Values(
        // Visual styles win whatever the preference and version say.
        TKindCase{true, true, 5, 0, tkVisualStyles}, TKindCase{true, false, 4, 0, tkVisualStyles},
        TKindCase{true, true, 10, 0, tkVisualStyles},
        // Before 5.1 the preference decides.
        TKindCase{false, true, 5, 0, tkEmulated}, TKindCase{false, true, 4, 10, tkEmulated},
        TKindCase{false, false, 5, 0, tkClassic},
        // From 5.1 on, never the emulated theme.
        TKindCase{false, true, 5, 1, tkClassic}, TKindCase{false, true, 5, 2, tkClassic},
        TKindCase{false, true, 6, 0, tkClassic}, TKindCase{false, true, 10, 0, tkClassic}));
