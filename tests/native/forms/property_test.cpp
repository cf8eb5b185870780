#include "forms/property.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/exceptions.h"
#include "forms/color.h"
#include "forms/enum_info.h"
#include "tests/native/forms/test_components.h"

namespace {

TEST(Properties, EnumeratedByKindInClassOrderWithDerivedClassesAfterTheirBases) {
  TOtherGadget g(nullptr);
  std::vector<std::string> strings, classes;
  ForEachProperty(g, pkString, [&](const TPropInfo& p) { strings.push_back(p.Name); });
  ForEachProperty(g, pkClass, [&](const TPropInfo& p) { classes.push_back(p.Name); });
  EXPECT_EQ(strings, std::vector<std::string>{"Caption"});
  EXPECT_EQ(classes, (std::vector<std::string>{"Style", "Lines"}));
  const TPropInfo* style = FindProperty(g.ClassInfo(), "style");
  ASSERT_NE(style, nullptr);
  EXPECT_TRUE(style->IsClassOf(TStyleInfo::StaticClass()));
  EXPECT_FALSE(style->IsClassOf(TStrings::StaticClass()));
  EXPECT_EQ(FindProperty(g.ClassInfo(), "Missing"), nullptr);
}

TEST(Properties, TextsAsALayoutWritesThem) {
  TGadget g(nullptr);
  g.SetBorder(bsSizeToolWin);
  g.SetIcons({biSystemMenu, biMaximize});
  g.SetColor(static_cast<TColor>(0xFF00000F));
  g.SetActive(true);
  auto text = [&](const char* name) { return PropertyText(g, *FindProperty(g.ClassInfo(), name)); };
  EXPECT_EQ(text("Border"), "bsSizeToolWin");
  EXPECT_EQ(text("Icons"), "[biSystemMenu, biMaximize]");
  EXPECT_EQ(text("Color"), "clBtnFace");
  EXPECT_EQ(text("Active"), "True");
  EXPECT_EQ(text("Buddy"), "nil");
}

TEST(Properties, AReferenceOfTheWrongClassIsRefused) {
  TComponent owner(nullptr);
  TGadget g(nullptr);
  const TPropInfo* buddy = FindProperty(g.ClassInfo(), "Buddy");
  EXPECT_THROW(buddy->SetObj(g, &owner), Exception);
  EXPECT_EQ(g.Buddy(), nullptr);
}

struct TColorText {
  TColor color;
  const char* text;
};

TEST(Colors, NamesAndNumbersBothWays) {
  for (TColorText c : {TColorText{clBlack, "clBlack"}, {clWhite, "clWhite"}, {clBtnFace, "clBtnFace"},
                      {clInfoBk, "clInfoBk"}, {clNone, "clNone"}, {0x00123456, "$00123456"},
                      {static_cast<TColor>(0x8000000F), "$8000000F"}}) {
    EXPECT_EQ(ColorToString(c.color), c.text);
    EXPECT_EQ(StringToColor(c.text), c.color) << c.text;
  }
  EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
  EXPECT_EQ(StringToColor("255"), 255);
  EXPECT_EQ(StringToColor("-16777201"), static_cast<TColor>(0xFF00000F));
  for (const char* bad : {"", "$", "clPlaid", "$123456789", "12a", "$GG"}) EXPECT_FALSE(StringToColor(bad)) << bad;
  EXPECT_TRUE(IsSystemColor(static_cast<TColor>(0x8000000F)));
  EXPECT_TRUE(IsSystemColor(clBtnFace));
  EXPECT_FALSE(IsSystemColor(clRed));
}

TEST(EnumInfo, NamesValuesAndSetTexts) {
  const TEnumInfo& info = BorderIconInfo();
  EXPECT_EQ(info.Value("BIHELP"), 3);
  EXPECT_FALSE(info.Value("biClose"));
  EXPECT_EQ(info.Name(7), "7");
  EXPECT_EQ(info.SetText(0), "[]");
  EXPECT_EQ(info.SetText(0b1001), "[biSystemMenu, biHelp]");
  EXPECT_EQ(ModalResultInfo().Name(2), "mrCancel");
}

}  // namespace
