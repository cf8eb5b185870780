#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>

#include "base/exceptions.h"
#include "dialogs/font_properties.h"
#include "forms/component.h"
#include "tests/win/dialogs/dialog_fixture.h"

namespace {

class HostFont : public DialogTest {
 protected:
  HostFont() {
    host.client.font = {true, L"Tahoma", 10, 0x03 /* bold, italic */, 0x00112233, ANSI_CHARSET};
  }
};

void expect_host_font(const TFont& font) {
  EXPECT_EQ(font.Name(), "Tahoma");
  EXPECT_EQ(font.Size(), 10);
  EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(font.Color(), 0x00112233);
  EXPECT_EQ(font.Charset(), ANSI_CHARSET);
}

std::wstring window_font_face(HWND window) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  LOGFONTW lf{};
  if (!font || !GetObjectW(font, sizeof lf, &lf)) return L"";
  return lf.lfFaceName;
}

TEST_F(HostFont, IsLoadedOnceAndGivenToTheFormAndEveryControl) {
  auto fixed = make<TFixedDialog>();
  auto plain = make<TPlainDialog>();
  for (TFormWithHelp* dialog : {static_cast<TFormWithHelp*>(fixed.get()), static_cast<TFormWithHelp*>(plain.get())}) {
    EXPECT_TRUE(dialog->UseHostFont());
    expect_host_font(*dialog->HostFont());
    expect_host_font(*dialog->Font());
    for (TComponent* c : dialog->Components())
      if (auto* control = class_cast<TControl>(c)) expect_host_font(*control->Font());
  }
  EXPECT_EQ(window_font_face(fixed->FirstEdit->Handle()), L"Tahoma");
}

TEST_F(HostFont, ReachesControlsInsertedAfterLoading) {
  auto dialog = make<TFixedDialog>();
  // Owned by the dialog and placed in its group box.
  auto* owned = new TXPEdit(dialog.get());
  owned->SetParent(dialog->Group);
  // Owned by nobody, with a font of its own, placed in the group box.
  auto* unowned = new TButton(nullptr);
  unowned->Font()->SetName("Arial");
  unowned->SetParent(dialog->Group);
  expect_host_font(*owned->Font());
  expect_host_font(*unowned->Font());
  EXPECT_EQ(window_font_face(unowned->Handle()), L"Tahoma");
  delete unowned;
}

TEST_F(HostFont, AFailingFontQueryEndsTheConstruction) {
  host.client.fontStatus = E_FAIL;
  int before = live_component_count();
  EXPECT_THROW(make<TFixedDialog>(), Exception);
  EXPECT_EQ(live_component_count(), before);
}

TEST_F(HostFont, WithoutAPrescribedFontTheLayoutsFontsStay) {
  host.client.font.exists = false;
  auto dialog = make<TFixedDialog>();
  EXPECT_FALSE(dialog->UseHostFont());
  EXPECT_EQ(dialog->Font()->Name(), "MS Sans Serif");
  auto* edit = new TXPEdit(dialog.get());
  edit->Font()->SetName("Arial");
  edit->SetParentFont(false);
  edit->SetParent(dialog->Group);
  EXPECT_EQ(edit->Font()->Name(), "Arial");
}

struct LocaleCase {
  const char* name;
  bool translating;
  bool hostFont;
  int loadingDepth;
  bool adapted;
};
void PrintTo(const LocaleCase& c, std::ostream* os) { *os << c.name; }


class LocaleFont : public DialogTest, public ::testing::WithParamInterface<LocaleCase> {};

TEST_P(LocaleFont, AdaptsInsertedControlsOnlyWhenTranslatingWithoutHostFont) {
  const LocaleCase& c = GetParam();
  test_exports().useSystemLocaleLanguage = 1;
  test_exports().localeFace = L"Courier New";
  host.client.font = {c.hostFont, L"Tahoma", 8, 0, 0, DEFAULT_CHARSET};
  auto dialog = make<TFixedDialog>();
  EXPECT_TRUE(dialog->UseLocaleFont());
  SetTranslationActive(c.translating);
  SetLayoutLoadingDepth(c.loadingDepth);
  auto* edit = new TXPEdit(dialog.get());
  edit->SetParent(dialog->Group);
  std::string expected = c.adapted ? "Courier New" : c.hostFont ? "Tahoma" : "MS Sans Serif";
  EXPECT_EQ(edit->Font()->Name(), expected);
  // The layout's own controls were not adapted: the locale tree runs for insertions only.
  EXPECT_EQ(dialog->FirstEdit->Font()->Name(), c.hostFont ? "Tahoma" : "MS Sans Serif");
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, LocaleFont,
    ::testing::Values(LocaleCase{"Translating", true, false, 0, true},
                      LocaleCase{"NotTranslating", false, false, 0, false},
                      LocaleCase{"HostFontWins", true, true, 0, false},
                      LocaleCase{"WhileALayoutIsRead", true, false, 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, LocaleFontTreeWalksOwnedComponentsAndKeepsRefusedFonts) {
  auto dialog = make<TFixedDialog>();
  test_exports().localeFace = L"Courier New";
  ApplyLocaleFontTree(dialog.get());
  EXPECT_EQ(dialog->Font()->Name(), "Courier New");
  EXPECT_EQ(dialog->SecondEdit->Font()->Name(), "Courier New");
  test_exports().localeFace.clear();
  int calls = test_exports().updateFontCalls;
  dialog->Font()->SetName("Arial");
  ApplyLocaleFontTree(dialog.get());
  EXPECT_GT(test_exports().updateFontCalls, calls);
  EXPECT_EQ(dialog->Font()->Name(), "Arial");
}

}  // namespace
