#pragma once
// What the host itself has to say (results of the calls it makes into a server): one line
// "host: ..." on standard output and in the trace.

#include <windows.h>

#include <string>

void HostReport(const std::string& line);
// Reports the thread's error information after a failure: source and description, or "none".
void ReportErrorInfo();
