#include "frame/view_address_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewAddressText, FileViewNameAndParameters) {
  EXPECT_EQ(ComposeViewAddress(L"C:\\b.PcbDoc", 1, L"Main", L""), L"C:\\b.PcbDoc");
  EXPECT_EQ(ComposeViewAddress(L"C:\\b.PcbDoc", 1, L"Main", L"Layer=Top|Zoom=2"),
            L"C:\\b.PcbDoc?Layer=Top;Zoom=2");
  EXPECT_EQ(ComposeViewAddress(L"C:\\b.PcbDoc", 2, L"3D", L""), L"C:\\b.PcbDoc?ViewName=3D");
  EXPECT_EQ(ComposeViewAddress(L"C:\\b.PcbDoc", 3, L"3D", L"A=1|B=2"), L"C:\\b.PcbDoc?ViewName=3D;A=1;B=2");
  EXPECT_EQ(ComposeViewAddress(L"", 0, L"", L""), L"");
}

}  // namespace
