#include "frame/pdf_page_link.h"

#include "base/ascii.h"

namespace {

int32_t PageNumber(std::string_view text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return -1;
  int64_t number = 0;
  for (; i < text.size(); ++i) {
    if (!AsciiIsDigit(text[i])) return -1;
    number = number * 10 + (text[i] - '0');
    if (number > INT32_MAX) return -1;
  }
  return static_cast<int32_t>(negative ? -number : number);
}

}  // namespace

bool ParsePdfPageLink(std::string_view address, TPdfPageLink& link) {
  const std::string upper = AsciiToUpper(address);
  const size_t mark = upper.find("#PAGE=");
  if (mark == std::string::npos) return false;
  std::string_view file = address.substr(0, mark);
  if (file.size() < 4 || !AsciiIequals(file.substr(file.size() - 4), ".PDF")) return false;
  link.File = std::string(file);
  link.Page = PageNumber(std::string_view(upper).substr(mark + 6));
  return true;
}
