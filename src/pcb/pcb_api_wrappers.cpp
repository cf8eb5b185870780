#include "pcb/pcb_api_wrappers.h"

#include <algorithm>
#include <cstring>

void PcbApi_GetDesignatorDisplayString(uint32_t handle, TRecordText* text) {
  text->Length = 0;
  EnsurePcbApiBound();
  auto entry = reinterpret_cast<PcbApi_GetDesignatorDisplayString_fn>(
      PcbApiEntry(TPcbApiSlot::PcbApi_GetDesignatorDisplayString));
  if (!entry) return;
  TRecordText buffer{};
  entry(&buffer, handle);
  const uint8_t length = std::min<uint8_t>(buffer.Length, 254);
  std::memcpy(text->Chars, buffer.Chars, length);
  text->Length = length;
}
