#include "base/host_guard.h"

#include <gtest/gtest.h>
#include <oleauto.h>

#include <stdexcept>

#include "base/bstr.h"
#include "base/com_ptr.h"
#include "base/exceptions.h"
#include "frame/error_info_hook.h"

namespace {

struct ThreadError {
  bool present = false;
  std::string source;
  std::string description;
};

ThreadError read_thread_error() {
  ThreadError result;
  ComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.put()) != S_OK || !info) return result;
  UniqueBstr source, description;
  info->GetSource(source.put());
  info->GetDescription(description.put());
  result.present = true;
  result.source = source.ansi();
  result.description = description.ansi();
  return result;
}

TEST(HostGuard, EveryEscapingFailureBecomesUnexpected) {
  EXPECT_EQ(host_guard([] {}), S_OK);
  EXPECT_EQ(host_guard([] { throw Exception("x"); }), E_UNEXPECTED);
  EXPECT_EQ(host_guard([] { throw std::runtime_error("x"); }), E_UNEXPECTED);
  EXPECT_EQ(host_guard([] { throw 42; }), E_UNEXPECTED);
  EXPECT_EQ(host_guard_status([] { return S_FALSE; }), S_FALSE);
}

int conversions = 0;
int handler_ends = 0;
std::string converted_message;

TEST(HostGuard, ConversionAndHandlerEndHooksSeeEachFailureOnce) {
  conversions = handler_ends = 0;
  ConversionHook previous_conversion = set_conversion_hook([](const std::exception_ptr& caught) {
    ++conversions;
    try {
      std::rethrow_exception(caught);
    } catch (const Exception& e) {
      converted_message = e.Message();
    }
  });
  HandlerEndHook previous_end = set_handler_end_hook([] { ++handler_ends; });
  EXPECT_EQ(host_guard([] {}), S_OK);
  EXPECT_EQ(host_guard([] { throw Exception("seen"); }), E_UNEXPECTED);
  // A hook that fails must not turn the guard into a leak of its own.
  set_handler_end_hook([] { throw Exception("hook failure"); });
  EXPECT_EQ(host_guard([] { throw Exception("again"); }), E_UNEXPECTED);
  set_conversion_hook(previous_conversion);
  set_handler_end_hook(previous_end);
  EXPECT_EQ(conversions, 2);
  EXPECT_EQ(handler_ends, 1);
  EXPECT_EQ(converted_message, "again");
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
  EXPECT_EQ(host_guard([] { throw Exception("Nothing to edit."); }), E_UNEXPECTED);
  ThreadError error = read_thread_error();
  ASSERT_TRUE(error.present);
  EXPECT_EQ(error.source, "win_frame_tests.exe");
  EXPECT_EQ(error.description, "Nothing to edit.");
}

TEST_F(ErrorInfoHook, DerivedErrorsRecordAndSystemFaultsDoNot) {
  try {
    throw EOleError("The host refused", E_FAIL);
  } catch (const Exception&) {
  }
  EXPECT_EQ(read_thread_error().description, "The host refused");
  try {
    throw EAccessViolation("Access violation", 0xC0000005, 0);
  } catch (const Exception&) {
  }
  EXPECT_FALSE(read_thread_error().present);
  try {
    throw std::runtime_error("not ours");
  } catch (...) {
  }
  EXPECT_FALSE(read_thread_error().present);
}

TEST_F(ErrorInfoHook, RemovedHookRecordsNothing) {
  RemoveErrorInfoHook();
  EXPECT_EQ(host_guard([] { throw Exception("quiet"); }), E_UNEXPECTED);
  EXPECT_FALSE(read_thread_error().present);
}

}  // namespace
