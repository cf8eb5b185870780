#include "frame/pdf_page_link.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PdfPageLink, PageLinksIgnoreCase) {
  TPdfPageLink link;
  ASSERT_TRUE(ParsePdfPageLink("manual.pdf#page=12", link));
  EXPECT_EQ(link.File, "manual.pdf");
  EXPECT_EQ(link.Page, 12);
  ASSERT_TRUE(ParsePdfPageLink("C:\\Docs\\Guide.PdF#PaGe=3", link));
  EXPECT_EQ(link.File, "C:\\Docs\\Guide.PdF");
  EXPECT_EQ(link.Page, 3);
}

TEST(PdfPageLink, OtherAddressesAreNoPageLinks) {
  TPdfPageLink link;
  EXPECT_FALSE(ParsePdfPageLink("manual.txt#PAGE=3", link));
  EXPECT_FALSE(ParsePdfPageLink("manual.pdf", link));
  EXPECT_FALSE(ParsePdfPageLink("manual.pdf#pages=3", link));
  EXPECT_FALSE(ParsePdfPageLink("pdf#page=3", link));
  EXPECT_FALSE(ParsePdfPageLink("", link));
}

TEST(PdfPageLink, APageThatIsNoNumberIsMinusOne) {
  TPdfPageLink link;
  for (const char* address : {"a.pdf#page=", "a.pdf#page=x", "a.pdf#page=12&zoom=3",
                              "a.pdf#page=99999999999"}) {
    ASSERT_TRUE(ParsePdfPageLink(address, link)) << address;
    EXPECT_EQ(link.Page, -1) << address;
  }
  // The first mark counts; what follows it is the page text.
  ASSERT_TRUE(ParsePdfPageLink("a.pdf#page=2#page=3", link));
  EXPECT_EQ(link.Page, -1);
}

TEST(PdfPageLink, VeryLongAddress) {
  std::string address(100000, 'x');
  TPdfPageLink link;
  EXPECT_FALSE(ParsePdfPageLink(address, link));
  address += ".pdf#page=7";
  ASSERT_TRUE(ParsePdfPageLink(address, link));
  EXPECT_EQ(link.File.size(), 100004u);
  EXPECT_EQ(link.Page, 7);
}

}  // namespace
