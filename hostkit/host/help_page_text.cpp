#include "help_page_text.h"

#include <cctype>

namespace {

std::string Lower(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

void AppendText(std::string& rtf, char c) {
  if (c == '\\' || c == '{' || c == '}') rtf += '\\';
  if (static_cast<unsigned char>(c) >= 0x80) {
    static const char hex[] = "0123456789abcdef";
    rtf += "\\'";
    rtf += hex[static_cast<unsigned char>(c) >> 4];
    rtf += hex[static_cast<unsigned char>(c) & 15];
    return;
  }
  rtf += c;
}

char Entity(std::string_view name) {
  if (name == "nbsp") return ' ';
  if (name == "amp") return '&';
  if (name == "lt") return '<';
  if (name == "gt") return '>';
  if (name == "quot") return '"';
  return '?';
}

}  // namespace

std::string HelpPageRtf(std::string_view html) {
  std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Tahoma;}{\\f1\\fmodern Courier New;}}"
                    "{\\colortbl;\\red31\\green63\\blue111;}\\fs17 ";
  bool skipping = false;  // inside <head>
  bool pending_space = false;
  bool line_start = true;
  for (size_t i = 0; i < html.size();) {
    char c = html[i];
    if (c == '<') {
      size_t end = html.find('>', i);
      if (end == std::string_view::npos) break;
      std::string tag = Lower(html.substr(i + 1, end - i - 1));
      i = end + 1;
      size_t cut = tag.find_first_of(" \t\r\n");
      std::string name = tag.substr(0, cut);
      if (name == "head") skipping = true;
      if (name == "/head") skipping = false;
      if (skipping) continue;
      const char* code = nullptr;
      if (name == "h1") code = "\\par\\b\\fs26\\cf1 ";
      else if (name == "h2") code = "\\par\\b\\fs19\\cf1 ";
      else if (name == "/h1" || name == "/h2") code = "\\b0\\fs17\\cf0\\par ";
      else if (name == "p") code = "\\par ";
      else if (name == "/p" || name == "/ul") code = "\\par ";
      else if (name == "li") code = "\\par\\li240\\fi-160\\bullet  ";
      else if (name == "/li") code = "\\li0\\fi0 ";
      else if (name == "b") code = "\\b ";
      else if (name == "/b") code = "\\b0 ";
      else if (name == "i") code = "\\i ";
      else if (name == "/i") code = "\\i0 ";
      else if (name == "tt") code = "\\f1 ";
      else if (name == "/tt") code = "\\f0 ";
      else if (name == "br") code = "\\line ";
      if (code) {
        if (pending_space && !line_start && (name == "b" || name == "i" || name == "tt")) rtf += ' ';
        rtf += code;
        line_start = name[0] != '/' ? name != "b" && name != "i" && name != "tt" : name == "/h1" || name == "/h2" ||
                                                                                      name == "/p" || name == "/ul";
        pending_space = false;
      }
      continue;
    }
    ++i;
    if (skipping) continue;
    if (std::isspace(static_cast<unsigned char>(c))) {
      pending_space = true;
      continue;
    }
    if (pending_space && !line_start) rtf += ' ';
    pending_space = false;
    line_start = false;
    if (c == '&') {
      size_t semi = html.find(';', i);
      if (semi != std::string_view::npos && semi - i < 8) {
        AppendText(rtf, Entity(html.substr(i, semi - i)));
        i = semi + 1;
        continue;
      }
    }
    AppendText(rtf, c);
  }
  return rtf + "}";
}
