#include "dialogs/exception_code_name.h"

#include <cstdio>

namespace {

struct TCodeName {
  uint32_t code;
  const char* name;
};

constexpr TCodeName kCodeNames[] = {
    {0xC0000005, "Access Violation"},
    {0xC0000006, "In Page Error"},
    {0xC0000008, "Invalid Handle"},
    {0xC0000017, "No Memory"},
    {0xC000001D, "Illegal Instruction"},
    {0xC0000025, "Noncontinuable Exception"},
    {0xC0000026, "Invalid Disposition"},
    {0xC000008C, "Array Bounds Exceeded"},
    {0xC000008D, "Float Denormal Operand"},
    {0xC000008E, "Float Divide By Zero"},
    {0xC000008F, "Float Inexact Result"},
    {0xC0000090, "Float Invalid Operation"},
    {0xC0000091, "Float Overflow"},
    {0xC0000092, "Float Stack Check"},
    {0xC0000093, "Float Underflow"},
    {0xC0000094, "Integer Divide By Zero"},
    {0xC0000095, "Integer Overflow"},
    {0xC0000096, "Privileged Instruction"},
    {0xC00000FD, "Stack Overflow"},
};

}  // namespace

std::string ExceptionCodeName(uint32_t code) {
  for (const TCodeName& entry : kCodeNames)
    if (entry.code == code) return entry.name;
  char text[32];
  std::snprintf(text, sizeof text, "Error (%08X)", static_cast<unsigned>(code));
  return text;
}
