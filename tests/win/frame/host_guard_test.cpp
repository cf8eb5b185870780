#include "base/host_guard.h"

#include <gtest/gtest.h>
#include <oleauto.h>

#include <stdexcept>

#include "base/bstr.h"
#include "base/com_ptr.h"
#include "base/exceptions.h"
#include "frame/error_info_hook.h"

namespace {

struct TThreadError {
  bool present = false;
  std::string source;
  std::string description;
};

TThreadError ReadThreadError() {
  TThreadError result;
  TComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.Put()) != S_OK || !info) return result;
  TUniqueBstr source, description;
  info->GetSource(source.Put());
  info->GetDescription(description.Put());
  result.present = true;
  result.source = source.Ansi();
  result.description = description.Ansi();
  return result;
}

TEST(HostGuard, EveryEscapingFailureBecomesUnexpected) {
  EXPECT_EQ(HostGuard([] {}), S_OK);
  EXPECT_EQ(HostGuard([] { throw Exception("x"); }), E_UNEXPECTED);
  EXPECT_EQ(HostGuard([] { throw std::runtime_error("x"); }), E_UNEXPECTED);
  EXPECT_EQ(HostGuard([] { throw 42; }), E_UNEXPECTED);
  EXPECT_EQ(HostGuardStatus([] { return S_FALSE; }), S_FALSE);
}

int conversions = 0;
int handler_ends = 0;
std::string converted_message;

TEST(HostGuard, ConversionAndHandlerEndHooksSeeEachFailureOnce) {
  conversions = handler_ends = 0;
  TConversionHook previous_conversion = SetConversionHook([](const std::exception_ptr& caught) {
    ++conversions;
    try {
      std::rethrow_exception(caught);
    } catch (const Exception& e) {
      converted_message = e.Message();
    }
  });
  THandlerEndHook previous_end = SetHandlerEndHook([] { ++handler_ends; });
  EXPECT_EQ(HostGuard([] {}), S_OK);
  EXPECT_EQ(HostGuard([] { throw Exception("seen"); }), E_UNEXPECTED);
  // A hook that fails must not turn the guard into a leak of its own.
  SetHandlerEndHook([] { throw Exception("hook failure"); });
  EXPECT_EQ(HostGuard([] { throw Exception("again"); }), E_UNEXPECTED);
  SetConversionHook(previous_conversion);
  SetHandlerEndHook(previous_end);
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

TEST_F(ErrorInfoHook, RemovedHookRecordsNothing) {
  RemoveErrorInfoHook();
  EXPECT_EQ(HostGuard([] { throw Exception("quiet"); }), E_UNEXPECTED);
  EXPECT_FALSE(ReadThreadError().present);
}

}  // namespace
