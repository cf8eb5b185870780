#pragma once
// Layer identifiers. The PCB module's flat functions name a board layer by a 32-bit id: bits 16-31
// are the kind (0 the legacy encoding, 0x0101 signal, 0x0104 internal plane, 0x0400 mechanical),
// bits 0-15 the number within it. Its older functions and the legacy objects speak in one-byte legacy
// layer numbers 1 to 82 instead. In the legacy encoding an id equals its legacy number, and only
// bits 0-7 of it count.

#include <cstdint>

using TLayerId = uint32_t;
using TLegacyLayer = uint8_t;

// The classification of an id, 0 to 23: the five layer families below, then one category per
// special layer (6-11: legacy 33-38, 12-13: legacy 55-56, 14-23: legacy 73-82). Ids of a kind below
// 0x0100 classify as their bits 0-7, which may be any byte.
enum TLayerCategory : uint8_t {
  lcNone = 0,
  lcTopLayer = 1,
  lcMidLayer = 2,
  lcBottomLayer = 3,
  lcInternalPlane = 4,
  lcMechanical = 5,
};

constexpr uint32_t kLayerKindLegacy = 0;
constexpr uint32_t kLayerKindSignal = 0x0101;
constexpr uint32_t kLayerKindInternalPlane = 0x0104;
constexpr uint32_t kLayerKindMechanical = 0x0400;

constexpr TLayerId MakeLayerId(uint32_t kind, uint32_t number) { return kind << 16 | (number & 0xFFFF); }
constexpr uint32_t LayerKind(TLayerId id) { return id >> 16; }

// Signal layers 1 to 31 and 65535 (the bottom) and planes and mechanical layers 1 to 16 have legacy
// numbers and get them as their ids; the others get the kind encoding. An n that no id can hold
// raises ELayerException "Creating SignalLayer(n)" (and so on), n shown as its low 32 bits, signed.
TLayerId SignalLayer(uint64_t n);
TLayerId InternalPlaneLayer(uint64_t n);
TLayerId MechanicalLayer(uint64_t n);
// Mid layer k is signal layer k + 1.
TLayerId MidLayer(uint64_t k);

constexpr TLayerId TopLayer = 1;
constexpr TLayerId BottomLayer = 32;

bool IsSignalLayer(TLayerId id);
bool IsInternalPlane(TLayerId id);
bool IsMechanicalLayer(TLayerId id);

// Raises EAssertionFailed "Could not find layer partition ID=<id>" (RT_PCB, line 10330) for an id
// of an unknown kind of 0x0100 or above, or of a known kind with number 0.
TLayerCategory LayerCategory(TLayerId id);
// The number of the layer within its family: 1 for the top signal layer, 65535 for the bottom one,
// 1 to 16 for legacy planes and mechanical layers, bits 0-15 for the kind encoding; the category for
// special layers.
uint32_t LayerNumber(TLayerId id);

// Legacy 1 to 82 give the id of the same value; 0 and 83 to 255 give 0. Never raises.
TLayerId LegacyLayerToLayerId(TLegacyLayer legacy);
// Layers beyond the legacy slots collapse onto the last one of their family (mid layer 31, plane 16,
// mechanical 16). Raises the assertion failures of LayerCategory, and "Assertion failure" (RT_PCB,
// line 9142) for a category above 23.
TLegacyLayer LayerIdToLegacyLayer(TLayerId id);
