#pragma once
// Where KiCad's layers land in the host's legacy layer set (1 to 82): copper on the signal layers
// (F.Cu top, In1.Cu to In30.Cu the mid layers, B.Cu bottom), silkscreen, paste and mask on the
// overlay, paste and solder layers, the board outline and the drawing layers on mechanical layers.

#include <cstdint>
#include <string_view>

inline constexpr uint8_t kHostTopLayer = 1;
inline constexpr uint8_t kHostBottomLayer = 32;
inline constexpr uint8_t kHostMultiLayer = 74;

// The legacy layer of a KiCad layer name, 0 for a name with no place (unknown or In31.Cu and
// beyond).
uint8_t HostLayerOfKicadLayer(std::string_view name);
