#pragma once
// The name of a system exception that came without an exception object ("Access Violation"), or
// "Error (C0000135)" for a code without a name of its own.

#include <cstdint>
#include <string>

std::string ExceptionCodeName(uint32_t code);
