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
  TComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.Put()) != S_OK || !info) {
    HostReport("error info none");
    return;
  }
  TUniqueBstr source, description;
  info->GetSource(source.Put());
  info->GetDescription(description.Put());
  HostReport("error info source=" + TraceText(source.get()) +
             " description=" + TraceText(description.get()));
}
