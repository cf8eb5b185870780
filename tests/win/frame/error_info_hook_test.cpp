#include "frame/error_info_hook.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <oleauto.h>

#include <stdexcept>

#include "base/exceptions.h"
#include "base/host_guard.h"
#include "tests/win/support/thread_error.h"

namespace {

void WriteThroughNull() {
  volatile int* p = nullptr;
  *p = 1;
}

class ErrorInfoHook : public testing::Test {
 protected:
  void SetUp() override {
    InstallErrorInfoHook();
    SetErrorInfo(0, nullptr);
  }
  void TearDown() override { RemoveErrorInfoHook(); }
};

TEST_F(ErrorInfoHook, AFailureReachesTheHostWithSourceAndMessage) {
  EXPECT_EQ(HostGuard([] { throw Exception("Nothing to edit."); }), E_UNEXPECTED);
  TThreadError error = ReadThreadError();
  ASSERT_TRUE(error.present);
  EXPECT_EQ(error.source, "win_frame_tests.exe");
  EXPECT_EQ(error.description, "Nothing to edit.");
}

TEST_F(ErrorInfoHook, DerivedErrorsRecordAndSystemFaultsDoNot) {
  try {
    throw EOleError("The host refused", E_FAIL);
  } catch (const Exception&) {
  }
  EXPECT_EQ(ReadThreadError().description, "The host refused");
  try {
    throw EAccessViolation("Access violation", 0xC0000005, 0);
  } catch (const Exception&) {
  }
  EXPECT_FALSE(ReadThreadError().present);
  try {
    throw std::runtime_error("not ours");
  } catch (...) {
  }
  EXPECT_FALSE(ReadThreadError().present);
}

TEST_F(ErrorInfoHook, AFaultThatReachesTheHostRecordsWhatHappened) {
  EXPECT_EQ(HostGuard([] { WriteThroughNull(); }), E_UNEXPECTED);
  TThreadError error = ReadThreadError();
  ASSERT_TRUE(error.present);
  EXPECT_EQ(error.source, "win_frame_tests.exe");
  EXPECT_EQ(error.description.rfind("Access violation at address", 0), 0u) << error.description;
}

TEST_F(ErrorInfoHook, RemovedHookRecordsNothing) {
  RemoveErrorInfoHook();
  EXPECT_EQ(HostGuard([] { throw Exception("quiet"); }), E_UNEXPECTED);
  EXPECT_FALSE(ReadThreadError().present);
  EXPECT_EQ(HostGuard([] { WriteThroughNull(); }), E_UNEXPECTED);
  EXPECT_FALSE(ReadThreadError().present);
}

}  // namespace
