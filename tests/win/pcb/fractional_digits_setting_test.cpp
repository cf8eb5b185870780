#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "base/text_convert.h"
#include "frame/locations.h"
#include "frame/slots.h"
#include "pcb/coord.h"
#include "tests/win/support/test_client.h"

namespace {

class FractionalDigitsSetting : public testing::Test {
 protected:
  void SetUp() override {
    client.ServeSettings(settings, store);
    ClientSlot = &client;
    SetFractionalDigits(eMetric, 5);
    SetFractionalDigits(eImperial, 4);
  }
  void TearDown() override {
    ClientSlot = nullptr;
    SetFractionalDigits(eMetric, 5);
    SetFractionalDigits(eImperial, 3);
  }
  TTestClient client;
  TTestSettingsService settings;
  TTestSettingsStore store;
};

TEST_F(FractionalDigitsSetting, ReadsTheEditorsSettingsFileWithTheCurrentValueAsDefault) {
  store.values[L"SystemOptions/FractionalDigits_mm"] = 4;
  LoadFractionalDigits();
  EXPECT_EQ(MmFractionalDigits(), 4);
  EXPECT_EQ(MilFractionalDigits(), 3);
  EXPECT_EQ(MmMultiplier(), 10000);
  ASSERT_EQ(client.log.size(), 3u);
  EXPECT_EQ(client.log[1], "OpenModuleSettings Dralith " + ToAnsi(SettingsFolder()) + "\\DRALITH.INI");
  EXPECT_EQ(client.log[2], "ReadInteger SystemOptions/FractionalDigits_mm 5");
}

TEST_F(FractionalDigitsSetting, ValuesOutsideTheRangeAreClamped) {
  struct {
    int stored;
    int digits;
  } cases[] = {{9, 5}, {1, 3}, {-7, 3}, {3, 3}, {5, 5}};
  for (const auto& c : cases) {
    SetFractionalDigits(eMetric, 5);
    store.values[L"SystemOptions/FractionalDigits_mm"] = c.stored;
    LoadFractionalDigits();
    EXPECT_EQ(MmFractionalDigits(), c.digits) << c.stored;
  }
}

TEST_F(FractionalDigitsSetting, NothingStoredOrNoClientGivesFive) {
  LoadFractionalDigits();
  EXPECT_EQ(MmFractionalDigits(), 5);
  SetFractionalDigits(eMetric, 3);
  ClientSlot = nullptr;
  LoadFractionalDigits();
  EXPECT_EQ(MmFractionalDigits(), 5);
  EXPECT_EQ(MilFractionalDigits(), 3);
}

TEST_F(FractionalDigitsSetting, AFailingSettingsServiceRaises) {
  store.status = E_FAIL;
  EXPECT_THROW(LoadFractionalDigits(), EOleError);
}

}  // namespace
