// The Hole Size Editor in the host's language: the host's translation manager gives every text of
// the layout, and the dialog still works by its designed items (units, buttons).

#include <gtest/gtest.h>

#include "editor_case.h"

namespace {

constexpr int32_t k03mm = 118110;  // 0.3 mm

// A metric board opens with the metric item chosen although its text is translated, and a size
// typed without a unit is read in the chosen unit.
TEST(TranslatedEditor, GermanDialogKeepsTheBoardsUnit) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(
      BoardText(true, Pads(2, k03mm) + Vias(1, k03mm)),
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
  ExpectScriptPassed(result);
}

TEST(TranslatedEditor, FrenchDialogShowsItsTexts) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(
      BoardText(false, Pads(1, 10 * kMil)),
      "wait-window \"Éditeur des diamètres de perçage\"\n"
      "expect-checked Impérial on\n"
      "expect-checked \"&Pads\" on\n"
      "expect-checked \"&Vias\" on\n"
      "expect-text \"&Éditer...\" \"&Éditer...\"\n"
      "click Annuler\n"
      "wait-no-window \"Éditeur des diamètres de perçage\"\n",
      {L"--language", L"fr"});
  ExpectScriptPassed(result);
}

// Localised dialogs off: the designed texts stay, the translations become the controls' hints.
TEST(TranslatedEditor, HintTranslationsKeepTheDesignedTexts) {
  THostCase host(CaseName());
  THostResult result = host.RunEditor(BoardText(true, Pads(1, k03mm)),
                                       "wait-window \"Hole Size Editor\"\n"
                                       "expect-checked Metric on\n"
                                       "expect-text \"&Edit...\" \"&Edit...\"\n"
                                       "click Cancel\n"
                                       "wait-no-window \"Hole Size Editor\"\n",
                                       {L"--language", L"de", L"--hint-translations"});
  ExpectScriptPassed(result);
  EXPECT_FALSE(result.TraceStarting("ITranslationManager.LookupTranslation(\"EditButton\", \"Caption.'&Edit...'\") -> 0x00000000 translation=").empty());
}

}  // namespace
