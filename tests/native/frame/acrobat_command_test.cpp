#include "frame/acrobat_command.h"

#include <gtest/gtest.h>

namespace {

TEST(AcrobatCommand, DocumentArgumentAndSwitchRemoved) {
  EXPECT_EQ(CleanAcrobatCommand("\"C:\\Acro\\AcroRd32.exe\" \"%1\""), "\"C:\\Acro\\AcroRd32.exe\" ");
  EXPECT_EQ(CleanAcrobatCommand("C:\\Acro\\Acro.exe /u %1"), "C:\\Acro\\Acro.exe  ");
  // Only the exact lower-case switch goes.
  EXPECT_EQ(CleanAcrobatCommand("x.exe /U /u \"%1\" %1"), "x.exe /U   ");
  EXPECT_EQ(CleanAcrobatCommand(""), "");
}

TEST(AcrobatCommand, ProgramOfACommand) {
  EXPECT_EQ(AcrobatProgram("\"C:\\Program Files\\Acro\\AcroRd32.exe\" "), "C:\\Program Files\\Acro\\AcroRd32.exe");
  EXPECT_EQ(AcrobatProgram("  C:\\Acro\\Acro.exe  "), "C:\\Acro\\Acro.exe");
  EXPECT_EQ(AcrobatProgram("\"unterminated"), "unterminated");
  EXPECT_EQ(AcrobatProgram("   "), "");
}

TEST(AcrobatCommand, CommandLinesByVersion) {
  EXPECT_EQ(AcrobatCommandLine("\"a.exe\" ", "C:\\H\\m.pdf", 7, 5), "\"a.exe\"  \"C:\\H\\m.pdf\"");
  EXPECT_EQ(AcrobatCommandLine("\"a.exe\"", "m.pdf", 12, 7),
            "\"a.exe\" /a pagemode=bookmarks&page=12 \"m.pdf\"");
  EXPECT_EQ(AcrobatGoToPage(12), "[DocGoTo(NULL, 11)]");
  EXPECT_EQ(AcrobatGoToPage(-2147483647 - 1), "[DocGoTo(NULL, -2147483649)]");
}

}  // namespace
