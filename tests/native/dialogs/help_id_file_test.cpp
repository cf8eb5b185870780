#include "dialogs/help_id_file.h"

#include <gtest/gtest.h>

#include <string>

#include "dialogs/help_key_match.h"

namespace {

struct TRead {
  THelpIdList ids;
  TStringList aliases;
  explicit TRead(std::string_view text) { ReadHelpIds(text, ids, aliases); }
  THelpKeyMatch Match(std::string_view key) const { return MatchHelpKey(ids, aliases, key); }
};

TEST(HelpIdFile, NumbersAndAliasesLandInTheirLists) {
  TRead read("Dlg_HoleSizeEditor=1200\r\nDlg_X=7,PCB:Zoom\nDlg_Y=ignored,Other:Topic,with comma\r"
             "Dlg_Z=0\n");
  ASSERT_EQ(read.ids.Count(), 4);
  ASSERT_EQ(read.aliases.Count(), 2);
  EXPECT_EQ(read.aliases.Get(0), "PCB:Zoom");
  EXPECT_EQ(read.aliases.Get(1), "Other:Topic,with comma");
  EXPECT_EQ(read.ids.Find("Dlg_HoleSizeEditor"), 1200);
  EXPECT_EQ(read.ids.Find("Dlg_X"), -1);
  EXPECT_EQ(read.ids.Find("Dlg_Y"), -2);
  EXPECT_EQ(read.ids.Find("Dlg_Z"), 0);

  THelpKeyMatch alias = read.Match("dlg_x");
  EXPECT_EQ(alias.Kind, THelpKeyMatch::hkAlias);
  EXPECT_EQ(alias.Alias, "PCB:Zoom");
  THelpKeyMatch zero = read.Match("Dlg_Z");
  EXPECT_EQ(zero.Kind, THelpKeyMatch::hkContext);
  EXPECT_EQ(zero.Context, 0);
}

TEST(HelpIdFile, KeysMatchIgnoringCaseButNotBlanks) {
  TRead read("dlg_holesizeeditor=5\nDlg_B =6\nZeta=1\nalpha=2\nMiddle=3\n");
  EXPECT_EQ(read.Match("Dlg_HoleSizeEditor").Context, 5);
  EXPECT_EQ(read.Match("DLG_HOLESIZEEDITOR").Context, 5);
  // Keys and values are taken as they are, blanks included.
  EXPECT_EQ(read.Match("Dlg_B").Kind, THelpKeyMatch::hkNone);
  EXPECT_EQ(read.Match("Dlg_B ").Context, 6);
  // Sorted whatever the file's order, so every key is found.
  for (const char* key : {"zeta", "ALPHA", "middle"}) EXPECT_NE(read.Match(key).Kind, THelpKeyMatch::hkNone) << key;
  EXPECT_EQ(read.Match("Dlg_").Kind, THelpKeyMatch::hkNone);
}

TEST(HelpIdFile, OfEqualKeysTheFirstReadWins) {
  TRead read("K=1\nk=2\nK=3\n");
  EXPECT_EQ(read.Match("K").Context, 1);
}

TEST(HelpIdFile, OddLinesAreReadWithoutAFault) {
  TRead read(std::string("no equals sign\n=9\n\n==\nkey=\nBig=99999999999\nNeg=-5\nHex=0x10\n"
                         "Plus=+12\nSpace= 3\nNul=4\0tail\n\xff\xfe=\x80,\x01\n", 95));
  EXPECT_EQ(read.Match("").Context, 9);  // an empty key is a key
  EXPECT_EQ(read.Match("key").Context, 0);
  EXPECT_EQ(read.Match("Big").Context, 0);
  EXPECT_EQ(read.Match("Hex").Context, 0);
  EXPECT_EQ(read.Match("Plus").Context, 12);
  EXPECT_EQ(read.Match("Space").Context, 0);
  EXPECT_EQ(read.Match("Nul").Context, 0);
  // A negative number in the file is no alias: it would name an alias that is not there.
  EXPECT_EQ(read.Match("Neg").Kind, THelpKeyMatch::hkContext);
  EXPECT_EQ(read.Match("Neg").Context, 0);
  EXPECT_EQ(read.Match("\xff\xfe").Alias, "\x01");
}

TEST(HelpIdFile, ReadingReplacesWhatTheListsHeld) {
  THelpIdList ids;
  TStringList aliases;
  ReadHelpIds("A=1,x\n", ids, aliases);
  ReadHelpIds("no entries here", ids, aliases);
  EXPECT_TRUE(ids.Empty());
  EXPECT_EQ(aliases.Count(), 0);
}

TEST(HelpIdFile, AnAliasIndexPastTheAliasListIsNoMatch) {
  THelpIdList ids;
  ids.Add("Lost", -3);
  ids.Add("Min", INT32_MIN);
  TStringList aliases;
  aliases.Add("only one");
  EXPECT_EQ(MatchHelpKey(ids, aliases, "Lost").Kind, THelpKeyMatch::hkNone);
  EXPECT_EQ(MatchHelpKey(ids, aliases, "Min").Kind, THelpKeyMatch::hkNone);
}

TEST(HelpIdFile, LargeFileOfManyKeys) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "Key" + std::to_string(19999 - i) + "=" + std::to_string(i) + "\n";
  TRead read(text);
  ASSERT_EQ(read.ids.Count(), 20000);
  EXPECT_EQ(read.Match("key0").Context, 19999);
  EXPECT_EQ(read.Match("KEY12345").Context, 19999 - 12345);
}

TEST(HelpKeys, TopicAndAliasKeys) {
  EXPECT_EQ(HelpTopicKey("OKButton", ""), "OKButton");
  EXPECT_EQ(HelpTopicKey("OKButton", "HoleSizeEditor"), "Dlg_HoleSizeEditor_OKButton");
  EXPECT_EQ(HelpAliasKey("PCB:Zoom"), "PCB_Zoom");
  EXPECT_EQ(HelpAliasKey("a:b:c"), "a_b_c");
}

TEST(HelpIdFile, IdFileSitsBesideTheHelpFile) {
  EXPECT_EQ(HelpIdFileOf(L"C:\\HELP\\Tavrin.chm"), L"C:\\HELP\\Tavrin.id");
  EXPECT_EQ(HelpIdFileOf(L"C:\\HELP\\Tavrinwth.hlp"), L"C:\\HELP\\Tavrinwth.id");
  EXPECT_EQ(HelpIdFileOf(L"C:\\v1.2\\noext"), L"C:\\v1.2\\noext.id");
  EXPECT_EQ(WithExtension(L"Dlg_HoleSizeEditor", L".htm"), L"Dlg_HoleSizeEditor.htm");
}

}  // namespace
