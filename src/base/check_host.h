#pragma once
// check_host(status): a negative status from a host interface becomes an EOleError at once. Its
// message is the description the host left in the thread's error information, trimmed of trailing
// spaces, control characters and full stops; when that is empty, the system's text for the status
// (trimmed the same way); when that is empty too, "OLE error %.8x".

#include <windows.h>

#include <string>
#include <string_view>

void check_host(HRESULT status);

// The message check_host gives a failing status, reading (and so clearing) the thread's error
// information.
std::string host_error_message(HRESULT status);

// Removes trailing characters with codes 0 to 32 and full stops.
std::string trim_host_description(std::string_view text);
