#pragma once
// The length-prefixed texts of the PCB module's records, to and from std::string.

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "hostapi/pcb_api.h"

template <class T>
std::string TextOf(const T& text) {
  return std::string(text.Chars, std::min<size_t>(text.Length, sizeof text.Chars));
}

// Cuts the text to what the record holds.
template <class T>
void SetText(T& text, std::string_view value) {
  const size_t length = std::min(value.size(), sizeof text.Chars);
  std::memcpy(text.Chars, value.data(), length);
  text.Length = static_cast<uint8_t>(length);
}
