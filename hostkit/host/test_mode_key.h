#pragma once
// The test-mode key HKEY_LOCAL_MACHINE\Software\Quorvel\TestMode in the real registry: created for a
// run with --test-mode, removed otherwise (also when an earlier run ended inside a command).

void SetTestModeKey(bool present);
