#pragma once
// The host's --script option: an automation script runs on a thread of its own against the host's
// live windows while the host goes on as usual. docs/automation-script.md describes the scripts.

#include <string>

// Exit code of the host when a script step fails (or the script cannot be read).
constexpr int kScriptFailedExitCode = 4;

// Reads the script and starts it; call on the UI thread before the command runs. False, with the
// reason printed, when the file cannot be read or a line is not understood.
bool StartScript(const std::wstring& path);

// Waits, handling the UI thread's messages meanwhile, until a started script has run its last step;
// returns at once when none was started. A failing step prints why and ends the process with
// kScriptFailedExitCode straight away, since the windows it was driving may be left waiting.
void FinishScript();

// The host handled an exception a server reported (ClientAPI_HandleException): a script that
// finishes its session after a stop ("on-stop finish") waits no longer for what will not come.
void NoteHostException();
