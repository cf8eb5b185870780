// The s-expression reader: items one at a time with their lines, strings with escapes, and every
// way a text can be malformed refused at the right line.

#include "s_expression.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The whole text, read as the board reader reads it: the outer list and its items.
std::vector<std::string> Items(std::string_view text, std::string_view keyword = "kicad_pcb") {
  TSExprReader reader(text);
  reader.EnterList(keyword);
  TSExprTree tree;
  std::vector<std::string> out;
  while (!reader.AtListEnd()) {
    const uint32_t root = reader.ReadItem(tree);
    out.push_back(std::string(tree.Keyword(root)) + "/" + std::to_string(tree.Node(root).count) +
                  "@" + std::to_string(tree.Node(root).line));
  }
  reader.LeaveList();
  reader.ExpectEnd();
  return out;
}

int FailLine(std::string_view text, std::string* message = nullptr) {
  try {
    Items(text);
  } catch (const EKicadFormat& e) {
    if (message) *message = e.what();
    return e.Line();
  }
  return -1;
}

TEST(SExpression, ItemsComeOneAtATimeWithTheirLinesAndSizes) {
  EXPECT_EQ(
      Items(
          "(kicad_pcb (version 20211014)\n  (net 0 \"\")\n\n  (footprint \"A:B\"\n (at 1 2))\n)\n"),
      (std::vector<std::string>{"version/2@1", "net/3@2", "footprint/3@4"}));
  EXPECT_TRUE(Items("  (kicad_pcb)  ").empty());
}

TEST(SExpression, NodesKeepTheirTextKindAndOrder) {
  TSExprReader reader("(kicad_pcb (pad \"1\" thru_hole (at -1.27 0 90) \"a \\\"b\\\\ c\\n\"))");
  reader.EnterList("kicad_pcb");
  TSExprTree tree;
  const uint32_t pad = reader.ReadItem(tree);
  const std::vector<uint32_t> children = tree.Children(pad);
  ASSERT_EQ(children.size(), 5u);
  EXPECT_EQ(tree.Node(children[1]).kind, TSExprKind::eString);
  EXPECT_EQ(tree.Node(children[1]).text, "1");
  EXPECT_EQ(tree.Node(children[2]).kind, TSExprKind::eSymbol);
  EXPECT_EQ(tree.Keyword(children[3]), "at");
  const std::vector<uint32_t> at = tree.Children(children[3]);
  ASSERT_EQ(at.size(), 4u);
  EXPECT_EQ(tree.Node(at[1]).text, "-1.27");
  EXPECT_EQ(tree.Node(at[3]).text, "90");
  EXPECT_EQ(tree.Node(children[4]).text, "a \"b\\ c\n");
}

TEST(SExpression, AStringSpanningLinesKeepsTheLineCountRight) {
  EXPECT_EQ(Items("(kicad_pcb (a \"x\ny\")\n(b))"), (std::vector<std::string>{"a/2@1", "b/1@3"}));
}

struct TBadText {
  const char* name;
  std::string text;
  int line;
  const char* message;
};

class SExpressionRefuses : public testing::TestWithParam<TBadText> {};

TEST_P(SExpressionRefuses, AtTheLineWithAMessage) {
  std::string message;
  EXPECT_EQ(FailLine(GetParam().text, &message), GetParam().line) << message;
  EXPECT_NE(message.find(GetParam().message), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SExpressionRefuses,
    testing::Values(
        TBadText{"Empty", "", 1, "the file is empty"},
        TBadText{"Blank", " \n\n", 3, "the file is empty"},
        TBadText{"OtherKeyword", "(kicad_sch (version 1))", 1, "expected \"(kicad_pcb\""},
        TBadText{"KeywordPrefix", "(kicad_pcbx)", 1, "expected \"(kicad_pcb\""},
        TBadText{"Truncated", "(kicad_pcb (version 20211014)\n(net 0 \"\")\n(footprint (at 1", 3,
                "the file ends inside a list: 3 \")\" missing"},
        TBadText{"TruncatedAfterItem", "(kicad_pcb (version 1)\n", 2,
                "the file ends inside a list: 1"},
        TBadText{"ExtraClose", "(kicad_pcb (a))\n)", 2, "a \")\" closes no list"},
        TBadText{"TrailingText", "(kicad_pcb (a))\n(b)", 2, "text after the end of the board"},
        TBadText{"OpenString", "(kicad_pcb\n(a \"never closed))\n", 2, "a string is not closed"},
        TBadText{"NulByte", std::string("(kicad_pcb\n(a \x01))", 18), 2, "unexpected byte 0x01"},
        TBadText{"NulInString", std::string("(kicad_pcb (a \"x\0\"))", 20), 1,
                "unexpected byte 0x00"},
        TBadText{"Binary", "\x89PNG\r\n\x1a\n", 1, "expected \"(kicad_pcb\""},
        TBadText{"TooDeep", "(kicad_pcb " + std::string(100, '(') + std::string(101, ')'), 1,
                "nested deeper than 64 levels"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SExpression, ABareAtomAtTheTopIsReadAsAnAtom) {
  // The reader returns it; the board reader decides it is not an item.
  TSExprReader reader("(kicad_pcb stray)");
  reader.EnterList("kicad_pcb");
  TSExprTree tree;
  const uint32_t root = reader.ReadItem(tree);
  EXPECT_EQ(tree.Node(root).kind, TSExprKind::eSymbol);
  EXPECT_EQ(tree.Keyword(root), "");
}

TEST(SExpression, DeepNestingJustWithinTheLimitIsRead) {
  const std::string text =
      "(kicad_pcb " + std::string(kMaxSExprDepth, '(') + "x" + std::string(kMaxSExprDepth + 1, ')');
  EXPECT_EQ(Items(text).size(), 1u);
}

TEST(SExpression, QuotedTokensAreCutAndEscaped) {
  EXPECT_EQ(QuoteToken("abc"), "\"abc\"");
  EXPECT_EQ(QuoteToken(std::string("a\0b", 3)), "\"a\\x00b\"");
  EXPECT_EQ(QuoteToken(std::string(50, 'x')), "\"" + std::string(40, 'x') + "...\"");
}

}  // namespace
