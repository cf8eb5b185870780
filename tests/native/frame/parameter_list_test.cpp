#include "frame/parameter_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using TPairs = std::vector<std::pair<std::string, std::string>>;

TPairs PairsOf(const TParameterList& list) {
  TPairs result;
  for (int i = 0; i < list.Count(); ++i) result.emplace_back(list.Items(i)->Name, list.Items(i)->Value);
  return result;
}

struct TReadCase {
  const char* text;
  TPairs expected;
};

void PrintTo(const TReadCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ParameterListRead : public testing::TestWithParam<TReadCase> {};

TEST_P(ParameterListRead, ReadsItems) {
  TParameterList list;
  list.Add("Stale", "gone");
  list.SetText(GetParam().text);
  EXPECT_EQ(PairsOf(list), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParameterListRead,
    testing::Values(TReadCase{"", {}}, TReadCase{"|||", {}}, TReadCase{"Action=Redraw", {{"Action", "Redraw"}}},
                    TReadCase{"ObjectKind=Panel|Action=Show|Id=KnowledgeCenter",
                             {{"ObjectKind", "Panel"}, {"Action", "Show"}, {"Id", "KnowledgeCenter"}}},
                    TReadCase{"A=1=2", {{"A", "1=2"}}}, TReadCase{"=5|B=2", {{"B", "2"}}},
                    TReadCase{"NoEquals|B=2", {{"B", "2"}}}, TReadCase{"A=1|A=2", {{"A", "1"}, {"A", "2"}}},
                    TReadCase{" X = 1 =2 |Y=", {{"X", "1 =2"}, {"Y", ""}}},
                    TReadCase{"\t N \x01= \x1fv\x7f |  =x| \r\n=y", {{"N", "v\x7f"}}},
                    // Bytes above 127 are text, not control characters to be trimmed.
                    TReadCase{"\xe9t\xe9=\xff", {{"\xe9t\xe9", "\xff"}}}, TReadCase{"A=|B", {{"A", ""}}},
                    TReadCase{"A=1|", {{"A", "1"}}}));

TEST(ParameterList, SetTextStopsAtTheFirstNul) {
  TParameterList list;
  list.SetText(std::string_view("A=1\0B=2", 7));
  EXPECT_EQ(PairsOf(list), (TPairs{{"A", "1"}}));
  list.SetText(static_cast<const char*>(nullptr));
  EXPECT_EQ(list.Count(), 0);
}

TEST(ParameterList, FindIgnoresCaseAndControlsButNotBlanks) {
  TParameterList list;
  list.SetText("Action=Redraw|A=1|A=2");
  ASSERT_NE(list.Find("ACTION"), nullptr);
  EXPECT_EQ(list.Find("action")->Value, "Redraw");
  EXPECT_EQ(list.Find("\tAction\r\n"), list.Items(0));
  EXPECT_EQ(list.Find(" Action"), nullptr);
  EXPECT_EQ(list.Find("Actio"), nullptr);
  EXPECT_EQ(list.Find("Actions"), nullptr);
  EXPECT_EQ(list.Find("a"), list.Items(1));
  EXPECT_EQ(list.Find(""), nullptr);
  // Only ASCII letters fold: 0xE9 and 0xC9 are different names.
  list.SetText("\xe9=1");
  EXPECT_EQ(list.Find("\xc9"), nullptr);
  EXPECT_NE(list.Find("\xe9"), nullptr);
}

TEST(ParameterList, GetTextWritesEmptyValuesAsABlankThatReadsBackEmpty) {
  TParameterList list;
  list.Add(" Name ", "");
  list.Add("Other", " v ");
  char buffer[32];
  ASSERT_TRUE(list.GetText(buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "Name= |Other=v");
  TParameterList back;
  back.SetText(buffer);
  EXPECT_EQ(PairsOf(back), (TPairs{{"Name", ""}, {"Other", "v"}}));

  TParameterList empty;
  std::strcpy(buffer, "old");
  ASSERT_TRUE(empty.GetText(buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "");
}

TEST(ParameterList, GetTextRefusesATextThatDoesNotFitAndLeavesTheBufferAlone) {
  TParameterList list;
  list.SetText("Action=Redraw");  // 13 bytes and the NUL
  char buffer[20];
  for (int32_t size : {0, -1, 1, 13}) {
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_FALSE(list.GetText(buffer, size)) << size;
    for (char c : buffer) ASSERT_EQ(c, '#') << size;
  }
  std::memset(buffer, '#', sizeof buffer);
  ASSERT_TRUE(list.GetText(buffer, 14));
  EXPECT_STREQ(buffer, "Action=Redraw");
  EXPECT_EQ(buffer[14], '#');
  EXPECT_FALSE(list.GetText(nullptr, 14));
}

struct TSetCase {
  const char* before;
  const char* name;
  const char* value;
  const char* after;
};

void PrintTo(const TSetCase& c, std::ostream* os) { *os << '"' << c.before << "\" with " << c.name << "=" << c.value; }

class SetParameterCases : public testing::TestWithParam<TSetCase> {};

TEST_P(SetParameterCases, RewritesTheBuffer) {
  char buffer[256];
  std::strcpy(buffer, GetParam().before);
  ASSERT_TRUE(SetParameter(buffer, sizeof buffer, GetParam().name, GetParam().value));
  EXPECT_STREQ(buffer, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SetParameterCases,
    testing::Values(TSetCase{"", "Action", "Redraw", "Action=Redraw"},
                    TSetCase{"Action=Pan", "action", " Redraw ", "Action=Redraw"},
                    TSetCase{"A=1|B", "C", "3", "A=1|C=3"},
                    TSetCase{" X = 1 =2 |Y=", "Z", "", "X=1 =2|Y= |Z= "},
                    TSetCase{"A=1|A=2", "A", "9", "A=9|A=2"},
                    TSetCase{"Action=Redraw", " Action", "x", "Action=Redraw|Action=x"},
                    TSetCase{"A=1", " \t ", "x", "A=1"}, TSetCase{"A=1|B=2", "b", "", "A=1|B= "}));

TEST(SetParameter, RefusesATextThatDoesNotFitAndLeavesTheBufferAlone) {
  char buffer[16];
  std::memset(buffer, '#', sizeof buffer);
  std::strcpy(buffer, "A=1");
  // "A=1|Action=Redraw" needs 18 bytes.
  EXPECT_FALSE(SetParameter(buffer, sizeof buffer, "Action", "Redraw"));
  EXPECT_STREQ(buffer, "A=1");
  for (size_t i = 4; i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], '#') << i;
  // Exactly fitting: "Action=Redraw" and its NUL are 14 bytes.
  char exact[14] = "";
  EXPECT_TRUE(SetParameter(exact, sizeof exact, "Action", "Redraw"));
  EXPECT_STREQ(exact, "Action=Redraw");
  EXPECT_FALSE(SetParameter(exact, 0, "A", "1"));
  EXPECT_FALSE(SetParameter(nullptr, 10, "A", "1"));
}

TEST(SetParameter, RefusesNamesAndValuesThatTheTextCannotCarry) {
  const std::pair<std::string_view, std::string_view> refused[] = {
      {"Action", "Redraw|Delete=All"}, {"A=B", "1"}, {"A|B", "1"}, {std::string_view("A\0B", 3), "1"},
      {"Action", std::string_view("x\0y", 3)},
  };
  for (const auto& [name, value] : refused) {
    char buffer[64] = "Action=Pan";
    EXPECT_FALSE(SetParameter(buffer, sizeof buffer, name, value)) << name << " " << value;
    EXPECT_STREQ(buffer, "Action=Pan");
  }
  char buffer[64] = "Action=Pan";
  EXPECT_TRUE(SetParameter(buffer, sizeof buffer, "Action", "a=b"));  // "=" is an ordinary value byte
  EXPECT_STREQ(buffer, "Action=a=b");
}

TEST(SetParameter, ReadsTheBufferOnlyUpToItsSize) {
  // The first 8 bytes hold no NUL; what follows them is not part of the buffer.
  char memory[] = "A=123456|B=7";
  EXPECT_FALSE(SetParameter(memory, 8, "C", "1"));  // "A=123456|C=1" does not fit
  EXPECT_STREQ(memory, "A=123456|B=7");
  ASSERT_TRUE(SetParameter(memory, 8, "a", "9"));
  EXPECT_STREQ(memory, "A=9");
  EXPECT_STREQ(memory + 4, "3456|B=7");
}

TEST(ParameterBuffer, AllocatesAnEmptyTextOrNothing) {
  EXPECT_EQ(AllocParameterBuffer(0), nullptr);
  EXPECT_EQ(AllocParameterBuffer(-1), nullptr);
  char* buffer = AllocParameterBuffer(256);
  ASSERT_NE(buffer, nullptr);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_TRUE(SetParameter(buffer, 256, "Action", "Redraw"));
  EXPECT_STREQ(buffer, "Action=Redraw");
  FreeParameterBuffer(buffer, 256);
  FreeParameterBuffer(nullptr, 256);
  FreeParameterBuffer(nullptr, 0);
}

}  // namespace
