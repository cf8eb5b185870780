#include "frame/error_info_hook.h"

#include <windows.h>
#include <oleauto.h>

#include <cstring>

#include "base/bstr.h"
#include "base/com_ptr.h"
#include "base/exceptions.h"
#include "base/host_guard.h"
#include "base/text_convert.h"
#include "frame/server_module.h"

namespace {

TRaiseHook previous_hook = nullptr;
bool installed = false;

void RecordRaise(void* thrown, const std::type_info* type) {
  // Only the plug-in's own errors: an Exception that is not a system fault.
  void* adjusted = thrown;
  if (!type || !typeid(Exception).__do_catch(type, &adjusted, 1)) {
    if (previous_hook) previous_hook(thrown, type);
    return;
  }
  auto* error = static_cast<Exception*>(adjusted);
  if (!error->Is(EExternal::StaticClass())) RecordErrorInfo(error->Message().c_str());
  if (previous_hook) previous_hook(thrown, type);
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
  previous_hook = SetRaiseHook(RecordRaise);
  installed = true;
}

void RemoveErrorInfoHook() {
  if (!installed) return;
  SetRaiseHook(previous_hook);
  previous_hook = nullptr;
  installed = false;
}
