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

void ExpectHostFont(const TFont& font) {
  EXPECT_EQ(font.Name(), "Tahoma");
  EXPECT_EQ(font.Size(), 10);
  EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(font.Color(), 0x00112233);
  EXPECT_EQ(font.Charset(), ANSI_CHARSET);
}

std::wstring WindowFontFace(HWND window) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  LOGFONTW lf{};
  if (!font || !GetObjectW(font, sizeof lf, &lf)) return L"";
  return lf.lfFaceName;
}

TEST_F(HostFont, IsLoadedOnceAndGivenToTheFormAndEveryControl) {
  auto fixed = Make<TFixedDialog>();
  auto plain = Make<TPlainDialog>();
  for (TFormWithHelp* dialog : {static_cast<TFormWithHelp*>(fixed.get()), static_cast<TFormWithHelp*>(plain.get())}) {
    EXPECT_TRUE(dialog->UseHostFont());
    ExpectHostFont(*dialog->HostFont());
    ExpectHostFont(*dialog->Font());
    for (TComponent* c : dialog->Components())
      if (auto* control = class_cast<TControl>(c)) ExpectHostFont(*control->Font());
  }
  EXPECT_EQ(WindowFontFace(fixed->FirstEdit->Handle()), L"Tahoma");
}

TEST_F(HostFont, ReachesControlsInsertedAfterLoading) {
  auto dialog = Make<TFixedDialog>();
  // Owned by the dialog and placed in its group box.
  auto* owned = new TXPEdit(dialog.get());
  owned->SetParent(dialog->Group);
  // Owned by nobody, with a font of its own, placed in the group box.
  auto* unowned = new TButton(nullptr);
  unowned->Font()->SetName("Arial");
  unowned->SetParent(dialog->Group);
  ExpectHostFont(*owned->Font());
  ExpectHostFont(*unowned->Font());
  EXPECT_EQ(WindowFontFace(unowned->Handle()), L"Tahoma");
  delete unowned;
}

TEST_F(HostFont, AFailingFontQueryEndsTheConstruction) {
  host.client.failures["QueryDialogFont"] = E_FAIL;
  int before = LiveComponentCount();
  EXPECT_THROW(Make<TFixedDialog>(), Exception);
  EXPECT_EQ(LiveComponentCount(), before);
}

TEST_F(HostFont, WithoutAPrescribedFontTheLayoutsFontsStay) {
  host.client.font.exists = false;
  auto dialog = Make<TFixedDialog>();
  EXPECT_FALSE(dialog->UseHostFont());
  EXPECT_EQ(dialog->Font()->Name(), "MS Sans Serif");
  auto* edit = new TXPEdit(dialog.get());
  edit->Font()->SetName("Arial");
  edit->SetParentFont(false);
  edit->SetParent(dialog->Group);
  EXPECT_EQ(edit->Font()->Name(), "Arial");
}

struct TLocaleCase {
  const char* name;
  bool translating;
  bool host_font;
  int loading_depth;
  bool adapted;
};
void PrintTo(const TLocaleCase& c, std::ostream* os) { *os << c.name; }


class LocaleFont : public DialogTest, public ::testing::WithParamInterface<TLocaleCase> {};

TEST_P(LocaleFont, AdaptsInsertedControlsOnlyWhenTranslatingWithoutHostFont) {
  const TLocaleCase& c = GetParam();
  TestExportTable().use_system_locale_language = 1;
  TestExportTable().locale_face = L"Courier New";
  host.client.font = {c.host_font, L"Tahoma", 8, 0, 0, DEFAULT_CHARSET};
  auto dialog = Make<TFixedDialog>();
  EXPECT_TRUE(dialog->UseLocaleFont());
  SetTranslationActive(c.translating);
  SetLayoutLoadingDepth(c.loading_depth);
  auto* edit = new TXPEdit(dialog.get());
  edit->SetParent(dialog->Group);
  std::string expected = c.adapted ? "Courier New" : c.host_font ? "Tahoma" : "MS Sans Serif";
  EXPECT_EQ(edit->Font()->Name(), expected);
  // The layout's own controls were not adapted: the locale tree runs for insertions only.
  EXPECT_EQ(dialog->FirstEdit->Font()->Name(), c.host_font ? "Tahoma" : "MS Sans Serif");
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, LocaleFont,
    ::testing::Values(TLocaleCase{"Translating", true, false, 0, true},
                      TLocaleCase{"NotTranslating", false, false, 0, false},
                      TLocaleCase{"HostFontWins", true, true, 0, false},
                      TLocaleCase{"WhileALayoutIsRead", true, false, 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, LocaleFontTreeWalksOwnedComponentsAndKeepsRefusedFonts) {
  auto dialog = Make<TFixedDialog>();
  TestExportTable().locale_face = L"Courier New";
  ApplyLocaleFontTree(dialog.get());
  EXPECT_EQ(dialog->Font()->Name(), "Courier New");
  EXPECT_EQ(dialog->SecondEdit->Font()->Name(), "Courier New");
  TestExportTable().locale_face.clear();
  int calls = TestExportTable().update_font_calls;
  dialog->Font()->SetName("Arial");
  ApplyLocaleFontTree(dialog.get());
  EXPECT_GT(TestExportTable().update_font_calls, calls);
  EXPECT_EQ(dialog->Font()->Name(), "Arial");
}

}  // namespace
