#pragma once
// An automation script: one step per line, a verb and its arguments (bare words or "quoted texts"),
// "#" starting a comment line. docs/automation-script.md lists the verbs.

#include <string>
#include <string_view>
#include <vector>

struct TScriptStep {
  int Line = 0;
  std::string Verb;
  std::vector<std::string> Args;
};

struct TScript {
  std::vector<TScriptStep> Steps;
};

// Reads and checks a whole script before anything runs, so that a typing error in line 30 does not
// leave a dialog half driven. On failure returns false with "line N: reason" in error.
bool ParseScript(std::string_view text, TScript& script, std::string& error);

// The step as a script line again (for the runner's progress lines).
std::string StepText(const TScriptStep& step);
