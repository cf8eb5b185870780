#pragma once
// The help panel shows pages of compiled help files without a browser engine: the page's HTML is
// turned into rich text (headings, paragraphs, list items, bold, italic and typewriter text).

#include <string>
#include <string_view>

std::string HelpPageRtf(std::string_view html);
