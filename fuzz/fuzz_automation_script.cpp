// The automation script reader on arbitrary text: it accepts a script or names the line it refuses,
// never faults, and every step it accepts reads back the same from its own script line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "hostkit/host/automation/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TScript script;
  std::string error;
  if (!ParseScript(text, script, error)) {
    if (error.rfind("line ", 0) != 0) std::abort();
    return 0;
  }
  int last_line = 0;
  for (const TScriptStep& step : script.Steps) {
    if (step.Line <= last_line) std::abort();
    last_line = step.Line;
    TScript again;
    std::string again_error;
    if (!ParseScript(StepText(step), again, again_error) || again.Steps.size() != 1 ||
        again.Steps[0].Verb != step.Verb || again.Steps[0].Args != step.Args)
      std::abort();
  }
  return 0;
}
