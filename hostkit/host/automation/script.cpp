#include "script.h"

#include <algorithm>
#include <cstdlib>

namespace {

struct TVerbShape {
  const char* Verb;
  int MinArgs;
  int MaxArgs;  // -1: no limit
};

// Every verb with its argument counts; the runner relies on these counts being checked here.
constexpr TVerbShape kVerbs[] = {
    {"timeout", 1, 1},         {"wait-window", 1, 1},     {"wait-no-window", 1, 1},
    {"click", 1, 1},           {"check", 2, 2},           {"select", 2, 3},
    {"double-click", 2, 2},    {"right-click", 1, 2},     {"set-text", 2, 2},
    {"type", 1, 1},            {"key", 1, 1},             {"expect-text", 2, 2},
    {"expect-items", 1, -1},   {"expect-selected", 1, -1}, {"expect-current", 2, 2},
    {"expect-checked", 2, 2},  {"expect-enabled", 2, 2},  {"expect-focus", 1, 1},
    {"print", 1, 1},           {"print-items", 1, 1},     {"print-controls", 0, 0},  {"print-windows", 0, 0},
    {"screenshot", 1, 1},      {"echo", 1, 1},            {"report-times", 1, 1},
    {"on-stop", 1, 1},         {"dismiss-message", 0, 0},
};

const TVerbShape* FindVerb(std::string_view verb) {
  for (const TVerbShape& shape : kVerbs)
    if (verb == shape.Verb) return &shape;
  return nullptr;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Splits one line into words; a quoted word may hold blanks and the escapes \" \\ \n \t.
bool SplitLine(std::string_view line, std::vector<std::string>& words, std::string& error) {
  size_t i = 0;
  while (i < line.size()) {
    if (IsBlank(line[i])) {
      ++i;
      continue;
    }
    std::string word;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\') {
          if (i >= line.size()) break;
          char e = line[i++];
          switch (e) {
            case '"': word += '"'; break;
            case '\\': word += '\\'; break;
            case 'n': word += '\n'; break;
            case 't': word += '\t'; break;
            default:
              error = std::string("unknown escape \\") + e;
              return false;
          }
          continue;
        }
        word += c;
      }
      if (!closed) {
        error = "unterminated quoted text";
        return false;
      }
      if (i < line.size() && !IsBlank(line[i])) {
        error = "a quoted text must be followed by a blank";
        return false;
      }
    } else {
      while (i < line.size() && !IsBlank(line[i])) {
        if (line[i] == '"') {
          error = "a quote inside a bare word";
          return false;
        }
        word += line[i++];
      }
    }
    words.push_back(std::move(word));
  }
  return true;
}

bool IsOnOff(const std::string& word) { return word == "on" || word == "off"; }

// Checks what the argument counts cannot: fixed words and numbers.
bool CheckArguments(const TScriptStep& step, std::string& error) {
  const std::string& verb = step.Verb;
  const std::vector<std::string>& a = step.Args;
  if (verb == "timeout") {
    char* end = nullptr;
    double seconds = std::strtod(a[0].c_str(), &end);
    if (a[0].empty() || *end || !(seconds > 0 && seconds <= 600)) {
      error = "timeout needs seconds between 0 and 600";
      return false;
    }
  } else if (verb == "on-stop") {
    if (a[0] != "finish" && a[0] != "fail") {
      error = "on-stop needs finish or fail";
      return false;
    }
  } else if (verb == "report-times") {
    if (!IsOnOff(a[0])) {
      error = "report-times needs on or off";
      return false;
    }
  } else if (verb == "check" || verb == "expect-checked" || verb == "expect-enabled") {
    if (!IsOnOff(a[1])) {
      error = verb + " needs on or off";
      return false;
    }
  } else if (verb == "select" && a.size() == 3) {
    if (a[2] != "plain" && a[2] != "ctrl" && a[2] != "shift") {
      error = "select takes plain, ctrl or shift";
      return false;
    }
  }
  return true;
}

}  // namespace

bool ParseScript(std::string_view text, TScript& script, std::string& error) {
  script.Steps.clear();
  int number = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    size_t first = 0;
    while (first < line.size() && IsBlank(line[first])) ++first;
    if (first == line.size() || line[first] == '#') {
      if (end == text.size()) break;
      continue;
    }
    std::vector<std::string> words;
    std::string reason;
    if (!SplitLine(line, words, reason)) {
      error = "line " + std::to_string(number) + ": " + reason;
      return false;
    }
    TScriptStep step;
    step.Line = number;
    step.Verb = words[0];
    step.Args.assign(words.begin() + 1, words.end());
    const TVerbShape* shape = FindVerb(step.Verb);
    if (!shape) {
      error = "line " + std::to_string(number) + ": unknown verb " + step.Verb;
      return false;
    }
    const int count = static_cast<int>(step.Args.size());
    if (count < shape->MinArgs || (shape->MaxArgs >= 0 && count > shape->MaxArgs)) {
      error = "line " + std::to_string(number) + ": " + step.Verb + " takes " +
              std::to_string(shape->MinArgs) +
              (shape->MaxArgs == shape->MinArgs ? std::string()
               : shape->MaxArgs < 0             ? std::string(" or more")
                                                : " to " + std::to_string(shape->MaxArgs)) +
              " arguments, not " + std::to_string(count);
      return false;
    }
    if (!CheckArguments(step, reason)) {
      error = "line " + std::to_string(number) + ": " + reason;
      return false;
    }
    script.Steps.push_back(std::move(step));
    if (end == text.size()) break;
  }
  return true;
}

std::string StepText(const TScriptStep& step) {
  std::string out = step.Verb;
  for (const std::string& arg : step.Args) {
    out += " \"";
    for (char c : arg) {
      switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
      }
    }
    out += '"';
  }
  return out;
}
