#include "translation_file.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <fstream>
#include <sstream>

namespace {

TTranslationFile Parse(const std::string& text) { return TTranslationFile::Parse(text, "test.translation"); }

std::string ErrorOf(const std::string& text) {
  try {
    Parse(text);
  } catch (const ETranslationFileError& e) {
    return e.what();
  }
  return "";
}

TEST(TranslationFile, ReadsSectionsKeysAndQuotedTexts) {
  TTranslationFile f = Parse(
      "\xEF\xBB\xBF# German\n"
      "language: Deutsch\n"
      "\n"
      "[*]\n"
      "Caption.'Cancel' = 'Abbrechen'\r\n"
      "[HoleSizeEditor]\n"
      "  Caption.'Hole Size Editor'='Bohrungsgr\xC3\xB6\xC3\x9F" "en-Editor'  \n"
      "; a comment\n"
      "[HoleSizeEditor.IncludeGroupBox]\n"
      "Caption.' &Include ' = ' &Einbeziehen '\n"
      "Caption.'Don''t' = 'Nicht '' hier'\n");
  EXPECT_EQ(f.Language(), L"Deutsch");
  EXPECT_EQ(f.Count(), 4u);
  ASSERT_NE(f.Find(L"*", L"Caption.'Cancel'"), nullptr);
  EXPECT_EQ(*f.Find(L"HoleSizeEditor", L"Caption.'Hole Size Editor'"), L"Bohrungsgr\u00f6\u00dfen-Editor");
  // Spaces inside the quotes belong to the texts; the key doubles the quote again.
  EXPECT_EQ(*f.Find(L"HoleSizeEditor.IncludeGroupBox", L"Caption.' &Include '"), L" &Einbeziehen ");
  EXPECT_EQ(*f.Find(L"HoleSizeEditor.IncludeGroupBox", L"Caption.'Don''t'"), L"Nicht ' hier");
  EXPECT_EQ(f.Find(L"HoleSizeEditor", L"Caption.'Cancel'"), nullptr);
}

TEST(TranslationFile, LookupPrefersTheFormsComponentThenTheComponentThenEveryForm) {
  TTranslationFile f = Parse(
      "[*]\nCaption.'OK' = 'Gut'\nCaption.'Cancel' = 'Abbrechen'\n"
      "[CancelButton]\nCaption.'Cancel' = 'Verwerfen'\n"
      "[EditHoleSizeForm.CancelButton]\nCaption.'Cancel' = 'Zur\xC3\xBC" "ck'\n"
      "[HoleSizeEditor]\nCaption.'Hole Size Editor' = 'Editor'\n");
  EXPECT_EQ(*f.Lookup(L"EditHoleSizeForm", L"CancelButton", L"Caption.'Cancel'"), L"Zur\u00fcck");
  EXPECT_EQ(*f.Lookup(L"HoleSizeEditor", L"CancelButton", L"Caption.'Cancel'"), L"Verwerfen");
  EXPECT_EQ(*f.Lookup(L"HoleSizeEditor", L"OKButton", L"Caption.'Cancel'"), L"Abbrechen");
  EXPECT_EQ(*f.Lookup(L"HoleSizeEditor", L"OKButton", L"Caption.'OK'"), L"Gut");
  // The form's own texts are read under its own name.
  EXPECT_EQ(*f.Lookup(L"HoleSizeEditor", L"HoleSizeEditor", L"Caption.'Hole Size Editor'"), L"Editor");
  // Without a form context only the plain sections count.
  EXPECT_EQ(*f.Lookup(L"", L"CancelButton", L"Caption.'Cancel'"), L"Verwerfen");
  EXPECT_EQ(f.Lookup(L"HoleSizeEditor", L"OKButton", L"Hint.''"), nullptr);
  EXPECT_EQ(f.Lookup(L"", L"", L"Caption.'Cancel'") != nullptr, true);
}

TEST(TranslationFile, MistakesNameFileAndLine) {
  EXPECT_EQ(ErrorOf("Caption.'A' = 'B'\n"), "test.translation:1: a translation before the first [section]");
  EXPECT_EQ(ErrorOf("[x]\n\nCaption.'A = 'B'\n"),
            "test.translation:3: expected = after the designed text");
  EXPECT_EQ(ErrorOf("[x]\nCaption.'A' = B\n"), "test.translation:2: the translation needs quotes around it");
  EXPECT_EQ(ErrorOf("[x]\nCaption.'A' = 'B' 'C'\n"), "test.translation:2: unexpected text after the translation");
  EXPECT_EQ(ErrorOf("[x]\nCaption 'A' = 'B'\n"), "test.translation:2: expected . after the property name");
  EXPECT_EQ(ErrorOf("[x]\nCaption.'A = B\n"), "test.translation:2: the designed text needs closing quotes");
  EXPECT_EQ(ErrorOf("[x\n"), "test.translation:1: a section line ends with ]");
  EXPECT_EQ(ErrorOf("[ ]\n"), "test.translation:1: a section needs a name");
  EXPECT_EQ(ErrorOf("[x]\n'A' = 'B'\n"), "test.translation:2: expected  Property.'text' = 'translation'");
  EXPECT_EQ(ErrorOf("[x]\nCaption.'A' = 'B'\nCaption.'A' = 'C'\n"),
            "test.translation:3: the text Caption.'A' is translated twice in this section");
  // The same text may be translated in two sections.
  EXPECT_EQ(ErrorOf("[x]\nCaption.'A' = 'B'\n[y]\nCaption.'A' = 'C'\n"), "");
}

TEST(DecodeUtf8, RejectsMalformedSequences) {
  EXPECT_EQ(DecodeUtf8("a\xC3\xA9\xE2\x8C\x80"), L"a\u00e9\u2300");
  EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98\x80"), std::wstring({wchar_t(0xD83D), wchar_t(0xDE00)}));
  for (const char* bad : {"\xC3", "\xC3(", "\xE2\x8C", "\xC0\xAF", "\xED\xA0\x80", "\xFF", "\x80"})
    EXPECT_THROW(DecodeUtf8(bad), ETranslationFileError) << bad;
  EXPECT_NE(ErrorOf("[x]\nCaption.'\xC3' = 'B'\n").find("test.translation: not UTF-8 at byte"), std::string::npos);
}

// The shipped translations Parse and cover every text of both dialogs' layouts.
class ShippedTranslation : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedTranslation, CoversBothDialogs) {
  std::ifstream in(std::string(TAVRIN_SOURCE_ROOT) + "/hostkit/translations/" + GetParam() + ".translation",
                   std::ios::binary);
  ASSERT_TRUE(in) << GetParam();
  std::stringstream text;
  text << in.rdbuf();
  TTranslationFile f = TTranslationFile::Parse(text.str(), GetParam());
  struct TText {
    const wchar_t *form, *context, *key;
  };
  const TText texts[] = {
      {L"HoleSizeEditor", L"HoleSizeEditor", L"Caption.'Hole Size Editor'"},
      {L"HoleSizeEditor", L"CancelButton", L"Caption.'Cancel'"},
      {L"HoleSizeEditor", L"OKButton", L"Caption.'OK'"},
      {L"HoleSizeEditor", L"WinXPTabSheet1", L"Caption.'Hole Sizes'"},
      {L"HoleSizeEditor", L"DescriptionLabel", L"Caption.'Description'"},
      {L"HoleSizeEditor", L"IncludeGroupBox", L"Caption.' &Include '"},
      {L"HoleSizeEditor", L"PadsCheckBox", L"Caption.'&Pads'"},
      {L"HoleSizeEditor", L"ViasCheckBox", L"Caption.'&Vias'"},
      {L"HoleSizeEditor", L"UnitRadioGroup", L"Caption.' &Unit '"},
      {L"HoleSizeEditor", L"UnitRadioGroup", L"Strings.'Imperial'"},
      {L"HoleSizeEditor", L"UnitRadioGroup", L"Strings.'Metric'"},
      {L"HoleSizeEditor", L"EditButton", L"Caption.'&Edit...'"},
      {L"HoleSizeEditor", L"Edit1", L"Caption.'&Edit'"},
      {L"EditHoleSizeForm", L"EditHoleSizeForm", L"Caption.'Edit Hole Size'"},
      {L"EditHoleSizeForm", L"OkButton", L"Caption.'OK'"},
      {L"EditHoleSizeForm", L"CancelButton", L"Caption.'Cancel'"},
      {L"EditHoleSizeForm", L"HoleSizeGroupBox", L"Caption.'Hole Size'"},
  };
  for (const TText& t : texts) {
    const std::wstring* translation = f.Lookup(t.form, t.context, t.key);
    ASSERT_NE(translation, nullptr) << GetParam() << ": " << std::string(t.key, t.key + wcslen(t.key));
    EXPECT_FALSE(translation->empty());
  }
  EXPECT_FALSE(f.Language().empty());
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedTranslation, ::testing::Values("de", "fr"));

}  // namespace
