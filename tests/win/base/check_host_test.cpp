#include "base/check_host.h"

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "tests/win/support/test_client.h"

namespace {

struct TTrimCase {
  const char* text;
  const char* trimmed;
};

class TrimHostDescription : public testing::TestWithParam<TTrimCase> {};

TEST_P(TrimHostDescription, RemovesTrailingBlanksControlsAndFullStops) {
  EXPECT_EQ(TrimmedHostDescription(GetParam().text), GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(Cases, TrimHostDescription,
                         testing::Values(TTrimCase{"Disk full.", "Disk full"},
                                         TTrimCase{"Disk full. .\r\n", "Disk full"},
                                         TTrimCase{"v1.2 failed", "v1.2 failed"},
                                         TTrimCase{" leading kept ", " leading kept"},
                                         TTrimCase{"...", ""}, TTrimCase{"", ""},
                                         TTrimCase{"tab\t\x01", "tab"}),
                         [](const testing::TestParamInfo<TTrimCase>& info) {
                           return "Case" + std::to_string(info.index);
                         });

std::string MessageOf(HRESULT status) {
  try {
    CheckHost(status);
  } catch (const EOleError& error) {
    EXPECT_EQ(error.Status(), status);
    return error.Message();
  }
  return "<no error>";
}

TEST(CheckHost, SuccessAndPositiveStatusesPass) {
  EXPECT_NO_THROW(CheckHost(S_OK));
  EXPECT_NO_THROW(CheckHost(S_FALSE));
}

TEST(CheckHost, MessageIsTheHostsTrimmedDescription) {
  LeaveHostError(L"The board is locked.  ");
  EXPECT_EQ(MessageOf(E_FAIL), "The board is locked");
  // Reading the description consumed it: the next failure without one gets the system's text.
  EXPECT_NE(MessageOf(E_FAIL), "The board is locked");
}

TEST(CheckHost, WithoutDescriptionTheSystemTextThenTheCode) {
  LeaveHostError(nullptr);
  std::string system = MessageOf(E_OUTOFMEMORY);
  EXPECT_FALSE(system.empty());
  EXPECT_NE(system.back(), '\n');
  EXPECT_NE(system.back(), '.');
  LeaveHostError(L" . ");
  EXPECT_EQ(MessageOf(static_cast<HRESULT>(0x8004ABCD)), "OLE error 8004abcd");
}

}  // namespace
