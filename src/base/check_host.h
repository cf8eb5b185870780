#pragma once
// CheckHost(status): a negative status from a host interface becomes an EOleError at once. Its
// message is the description the host left in the thread's error information, trimmed of trailing
// spaces, control characters and full stops; when that is empty, the system's text for the status
// (trimmed the same way); when that is empty too, "OLE error %.8x".

#include <windows.h>

#include <string>
#include <string_view>

void CheckHost(HRESULT status);

// The message CheckHost gives a failing status, reading (and so clearing) the thread's error
// information.
std::string HostErrorMessage(HRESULT status);

// Removes trailing characters with codes 0 to 32 and full stops.
std::string TrimmedHostDescription(std::string_view text);
