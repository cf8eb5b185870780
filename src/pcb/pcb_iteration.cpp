#include "pcb/pcb_iteration.h"

#include "base/scope_guard.h"
#include "pcb/pcb_api_wrappers.h"

uint32_t LegacyCreateIterator(uint32_t board, TObjectId object_id, uint8_t method,
                              TLegacyLayer legacy_layer) {
  return PcbApi_CreateIterator(board, object_id, method, LegacyLayerToLayerId(legacy_layer));
}

void ForEachPrimitive(uint32_t board, TObjectId kind, const std::function<void(uint32_t)>& visit) {
  const uint32_t iterator = LegacyCreateIterator(board, kind, 0, 0);
  auto destroy = OnScopeExit([iterator] { PcbApi_DestroyIterator(iterator); });
  for (uint32_t handle = PcbApi_GetFirstObject(iterator); handle != 0;
       handle = PcbApi_GetNextObject(iterator)) {
    visit(handle);
  }
}
