#include "host_report.h"

#include <oleauto.h>

#include <cstdio>

#include "base/bstr.h"
#include "base/com_ptr.h"
#include "trace.h"

void HostReport(const std::string& line) {
  std::string text = "host: " + line;
  std::fputs((text + "\n").c_str(), stdout);
  std::fflush(stdout);
  TraceLine(text);
}

void ReportErrorInfo() {
  ComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.put()) != S_OK || !info) {
    HostReport("error info none");
    return;
  }
  UniqueBstr source, description;
  info->GetSource(source.put());
  info->GetDescription(description.put());
  HostReport("error info source=" + trace_text(source.get()) +
             " description=" + trace_text(description.get()));
}
