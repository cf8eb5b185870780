#pragma once
// Iterating the primitives of one kind on a board: one pass that yields every primitive of the kind
// once, in no promised order, and always destroys its iterator.

#include <cstdint>
#include <functional>

#include "pcb/layer_id.h"
#include "pcb/object_id.h"

// PcbApi_CreateIterator with the layer filter given as a legacy layer number.
uint32_t LegacyCreateIterator(uint32_t board, TObjectId object_id, uint8_t method,
                              TLegacyLayer legacy_layer);

// Calls visit for every primitive handle of the kind on the board (method 0, every layer). The
// iterator is destroyed also when visit throws.
void ForEachPrimitive(uint32_t board, TObjectId kind, const std::function<void(uint32_t)>& visit);
