#include "pcb/objects/pcb_embedded.h"

#include "pcb/pcb_api_wrappers.h"

namespace {

constexpr int32_t kLengthBeyondBuffer = 2;

}  // namespace

int32_t TPcbEmbedded::Query(uint8_t readFlag) {
  QueryBitFields(readFlag);
  // A length beyond the buffer would have the host read past it: refused, nothing written.
  if (readFlag == 0 && Length > kBufferSize) return kLengthBeyondBuffer;
  return PcbApi_QueryEmbedded(readFlag, Handle, &Length, Buffer.get());
}
