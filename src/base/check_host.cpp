#include "base/check_host.h"

#include <oleauto.h>

#include <cstdio>

#include "base/bstr.h"
#include "base/com_ptr.h"
#include "base/exceptions.h"
#include "base/text_convert.h"

namespace {

std::string ThreadErrorDescription() {
  TComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.Put()) != S_OK || !info) return {};
  TUniqueBstr description;
  if (FAILED(info->GetDescription(description.Put()))) return {};
  return description.Ansi();
}

std::string SystemMessage(HRESULT status) {
  wchar_t* text = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(status), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  if (length == 0 || !text) return {};
  std::string result = ToAnsi(std::wstring_view(text, length));
  LocalFree(text);
  return result;
}

}  // namespace

std::string TrimmedHostDescription(std::string_view text) {
  size_t end = text.size();
  while (end > 0) {
    unsigned char c = static_cast<unsigned char>(text[end - 1]);
    if (c > 32 && c != '.') break;
    --end;
  }
  return std::string(text.substr(0, end));
}

std::string HostErrorMessage(HRESULT status) {
  std::string message = TrimmedHostDescription(ThreadErrorDescription());
  if (message.empty()) message = TrimmedHostDescription(SystemMessage(status));
  if (message.empty()) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "OLE error %.8x", static_cast<unsigned>(status));
    message = buffer;
  }
  return message;
}

void CheckHost(HRESULT status) {
  if (status < 0) throw EOleError(HostErrorMessage(status), static_cast<int32_t>(status));
}
