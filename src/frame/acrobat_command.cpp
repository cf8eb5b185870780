#include "frame/acrobat_command.h"

namespace {

void RemoveAll(std::string& text, std::string_view part) {
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at))
    text.erase(at, part.size());
}

}  // namespace

std::string CleanAcrobatCommand(std::string_view command) {
  std::string result(command);
  RemoveAll(result, "\"%1\"");
  RemoveAll(result, "%1");
  RemoveAll(result, "/u");
  return result;
}

std::string AcrobatProgram(std::string_view command) {
  // The removals leave blanks where the document argument was.
  const size_t first = command.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  command = command.substr(first, command.find_last_not_of(' ') - first + 1);
  if (command.front() != '"') return std::string(command);
  return std::string(command.substr(1, command.find('"', 1) - 1));
}

std::string AcrobatCommandLine(std::string_view command, std::string_view file, int32_t page,
                               int version) {
  std::string line(command);
  if (version >= 6) line += " /a pagemode=bookmarks&page=" + std::to_string(page);
  return line + " \"" + std::string(file) + "\"";
}

std::string AcrobatGoToPage(int32_t page) {
  return "[DocGoTo(NULL, " + std::to_string(static_cast<int64_t>(page) - 1) + ")]";
}
