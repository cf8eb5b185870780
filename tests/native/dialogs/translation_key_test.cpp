#include "dialogs/translation_key.h"

#include <gtest/gtest.h>

#include <string>

struct TKeyCase {
  const char* property;
  const wchar_t* text;
  const wchar_t* key;
};

class TranslationKeyTest : public ::testing::TestWithParam<TKeyCase> {};

TEST_P(TranslationKeyTest, QuotesTheTextAfterThePropertyName) {
  const TKeyCase& c = GetParam();
  EXPECT_EQ(TranslationKey(std::string_view(c.property), c.text), c.key);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TranslationKeyTest,
    ::testing::Values(TKeyCase{"Caption", L"Cancel", L"Caption.'Cancel'"},
                      TKeyCase{"Caption", L"", L"Caption.''"},
                      TKeyCase{"Hint", L"", L"Hint.''"},
                      // Embedded quotes are doubled, also at either end and one after another.
                      TKeyCase{"Caption", L"Don't", L"Caption.'Don''t'"},
                      TKeyCase{"Caption", L"'", L"Caption.''''"},
                      TKeyCase{"Caption", L"''x'", L"Caption.'''''x'''"},
                      // Spaces, accelerators and dots of the designed text are kept as they are.
                      TKeyCase{"Caption", L" &Include ", L"Caption.' &Include '"},
                      TKeyCase{"Caption", L"&Edit...", L"Caption.'&Edit...'"},
                      TKeyCase{"Strings", L"Imperial", L"Strings.'Imperial'"},
                      // Text outside ASCII passes through unchanged.
                      TKeyCase{"Caption", L"Gr\u00f6\u00dfe \u2300", L"Caption.'Gr\u00f6\u00dfe \u2300'"}),
    [](const ::testing::TestParamInfo<TKeyCase>& info) { return "Case" + std::to_string(info.index); });

TEST(TranslationKey, WideAndNarrowPropertyNamesGiveTheSameKey) {
  EXPECT_EQ(TranslationKey(std::wstring_view(L"Caption"), L"OK"),
            TranslationKey(std::string_view("Caption"), L"OK"));
}

TEST(FormContextName, DropsTheClassPrefixLetter) {
  EXPECT_EQ(FormContextName("THoleSizeEditor"), L"HoleSizeEditor");
  EXPECT_EQ(FormContextName("TEditHoleSizeForm"), L"EditHoleSizeForm");
  EXPECT_EQ(FormContextName("T"), L"");
  EXPECT_EQ(FormContextName(""), L"");
}
