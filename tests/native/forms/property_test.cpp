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
  for_each_property(g, pkString, [&](const TPropInfo& p) { strings.push_back(p.Name); });
  for_each_property(g, pkClass, [&](const TPropInfo& p) { classes.push_back(p.Name); });
  EXPECT_EQ(strings, std::vector<std::string>{"Caption"});
  EXPECT_EQ(classes, (std::vector<std::string>{"Style", "Lines"}));
  const TPropInfo* style = find_property(g.ClassInfo(), "style");
  ASSERT_NE(style, nullptr);
  EXPECT_TRUE(style->IsClassOf(TStyleInfo::StaticClass()));
  EXPECT_FALSE(style->IsClassOf(TStrings::StaticClass()));
  EXPECT_EQ(find_property(g.ClassInfo(), "Missing"), nullptr);
}

TEST(Properties, TextsAsALayoutWritesThem) {
  TGadget g(nullptr);
  g.SetBorder(bsSizeToolWin);
  g.SetIcons({biSystemMenu, biMaximize});
  g.SetColor(static_cast<TColor>(0xFF00000F));
  g.SetActive(true);
  auto text = [&](const char* name) { return property_text(g, *find_property(g.ClassInfo(), name)); };
  EXPECT_EQ(text("Border"), "bsSizeToolWin");
  EXPECT_EQ(text("Icons"), "[biSystemMenu, biMaximize]");
  EXPECT_EQ(text("Color"), "clBtnFace");
  EXPECT_EQ(text("Active"), "True");
  EXPECT_EQ(text("Buddy"), "nil");
}

TEST(Properties, AReferenceOfTheWrongClassIsRefused) {
  TComponent owner(nullptr);
  TGadget g(nullptr);
  const TPropInfo* buddy = find_property(g.ClassInfo(), "Buddy");
  EXPECT_THROW(buddy->SetObj(g, &owner), Exception);
  EXPECT_EQ(g.Buddy(), nullptr);
}

struct ColorText {
  TColor color;
  const char* text;
};

TEST(Colors, NamesAndNumbersBothWays) {
  for (ColorText c : {ColorText{clBlack, "clBlack"}, {clWhite, "clWhite"}, {clBtnFace, "clBtnFace"},
                      {clInfoBk, "clInfoBk"}, {clNone, "clNone"}, {0x00123456, "$00123456"},
                      {static_cast<TColor>(0x8000000F), "$8000000F"}}) {
    EXPECT_EQ(ColorToString(c.color), c.text);
    EXPECT_EQ(StringToColor(c.text), c.color) << c.text;
  }
  EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
  EXPECT_EQ(StringToColor("255"), 255);
  EXPECT_EQ(StringToColor("-16777201"), static_cast<TColor>(0xFF00000F));
  for (const char* bad : {"", "$", "clPlaid", "$123456789", "12a", "$GG"}) EXPECT_FALSE(StringToColor(bad)) << bad;
  EXPECT_TRUE(is_system_color(static_cast<TColor>(0x8000000F)));
  EXPECT_TRUE(is_system_color(clBtnFace));
  EXPECT_FALSE(is_system_color(clRed));
}

TEST(EnumInfo, NamesValuesAndSetTexts) {
  const TEnumInfo& info = border_icon_info();
  EXPECT_EQ(info.Value("BIHELP"), 3);
  EXPECT_FALSE(info.Value("biClose"));
  EXPECT_EQ(info.Name(7), "7");
  EXPECT_EQ(info.SetText(0), "[]");
  EXPECT_EQ(info.SetText(0b1001), "[biSystemMenu, biHelp]");
  EXPECT_EQ(modal_result_info().Name(2), "mrCancel");
}

}  // namespace
