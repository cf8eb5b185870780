#include "forms/layout/layout_reader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/errors.h"
#include "forms/layout/layout_parser.h"
#include "tests/native/forms/test_components.h"

namespace {

const char kLayout[] = R"(object Panel: TPanelRoot
  Caption = 'It''s a '#$30' panel'
  Count = -12
  Style.Height = 9
  Style.Name = 'Fixed'
  Active = True
  Border = bsDialog
  Icons = [biSystemMenu, biHelp]
  Color = clBtnFace
  WideCaption = 'caf'#233
  Lines.Strings = (
    'one'
    'two')
  OnClick = Clicked
  object First: TGadget
    Count = $10
    Buddy = Second
    OnClose = Closing
    object Inner: TOtherGadget
      Caption = 'inner' +
        ' text'
    end
  end
  object Second: TGadget
    Color = $00FF8040
  end
end
)";

void Read(TPanelRoot& root, std::string_view text) {
  TLayoutBindings bindings(root);
  root.Declare(bindings);
  TLayoutReader reader(&root, "TPanelRoot", &bindings);
  reader.ReadRoot(ParseLayout(text, "TPanelRoot"));
}

TEST(LayoutReader, AppliesPropertiesInStoredOrderWithNestedAndListValues) {
  TPanelRoot root(nullptr);
  std::string text = kLayout;
  // #$30 is not a decimal code: the reader rejects it; use the decimal form in this case.
  text.replace(text.find("#$30"), 4, "#48");
  Read(root, text);
  EXPECT_EQ(root.Name(), "Panel");
  EXPECT_EQ(root.log, (std::vector<std::string>{"Caption=It's a 0 panel", "Count=-12", "Style.Height",
                                                "Style.Name", "Active=1", "Border=3", "Icons=9", "Color",
                                                "WideCaption", "Loaded"}));
  EXPECT_EQ(root.Style()->Name(), "Fixed");
  EXPECT_EQ(root.Color(), clBtnFace);
  EXPECT_EQ(root.WideCaption(), L"caf\u00e9");
  ASSERT_EQ(root.Lines()->Count(), 2);
  EXPECT_EQ(root.Lines()->Get(1), "two");
  ASSERT_TRUE(root.OnClick);
  root.OnClick(&root);
  EXPECT_EQ(root.clicks, 1);

  ASSERT_NE(root.First, nullptr);
  ASSERT_NE(root.Second, nullptr);
  EXPECT_EQ(root.First->Owner(), &root);
  EXPECT_EQ(root.First->container, &root);
  EXPECT_EQ(root.First->Count(), 16);
  EXPECT_EQ(root.First->Buddy(), root.Second) << "references resolve after the whole layout";
  TCloseAction action = caHide;
  root.First->OnClose(root.First, action);
  EXPECT_EQ(action, caFree);
  auto* inner = class_cast<TOtherGadget>(root.FindComponent("Inner"));
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(inner->container, root.First);
  EXPECT_EQ(inner->Caption(), "inner text");
  EXPECT_EQ(root.Second->Color(), 0x00FF8040);
  EXPECT_EQ(inner->loaded, 1);
  EXPECT_FALSE(inner->Loading());
  EXPECT_FALSE(root.Loading());
}

struct TBadLayout {
  const char* name;
  const char* text;
  int line;
  const char* component;
  const char* property;
  const char* what;
};

class LayoutErrors : public ::testing::TestWithParam<TBadLayout> {};

TEST_P(LayoutErrors, NameTheResourceLineComponentAndProperty) {
  const TBadLayout& c = GetParam();
  int live = LiveComponentCount();
  {
    TPanelRoot root(nullptr);
    try {
      Read(root, c.text);
      FAIL() << "read without error";
    } catch (const ELayoutError& e) {
      EXPECT_EQ(e.Resource(), "TPanelRoot");
      EXPECT_EQ(e.Line(), c.line) << e.Message();
      EXPECT_EQ(e.ComponentName(), c.component) << e.Message();
      EXPECT_EQ(e.PropertyName(), c.property) << e.Message();
      EXPECT_NE(e.What().find(c.what), std::string::npos) << e.Message();
      EXPECT_NE(e.Message().find("TPanelRoot"), std::string::npos);
    }
  }
  EXPECT_EQ(LiveComponentCount(), live);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, LayoutErrors,
    ::testing::Values(
        TBadLayout{"UnknownClass", "object Panel: TPanelRoot\n object X: TNoSuchThing\n end\nend\n", 2, "X", "",
                  "unknown class TNoSuchThing"},
        TBadLayout{"UnknownProperty", "object Panel: TPanelRoot\n  Count = 1\n  Colour = clRed\nend\n", 3, "Panel",
                  "Colour", "unknown property Colour"},
        TBadLayout{"UnknownNestedProperty", "object Panel: TPanelRoot\n object First: TGadget\n  Style.Size = 3\n end\nend\n",
                  3, "First", "Style.Size", "unknown property Size"},
        TBadLayout{"UnknownEnumValue", "object Panel: TPanelRoot\n  Border = bsRound\nend\n", 2, "Panel", "Border",
                  "unknown value bsRound"},
        TBadLayout{"UnknownSetMember", "object Panel: TPanelRoot\n  Icons = [biSystemMenu, biClose]\nend\n", 2,
                  "Panel", "Icons", "unknown value biClose"},
        TBadLayout{"UnknownColour", "object Panel: TPanelRoot\n  Color = clPlaid\nend\n", 2, "Panel", "Color",
                  "unknown colour clPlaid"},
        TBadLayout{"WrongValueKind", "object Panel: TPanelRoot\n  Count = 'many'\nend\n", 2, "Panel", "Count",
                  "expected a number"},
        TBadLayout{"BadBoolean", "object Panel: TPanelRoot\n  Active = Yes\nend\n", 2, "Panel", "Active",
                  "True or False"},
        TBadLayout{"UnknownHandler", "object Panel: TPanelRoot\n  OnClick = Vanished\nend\n", 2, "Panel", "OnClick",
                  "no handler Vanished"},
        TBadLayout{"HandlerOfAnotherKind", "object Panel: TPanelRoot\n  OnClick = Closing\nend\n", 2, "Panel",
                  "OnClick", "does not fit"},
        TBadLayout{"UnknownReference", "object Panel: TPanelRoot\n object First: TGadget\n  Buddy = Nobody\n end\nend\n",
                  3, "First", "Buddy", "no component is named Nobody"},
        TBadLayout{"FieldOfAnotherClass", "object Panel: TPanelRoot\n object First: TPlainThing\n end\nend\n", 2,
                  "First", "", "another class"},
        TBadLayout{"MissingEnd", "object Panel: TPanelRoot\n object First: TGadget\n  Count = 1\nend\n", 5, "Panel",
                  "", "\"end\" missing for the object that starts on line 1"},
        TBadLayout{"MissingDeclaredComponent", "object Panel: TPanelRoot\n object First: TGadget\n end\nend\n", 1,
                  "Panel", "", "no component Second"},
        TBadLayout{"DuplicateName",
                  "object Panel: TPanelRoot\n object First: TGadget\n end\n object First: TGadget\n end\nend\n", 4,
                  "First", "", "already exists"},
        TBadLayout{"LayoutOfAnotherClass", "object Panel: TOtherGadget\nend\n", 1, "Panel", "", "for class TOtherGadget"},
        TBadLayout{"UnclosedText", "object Panel: TPanelRoot\n  Caption = 'open\nend\n", 2, "", "", "not closed"},
        TBadLayout{"ValueMissing", "object Panel: TPanelRoot\n  Caption =\nend\n", 3, "Panel", "Caption",
                  "a value is missing"},
        TBadLayout{"PropertyAfterChildren",
                  "object Panel: TPanelRoot\n object First: TGadget\n end\n Count = 1\nend\n", 4, "Panel", "Count",
                  "before the nested objects"},
        TBadLayout{"ListForAPlainProperty", "object Panel: TPanelRoot\n  Caption = ('a')\nend\n", 2, "Panel",
                  "Caption", "expected a text"},
        TBadLayout{"NotUtf8", "object Panel: TPanelRoot\n  Caption = '\xff'\nend\n", 2, "", "", "not UTF-8"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutReaderHooks, StringComponentAndPropertyStepsRunThroughTheirHookPoints) {
  std::vector<std::string> steps;
  LayoutReadComponentHook.Install([&](TLayoutReader& r, TComponent& c, const TLayoutNode& n) {
    steps.push_back("component " + c.Name() + (r.Owner() ? " in " + r.Owner()->Name() : ""));
    LayoutReadComponentHook.Underlying(r, c, n);
  });
  LayoutReadPropertyHook.Install([&](TLayoutReader& r, TComponent& c, const TLayoutProperty& p) {
    LayoutReadPropertyHook.Underlying(r, c, p);
    steps.push_back("property " + c.Name() + "." + p.Name + " last part " + r.PropertyName());
  });
  LayoutReadStringHook.Install([&](TLayoutReader& r) { return "[" + LayoutReadStringHook.Underlying(r) + "]"; });
  LayoutReadWideStringHook.Install([&](TLayoutReader& r) { return L"<" + LayoutReadWideStringHook.Underlying(r) + L">"; });
  TPanelRoot root(nullptr);
  Read(root, "object Panel: TPanelRoot\n Caption = 'a'\n WideCaption = 'w'\n Style.Name = 'n'\n"
             " object First: TGadget\n  Count = 2\n end\n object Second: TGadget\n end\nend\n");
  LayoutReadComponentHook.Remove();
  LayoutReadPropertyHook.Remove();
  LayoutReadStringHook.Remove();
  LayoutReadWideStringHook.Remove();
  EXPECT_EQ(steps, (std::vector<std::string>{"component Panel in Panel", "property Panel.Caption last part Caption",
                                             "property Panel.WideCaption last part WideCaption",
                                             "property Panel.Style.Name last part Name", "component First in Panel",
                                             "property First.Count last part Count", "component Second in Panel"}));
  EXPECT_EQ(root.Caption(), "[a]");
  EXPECT_EQ(root.WideCaption(), L"<w>");
  EXPECT_EQ(root.Style()->Name(), "[n]");

  TPanelRoot plain(nullptr);
  Read(plain, "object Panel: TPanelRoot\n Caption = 'a'\n object First: TGadget\n end\n object Second: TGadget\n end\nend\n");
  EXPECT_EQ(plain.Caption(), "a");
}

}  // namespace
