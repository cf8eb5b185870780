#include "pcb/objects/pcb_embedded.h"

#include "pcb/pcb_api_wrappers.h"

namespace {

constexpr int32_t kLengthBeyondBuffer = 2;

}  // namespace

int32_t TPcbEmbedded::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  // A length beyond the buffer would have the host read past it: refused, nothing written.
  if (read_flag == 0 && Length > kBufferSize) return kLengthBeyondBuffer;
  return PcbApi_QueryEmbedded(read_flag, Handle, &Length, Buffer.get());
}
