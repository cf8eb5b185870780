#include "pcb/pcb_iteration.h"

#include "base/scope_guard.h"
#include "pcb/pcb_api_wrappers.h"

uint32_t LegacyCreateIterator(uint32_t board, TObjectId objectId, uint8_t method,
                              TLegacyLayer legacyLayer) {
  return PcbApi_CreateIterator(board, objectId, method, LegacyLayerToLayerId(legacyLayer));
}

void ForEachPrimitive(uint32_t board, TObjectId kind, const std::function<void(uint32_t)>& visit) {
  const uint32_t iterator = LegacyCreateIterator(board, kind, 0, 0);
  auto destroy = on_scope_exit([iterator] { PcbApi_DestroyIterator(iterator); });
  for (uint32_t handle = PcbApi_GetFirstObject(iterator); handle != 0;
       handle = PcbApi_GetNextObject(iterator)) {
    visit(handle);
  }
}
