// The crash report as the plug-in gathers it on a real (Wine) system, and its answer to gathering
// steps that fail or fault.

#include "crash/crash_report.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "base/text_convert.h"
#include "base/fault_guard.h"

namespace {

int* volatile nowhere = nullptr;

[[gnu::noinline]] uintptr_t CodeAddress() { return reinterpret_cast<uintptr_t>(&CodeAddress); }

TCrashRequest AccessViolation(const EAccessViolation& error) {
  TCrashRequest request;
  request.Object = &error;
  request.Address = error.Address();
  request.ThreadId = GetCurrentThreadId();
  return request;
}

TEST(CrashReport, NamesTheExceptionItsPlaceInTheModuleTheThreadTheSystemStackAndModules) {
  const EAccessViolation error("Access violation at address 00401000. Read of address 00000000",
                               0xC0000005, CodeAddress());
  TCrashRequest request = AccessViolation(error);
  request.CodeName = "Access Violation";
  std::string text = ToAnsi(CreateCrashReport(request));
  EXPECT_TRUE(text.starts_with("Tavrin crash report\r\nException: EAccessViolation\r\n")) << text;
  EXPECT_NE(text.find("Code: C0000005 (Access Violation)\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Address: win_crash_tests.exe+0x"), std::string::npos) << text;
  EXPECT_NE(text.find("Thread: " + std::to_string(GetCurrentThreadId()) + "\r\n"), std::string::npos);
  EXPECT_NE(text.find("Plug-in: Tavrin "), std::string::npos) << text;
  EXPECT_NE(text.find("Windows: "), std::string::npos) << text;
  EXPECT_NE(text.find("Call stack:\r\n  #0 "), std::string::npos) << text;
  EXPECT_NE(text.find(" win_crash_tests.exe\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find(" kernel32.dll\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("Report incomplete"), std::string::npos) << text;
}

TEST(CrashReport, WithoutDetailsTheStackAndModuleListAreNotGathered) {
  const EAccessViolation error("x", 0xC0000005, CodeAddress());
  TCrashRequest request = AccessViolation(error);
  request.WithDetails = false;
  std::string text = ToAnsi(CreateCrashReport(request));
  EXPECT_NE(text.find("Address: win_crash_tests.exe+0x"), std::string::npos) << text;
  EXPECT_EQ(text.find("Call stack"), std::string::npos) << text;
  EXPECT_EQ(text.find("Modules"), std::string::npos) << text;
}

class TFailingModules : public TCrashFactsSource {
 public:
  std::vector<TCrashModule> Modules() override { throw EOSError("no module snapshot", 5); }
};

class TFaultingStack : public TCrashFactsSource {
 public:
  std::vector<uintptr_t> Stack() override {
    *nowhere = 3;
    return {};
  }
};

TEST(CrashReport, AStepThatFailsEndsTheReportWithOneLineInsteadOfRaising) {
  const EOleError error("Board is locked", E_FAIL);
  TCrashRequest request;
  request.Object = &error;
  TFailingModules modules;
  std::string text = ToAnsi(CreateCrashReport(request, modules));
  EXPECT_NE(text.find("Exception: EOleError\r\nMessage: Board is locked\r\n"), std::string::npos) << text;
  EXPECT_TRUE(text.ends_with("Report incomplete: modules failed: no module snapshot\r\n")) << text;
  // Nothing after the failed step was gathered.
  EXPECT_EQ(text.find("Call stack"), std::string::npos) << text;
}

TEST(CrashReport, AStepThatFaultsEndsTheReportWithOneLineToo) {
  const Exception error("x");
  TCrashRequest request;
  request.Object = &error;
  TFaultingStack stack;
  std::string text = ToAnsi(CreateCrashReport(request, stack));
  EXPECT_NE(text.find("Report incomplete: call stack failed: Access violation at address "), std::string::npos)
      << text;
}

TEST(CrashReport, ABrokenExceptionObjectIsReportedAsAFailedStep) {
  TCrashRequest request;
  request.Object = reinterpret_cast<const Exception*>(0x20);
  request.Message = "Error (C0000005)";
  std::string text = ToAnsi(CreateCrashReport(request));
  EXPECT_NE(text.find("Report incomplete: exception failed: Access violation"), std::string::npos) << text;
}

[[gnu::noinline]] void FaultingLeaf() { *nowhere = 4; }
[[gnu::noinline]] void CallsTheLeaf() {
  FaultingLeaf();
  asm volatile("" ::: "memory");  // keeps the call a call, not a jump
}

TEST(CrashReport, AFaultsReportShowsTheStackAsItWasAtTheFault) {
  std::exception_ptr fault = RunGuarded([] { CallsTheLeaf(); });
  try {
    std::rethrow_exception(fault);
  } catch (const EAccessViolation& error) {
    ASSERT_GE(error.Stack().size(), 2u);
    EXPECT_EQ(error.Stack()[0], error.Address());
    // The return address into the caller was read from the stack.
    auto caller = reinterpret_cast<uintptr_t>(&CallsTheLeaf);
    bool found = false;
    for (uintptr_t frame : error.Stack()) found = found || (frame > caller && frame < caller + 64);
    EXPECT_TRUE(found);
    TCrashRequest request = AccessViolation(error);
    std::string text = ToAnsi(CreateCrashReport(request));
    // The first frame is the fault itself, inside the test program.
    EXPECT_NE(text.find("Call stack:\r\n  #0 win_crash_tests.exe+0x"), std::string::npos) << text;
  }
}

}  // namespace
