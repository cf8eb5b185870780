#include "frame/error_info_hook.h"

#include <windows.h>
#include <oleauto.h>

#include <cstring>

#include "base/bstr.h"
#include "base/com_ptr.h"
#include "base/exceptions.h"
#include "base/host_guard.h"
#include "base/text_convert.h"
#include "base/thrown_object.h"
#include "frame/server_module.h"

namespace {

bool installed = false;

void RecordRaise(void* thrown, const std::type_info* type) {
  // Only the plug-in's own errors: an Exception that is not a system fault.
  auto* error = ThrownObjectAs<Exception>(type, thrown);
  if (error && !error->Is(EExternal::StaticClass())) RecordErrorInfo(error->Message().c_str());
  ExceptionRaiseHook.Underlying(thrown, type);
}

// A processor fault is never raised: it becomes an exception at the guard that caught it. When it
// reaches the host boundary, the host learns what happened all the same.
void RecordFault(const std::exception_ptr& caught) {
  try {
    std::rethrow_exception(caught);
  } catch (const EExternal& fault) {
    RecordErrorInfo(fault.Message().c_str());
  } catch (...) {
  }
  ExceptionConversionHook.Underlying(caught);
}

}  // namespace

const char* PluginFileName() {
  static char name[261];
  char path[261] = {};
  DWORD length = GetModuleFileNameA(PluginInstance(), path, sizeof path);
  if (length >= sizeof path) length = sizeof path - 1;
  path[length] = 0;
  const char* file = path;
  for (const char* p = path; *p; ++p)
    if (*p == '\\' || *p == '/' || *p == ':') file = p + 1;
  size_t size = std::strlen(file);
  std::memcpy(name, file, size + 1);
  return name;
}

void RecordErrorInfo(const char* message) {
  TComPtr<ICreateErrorInfo> create;
  if (FAILED(CreateErrorInfo(create.Put()))) return;
  TUniqueBstr source(ToWide(PluginFileName()));
  TUniqueBstr description(ToWide(message ? message : ""));
  create->SetSource(source.get());
  create->SetDescription(description.get());
  TComPtr<IErrorInfo> info = create.TryQuery<IErrorInfo>(IID_IErrorInfo);
  if (info) SetErrorInfo(0, info.get());
}

void InstallErrorInfoHook() {
  if (installed) return;
  ExceptionRaiseHook.Install(&RecordRaise);
  ExceptionConversionHook.Install(&RecordFault);
  installed = true;
}

void RemoveErrorInfoHook() {
  if (!installed) return;
  ExceptionRaiseHook.Remove();
  ExceptionConversionHook.Remove();
  installed = false;
}
