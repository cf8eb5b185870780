#include "dialogs/theme_kind.h"

#include <gtest/gtest.h>

struct KindCase {
  bool styles, preferred;
  int major, minor;
  TThemeKind kind;
};

class ThemeKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(ThemeKindTest, FollowsStylesPreferenceAndVersion) {
  const KindCase& c = GetParam();
  EXPECT_EQ(ChooseThemeKind(c.styles, c.preferred, c.major, c.minor), c.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, ThemeKindTest,
    ::testing::Values(
        // Visual styles win whatever the preference and version say.
        KindCase{true, true, 5, 0, tkVisualStyles}, KindCase{true, false, 4, 0, tkVisualStyles},
        KindCase{true, true, 10, 0, tkVisualStyles},
        // Before 5.1 the preference decides.
        KindCase{false, true, 5, 0, tkEmulated}, KindCase{false, true, 4, 10, tkEmulated},
        KindCase{false, false, 5, 0, tkClassic},
        // From 5.1 on, never the emulated theme.
        KindCase{false, true, 5, 1, tkClassic}, KindCase{false, true, 5, 2, tkClassic},
        KindCase{false, true, 6, 0, tkClassic}, KindCase{false, true, 10, 0, tkClassic}));
