#include "crash/crash_report_text.h"

#include <gtest/gtest.h>

namespace {

const std::vector<TCrashModule> kModules = {
    {"TavrinHost.exe", 0x00400000, 0x20000},
    {"Tavrin.dll", 0x6E000000, 0x100000},
};

TEST(CrashReportAddress, NamesTheModuleAndTheOffsetInsideItAndTheBareAddressElsewhere) {
  EXPECT_EQ(DescribeCodeAddress(0x6E001234, kModules), "Tavrin.dll+0x1234");
  EXPECT_EQ(DescribeCodeAddress(0x6E000000, kModules), "Tavrin.dll+0x0");
  // One past the end belongs to no module.
  EXPECT_EQ(DescribeCodeAddress(0x6E100000, kModules), "0x6E100000");
  EXPECT_EQ(DescribeCodeAddress(0x0041FFFF, kModules), "TavrinHost.exe+0x1FFFF");
  EXPECT_EQ(DescribeCodeAddress(0, kModules), "0x00000000");
  EXPECT_EQ(DescribeCodeAddress(0x6E001234, {}), "0x6E001234");
}

TCrashReportFacts AccessViolation() {
  TCrashReportFacts facts;
  facts.ExceptionClass = "EAccessViolation";
  facts.Message = "Access violation at address 6E001234. Write of address 00000000";
  facts.Code = 0xC0000005;
  facts.CodeName = "Access Violation";
  facts.Address = 0x6E001234;
  facts.ThreadId = 44;
  facts.PluginVersion = "0.1";
  facts.PluginBuild = "abc1234";
  facts.WindowsVersion = "6.1 build 7601";
  facts.Stack = {0x6E001234, 0x00401010, 0x7B000000};
  facts.Modules = kModules;
  return facts;
}

TEST(CrashReportText, WithDetailsListsTheStackFramesAndTheModules) {
  TCrashReportFacts facts = AccessViolation();
  facts.WithDetails = true;
  EXPECT_EQ(ComposeCrashReportText(facts),
            "Tavrin crash report\r\n"
            "Exception: EAccessViolation\r\n"
            "Message: Access violation at address 6E001234. Write of address 00000000\r\n"
            "Code: C0000005 (Access Violation)\r\n"
            "Address: Tavrin.dll+0x1234\r\n"
            "Thread: 44\r\n"
            "Plug-in: Tavrin 0.1 (build abc1234)\r\n"
            "Windows: 6.1 build 7601\r\n"
            "Call stack:\r\n"
            "  #0 Tavrin.dll+0x1234\r\n"
            "  #1 TavrinHost.exe+0x1010\r\n"
            "  #2 0x7B000000\r\n"
            "Modules:\r\n"
            "  0x00400000 TavrinHost.exe\r\n"
            "  0x6E000000 Tavrin.dll\r\n");
}

TEST(CrashReportText, WithoutDetailsTheAddressIsStillNamedButStackAndModulesAreLeftOut) {
  TCrashReportFacts facts = AccessViolation();
  facts.WithDetails = false;
  std::string text = ComposeCrashReportText(facts);
  EXPECT_NE(text.find("Address: Tavrin.dll+0x1234\r\n"), std::string::npos);
  EXPECT_EQ(text.find("Call stack"), std::string::npos);
  EXPECT_EQ(text.find("Modules"), std::string::npos);
}

TEST(CrashReportText, AnExceptionOfThePlugInHasNoCodeLineAndAFailedStepEndsTheReport) {
  TCrashReportFacts facts;
  facts.ExceptionClass = "EOleError";
  facts.Message = "Board is locked";
  facts.WithDetails = true;
  facts.Incomplete = "modules failed: no module snapshot";
  std::string text = ComposeCrashReportText(facts);
  EXPECT_EQ(text.find("Code:"), std::string::npos);
  EXPECT_NE(text.find("Exception: EOleError\r\nMessage: Board is locked\r\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("Report incomplete: modules failed: no module snapshot\r\n")) << text;
}

TEST(CrashReportText, NoExceptionObjectIsSaidSo) {
  TCrashReportFacts facts;
  facts.Message = "Error (C0000135)";
  facts.Code = 0xC0000135;
  std::string text = ComposeCrashReportText(facts);
  EXPECT_NE(text.find("Exception: (no exception object)\r\n"), std::string::npos);
  EXPECT_NE(text.find("Code: C0000135\r\n"), std::string::npos);
}

}  // namespace
