#pragma once
// The default names of the legacy layers, such as "TopLayer", "MidLayer1" or "Mechanical16": what a
// layer is called until the board names it otherwise.

#include <cstddef>
#include <string_view>

#include "pcb/layer_id.h"

// Each name has at most 20 characters, the size of a legacy record's name field.
constexpr size_t kMaxLayerNameLength = 20;

// The name of legacy layer 0 ("NoLayer") to 82 ("ViaHoleLayer"); empty above 82.
std::string_view DefaultLayerName(TLegacyLayer legacy);
