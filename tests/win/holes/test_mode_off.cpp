// The dialogs of these tests must really run: a test-mode key left in the prefix by an end-to-end
// run would make every modal run print its line and end the process instead.

#include <windows.h>

#include <gtest/gtest.h>

namespace {

class TestModeOff : public ::testing::Environment {
 public:
  void SetUp() override { RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Quorvel\\TestMode"); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new TestModeOff);

}  // namespace
