#include "holes/hole_labels.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/string_list.h"
#include "holes/coord_object.h"

namespace {

struct TLabelCase {
  TCoord size;
  const char* imperial;
  const char* metric;
};

TEST(HoleLabels, FormatKeepsTrailingZerosAndABlankBeforeTheUnit) {
  const TLabelCase cases[] = {
      {120000, "12.000 mil", "0.3048 mm"},
      {118110, "11.811 mil", "0.3000 mm"},
      {118126, "11.813 mil", "0.3000 mm"},
      {0, "0.000 mil", "0.0000 mm"},
      {80000, "8.000 mil", "0.2032 mm"},
      {393701, "39.370 mil", "1.0000 mm"},
      {-50000, "-5.000 mil", "-0.1270 mm"},
      {kMaxCoord, "214748.365 mil", "5454.6085 mm"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatHoleLabel(c.size, true), c.imperial) << c.size;
    EXPECT_EQ(FormatHoleLabel(c.size, false), c.metric) << c.size;
  }
}

TEST(HoleLabels, KeyIsTheLeadingRunOfDigitsAndPoints) {
  const std::pair<const char*, double> cases[] = {
      {"12.000 mil", 12.0}, {"0.3048 mm", 0.3048}, {"8.000 mil", 8.0}, {"", 0.0},
      {"mil", 0.0},         {"-5.000 mil", 0.0},   {".5 mm", 0.5},     {"5.", 5.0},
      {".", 0.0},           {"1.2.3", 1.2},        {"007", 7.0},       {"12abc", 12.0},
  };
  for (const auto& [label, key] : cases) EXPECT_DOUBLE_EQ(HoleLabelKey(label), key) << label;
}

// Records every exchange so the tests can count them and replay a plain exchange sort.
class TCountingList : public TStringList {
 public:
  void Exchange(int a, int b) override {
    ++exchanges;
    TStringList::Exchange(a, b);
  }
  int exchanges = 0;
};

std::vector<std::string> Texts(const TStrings& items) {
  std::vector<std::string> result;
  for (int i = 0; i < items.Count(); ++i) result.push_back(items.Get(i));
  return result;
}

// The exchange sort in passes as the editor's order is defined.
void BubbleSort(TStrings& items) {
  if (items.Count() < 2) return;
  for (bool exchanged = true; exchanged;) {
    exchanged = false;
    for (int i = 0; i + 1 < items.Count(); ++i) {
      if (HoleLabelKey(items.Get(i)) > HoleLabelKey(items.Get(i + 1))) {
        items.Exchange(i, i + 1);
        exchanged = true;
      }
    }
  }
}

TEST(HoleLabels, SortOrdersByNumberNotAlphabetically) {
  TStringList items;
  for (const char* label : {"20.000 mil", "8.000 mil", "12.000 mil"}) items.Add(label);
  SortHoleLabels(items);
  EXPECT_EQ(Texts(items), (std::vector<std::string>{"8.000 mil", "12.000 mil", "20.000 mil"}));
}

TEST(HoleLabels, SortMovesObjectsWithTheirItemsAndKeepsEqualKeysInOrder) {
  TCoordObject a(1), b(2), c(3), d(4);
  TStringList items;
  items.AddObject("12.000 mil", &a);
  items.AddObject("8.000 mil", &b);
  items.AddObject("12.0 mm", &c);  // same key as the first: stays after it
  items.AddObject("x", &d);        // key 0: first
  SortHoleLabels(items);
  EXPECT_EQ(Texts(items), (std::vector<std::string>{"x", "8.000 mil", "12.000 mil", "12.0 mm"}));
  EXPECT_EQ(items.GetObject(0), &d);
  EXPECT_EQ(items.GetObject(1), &b);
  EXPECT_EQ(items.GetObject(2), &a);
  EXPECT_EQ(items.GetObject(3), &c);
}

TEST(HoleLabels, SortLeavesShortAndSortedListsAlone) {
  for (const std::vector<std::string>& labels :
       {std::vector<std::string>{}, {"5.000 mil"}, {"1.000 mil", "2.000 mil", "2.000 mil", "3.000 mil"}}) {
    TCountingList items;
    for (const auto& label : labels) items.Add(label);
    SortHoleLabels(items);
    EXPECT_EQ(Texts(items), labels);
    EXPECT_EQ(items.exchanges, 0);
  }
}

TEST(HoleLabels, SortEqualsTheExchangeSortWithFewerExchanges) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> count_pick(0, 40), value_pick(0, 12), form_pick(0, 2);
  for (int round = 0; round < 300; ++round) {
    std::vector<TCoordObject> objects(static_cast<size_t>(count_pick(random)));
    TCountingList ours, reference;
    for (size_t i = 0; i < objects.size(); ++i) {
      // Few distinct keys, so equal keys are common; objects tell equal labels apart.
      const int value = value_pick(random);
      std::string label = form_pick(random) == 0   ? std::to_string(value) + ".000 mil"
                          : form_pick(random) == 1 ? "0." + std::to_string(value) + " mm"
                                                   : std::to_string(value);
      ours.AddObject(label, &objects[i]);
      reference.AddObject(label, &objects[i]);
    }
    SortHoleLabels(ours);
    BubbleSort(reference);
    ASSERT_EQ(Texts(ours), Texts(reference));
    for (int i = 0; i < ours.Count(); ++i) ASSERT_EQ(ours.GetObject(i), reference.GetObject(i));
    EXPECT_LE(ours.exchanges, std::max(0, ours.Count() - 1));
  }
}

}  // namespace
