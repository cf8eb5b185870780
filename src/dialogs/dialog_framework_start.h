#pragma once
// The dialog framework's part of the library start: it runs once per load, after the client and
// PCB module bindings, and its end once per unload. Start installs the interceptions (replacements
// on the framework's hook points and on the host boundary's hooks), the exception event and the
// forms key; end removes every one of them again, so the framework's own routines are back.
// Inside the development environment (kDevelopmentEnvironmentExe) no interception is installed.

// The executable of the development environment that hosts the dialogs while they are designed.
inline constexpr const char kDevelopmentEnvironmentExe[] = "PlenvikWorkbench.exe";

// True when the process's main executable is the development environment (case ignored).
bool InDevelopmentEnvironment();
// Interceptions installed by the last StartDialogFramework and not yet removed.
bool InterceptionsInstalled();

void StartDialogFramework();
void EndDialogFramework();
