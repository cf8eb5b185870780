#include "base/host_guard.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/exceptions.h"

namespace {

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
  ExceptionConversionHook.Install([](const std::exception_ptr& caught) {
    ++conversions;
    try {
      std::rethrow_exception(caught);
    } catch (const Exception& e) {
      converted_message = e.Message();
    }
  });
  ExceptionHandlerEndHook.Install([] { ++handler_ends; });
  EXPECT_EQ(HostGuard([] {}), S_OK);
  EXPECT_EQ(HostGuard([] { throw Exception("seen"); }), E_UNEXPECTED);
  // A hook that fails must not turn the guard into a leak of its own.
  ExceptionHandlerEndHook.Install([] { throw Exception("hook failure"); });
  EXPECT_EQ(HostGuard([] { throw Exception("again"); }), E_UNEXPECTED);
  ExceptionConversionHook.Remove();
  ExceptionHandlerEndHook.Remove();
  EXPECT_EQ(conversions, 2);
  EXPECT_EQ(handler_ends, 1);
  EXPECT_EQ(converted_message, "again");
}

void WriteThroughNull() {
  volatile int* p = nullptr;
  *p = 1;
}

TEST(HostGuard, AProcessorFaultBecomesUnexpectedAndTheConversionSeesIt) {
  std::string seen;
  ExceptionConversionHook.Install([&](const std::exception_ptr& caught) {
    try {
      std::rethrow_exception(caught);
    } catch (const EAccessViolation& e) {
      seen = e.Message();
    }
  });
  EXPECT_EQ(HostGuard([] { WriteThroughNull(); }), E_UNEXPECTED);
  EXPECT_EQ(HostGuardStatus([] {
              WriteThroughNull();
              return S_OK;
            }),
            E_UNEXPECTED);
  ExceptionConversionHook.Remove();
  EXPECT_EQ(seen.rfind("Access violation at address", 0), 0u) << seen;
  // The thread goes on guarding after a fault.
  EXPECT_EQ(HostGuard([] { throw Exception("after"); }), E_UNEXPECTED);
}

}  // namespace
