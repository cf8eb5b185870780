#pragma once
// The test-mode key HKEY_LOCAL_MACHINE\Software\Quorvel\TestMode in the real registry. --test-mode
// creates it for the run and removes it at the host's end; a run that the plug-in ends from inside
// a command (as test mode does) leaves it, so --no-test-mode removes it. Without either option the
// host leaves the key as it is, so that runs do not disturb other programs of the Wine prefix.

void SetTestModeKey(bool present);
