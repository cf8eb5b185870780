#include "trace.h"

#include <cstdio>

#include "base/text_convert.h"

namespace {
HANDLE trace_file = INVALID_HANDLE_VALUE;
}

void OpenTrace(const std::wstring& path) {
  CloseTrace();
  trace_file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
}

void CloseTrace() {
  if (trace_file != INVALID_HANDLE_VALUE) CloseHandle(trace_file);
  trace_file = INVALID_HANDLE_VALUE;
}

void TraceLine(std::string_view line) {
  if (trace_file == INVALID_HANDLE_VALUE) return;
  std::string text(line);
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  text += "\r\n";
  DWORD written = 0;
  WriteFile(trace_file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string TraceText(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    unsigned char c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 32) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
          out += buffer;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

std::string TraceText(const wchar_t* text) { return TraceText(ToAnsi(text ? text : L"")); }

std::string TraceStatus(HRESULT status) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(status));
  return buffer;
}

std::string TracePointer(const void* p) { return p ? "present" : "null"; }
