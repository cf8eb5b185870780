#include "base/check_host.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "tests/win/frame/fake_client.h"

namespace {

struct TrimCase {
  const char* text;
  const char* trimmed;
};

class TrimHostDescription : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimHostDescription, RemovesTrailingBlanksControlsAndFullStops) {
  EXPECT_EQ(trim_host_description(GetParam().text), GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(Cases, TrimHostDescription,
                         testing::Values(TrimCase{"Disk full.", "Disk full"},
                                         TrimCase{"Disk full. .\r\n", "Disk full"},
                                         TrimCase{"v1.2 failed", "v1.2 failed"},
                                         TrimCase{" leading kept ", " leading kept"},
                                         TrimCase{"...", ""}, TrimCase{"", ""},
                                         TrimCase{"tab\t\x01", "tab"}),
                         [](const testing::TestParamInfo<TrimCase>& info) {
                           return "Case" + std::to_string(info.index);
                         });

std::string message_of(HRESULT status) {
  try {
    check_host(status);
  } catch (const EOleError& error) {
    EXPECT_EQ(error.Status(), status);
    return error.Message();
  }
  return "<no error>";
}

TEST(CheckHost, SuccessAndPositiveStatusesPass) {
  EXPECT_NO_THROW(check_host(S_OK));
  EXPECT_NO_THROW(check_host(S_FALSE));
}

TEST(CheckHost, MessageIsTheHostsTrimmedDescription) {
  leave_host_error(L"The board is locked.  ");
  EXPECT_EQ(message_of(E_FAIL), "The board is locked");
  // Reading the description consumed it: the next failure without one gets the system's text.
  EXPECT_NE(message_of(E_FAIL), "The board is locked");
}

TEST(CheckHost, WithoutDescriptionTheSystemTextThenTheCode) {
  leave_host_error(nullptr);
  std::string system = message_of(E_OUTOFMEMORY);
  EXPECT_FALSE(system.empty());
  EXPECT_NE(system.back(), '\n');
  EXPECT_NE(system.back(), '.');
  leave_host_error(L" . ");
  EXPECT_EQ(message_of(static_cast<HRESULT>(0x8004ABCD)), "OLE error 8004abcd");
}

}  // namespace
