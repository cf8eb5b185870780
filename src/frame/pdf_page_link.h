#pragma once
// A help address that names a page of a PDF file: "manual.pdf#page=12" (letter case ignored).

#include <cstdint>
#include <string>
#include <string_view>

struct TPdfPageLink {
  std::string File;  // the text before "#PAGE=", not yet located
  int32_t Page = 0;  // -1 when the text after "#PAGE=" is no decimal integer
};

// False when the address has no "#PAGE=" or the text before it does not end in ".PDF".
bool ParsePdfPageLink(std::string_view address, TPdfPageLink& link);
