#pragma once
// What every scripted editor case checks first: the host ran to its end, the script passed every
// step, and nothing in the PCB module saw a bracket out of order.

#include <gtest/gtest.h>

#include <string>

#include "board_text.h"
#include "tests/e2e/support/host_run.h"

inline void ExpectScriptPassed(const THostResult& result) {
  EXPECT_FALSE(result.TimedOut) << result.Output;
  EXPECT_EQ(result.ExitCode, 0u) << result.Output;
  EXPECT_FALSE(result.Printed("script: FAILED")) << result.Output;
  EXPECT_TRUE(result.Printed("script: done")) << result.Output;
  EXPECT_TRUE(result.TraceStarting("PROTOCOL VIOLATION").empty()) << result.Output;
}

// The name of the running test, as a folder name.
inline std::string CaseName() {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (char& c : name)
    if (c == '/') c = '_';
  return name;
}
