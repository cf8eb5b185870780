#pragma once
// The thread's error information as a host reads it after a failed call (GetErrorInfo clears it).

#include <windows.h>
#include <oleauto.h>

#include <string>

#include "base/bstr.h"
#include "base/com_ptr.h"

struct TThreadError {
  bool present = false;
  std::string source;
  std::string description;
};

inline TThreadError ReadThreadError() {
  TThreadError result;
  TComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.Put()) != S_OK || !info) return result;
  TUniqueBstr source, description;
  info->GetSource(source.Put());
  info->GetDescription(description.Put());
  result.present = true;
  result.source = source.Ansi();
  result.description = description.Ansi();
  return result;
}
