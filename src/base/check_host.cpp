#include "base/check_host.h"

#include <oleauto.h>

#include <cstdio>

#include "base/bstr.h"
#include "base/com_ptr.h"
#include "base/exceptions.h"
#include "base/text_convert.h"

namespace {

std::string thread_error_description() {
  ComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.put()) != S_OK || !info) return {};
  UniqueBstr description;
  if (FAILED(info->GetDescription(description.put()))) return {};
  return description.ansi();
}

std::string system_message(HRESULT status) {
  wchar_t* text = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(status), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  if (length == 0 || !text) return {};
  std::string result = to_ansi(std::wstring_view(text, length));
  LocalFree(text);
  return result;
}

}  // namespace

std::string trim_host_description(std::string_view text) {
  size_t end = text.size();
  while (end > 0) {
    unsigned char c = static_cast<unsigned char>(text[end - 1]);
    if (c > 32 && c != '.') break;
    --end;
  }
  return std::string(text.substr(0, end));
}

std::string host_error_message(HRESULT status) {
  std::string message = trim_host_description(thread_error_description());
  if (message.empty()) message = trim_host_description(system_message(status));
  if (message.empty()) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "OLE error %.8x", static_cast<unsigned>(status));
    message = buffer;
  }
  return message;
}

void check_host(HRESULT status) {
  if (status < 0) throw EOleError(host_error_message(status), static_cast<int32_t>(status));
}
