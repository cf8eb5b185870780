#pragma once
// Which exceptions go to the host with a crash report instead of to the user in a message box:
// faults of the processor, the memory manager and the system, missing resources, list and control
// misuse, thread errors, and failures of the host (EOleError) or of its storage, whichever letter
// case their class names use.

#include "base/object.h"

bool IsSevereException(const TObject* exception);
