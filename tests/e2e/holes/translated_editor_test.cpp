// The Hole Size Editor in the host's language: the host's translation manager gives every text of
// the layout, and the dialog still works by its designed items (units, buttons).

#include <gtest/gtest.h>

#include "editor_case.h"

namespace {

constexpr int32_t k03mm = 118110;  // 0.3 mm

// A metric board opens with the metric item chosen although its text is translated, and a size
// typed without a unit is read in the chosen unit.
TEST(TranslatedEditor, GermanDialogKeepsTheBoardsUnit) {
  THostCase host(case_name());
  THostResult result = host.run_editor(
      board_text(true, pads(2, k03mm) + vias(1, k03mm)),
      "wait-window \"Bohrungsgrößen-Editor\"\n"
      "expect-checked Metrisch on\n"
      "expect-checked Zoll off\n"
      "expect-checked \"&Pads\" on\n"
      "expect-items @ListBox \"0.3000 mm\"\n"
      "click \"&Ändern...\"\n"
      "wait-window \"Bohrungsgröße ändern\"\n"
      "expect-text Bohrungsgröße \"Bohrungsgröße\"\n"
      "set-text @Edit \"0.35\"\n"
      "click OK\n"
      "wait-no-window \"Bohrungsgröße ändern\"\n"
      "wait-window \"Bohrungsgrößen-Editor\"\n"
      "expect-items @ListBox \"0.3500 mm\"\n"
      "click Zoll\n"
      "expect-items @ListBox \"13.780 mil\"\n"
      "click Abbrechen\n"
      "wait-no-window \"Bohrungsgrößen-Editor\"\n",
      {L"--language", L"de"});
  expect_script_passed(result);
}

TEST(TranslatedEditor, FrenchDialogShowsItsTexts) {
  THostCase host(case_name());
  THostResult result = host.run_editor(
      board_text(false, pads(1, 10 * kMil)),
      "wait-window \"Éditeur des diamètres de perçage\"\n"
      "expect-checked Impérial on\n"
      "expect-checked \"&Pads\" on\n"
      "expect-checked \"&Vias\" on\n"
      "expect-text \"&Éditer...\" \"&Éditer...\"\n"
      "click Annuler\n"
      "wait-no-window \"Éditeur des diamètres de perçage\"\n",
      {L"--language", L"fr"});
  expect_script_passed(result);
}

// Localised dialogs off: the designed texts stay, the translations become the controls' hints.
TEST(TranslatedEditor, HintTranslationsKeepTheDesignedTexts) {
  THostCase host(case_name());
  THostResult result = host.run_editor(board_text(true, pads(1, k03mm)),
                                       "wait-window \"Hole Size Editor\"\n"
                                       "expect-checked Metric on\n"
                                       "expect-text \"&Edit...\" \"&Edit...\"\n"
                                       "click Cancel\n"
                                       "wait-no-window \"Hole Size Editor\"\n",
                                       {L"--language", L"de", L"--hint-translations"});
  expect_script_passed(result);
  EXPECT_FALSE(result.trace_starting("ITranslationManager.LookupTranslation(\"EditButton\", \"Caption.'&Edit...'\") -> 0x00000000 translation=").empty());
}

}  // namespace
