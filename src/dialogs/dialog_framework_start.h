#pragma once
// The dialog framework's part of the library start: it runs once per load, after the client and
// PCB module bindings, and its end once per unload.

// The forms key (preferences key + "\Plenvik\Forms"); translation inactive, no layout read.
void StartDialogFramework();
void EndDialogFramework();
