#include "pcb/layer_id.h"

#include <algorithm>
#include <string>

#include "base/exceptions.h"

namespace {

constexpr uint32_t kMaxLayerNumber = 0xFFFF;
constexpr const char* kLayerUnit = "RT_PCB";

[[noreturn]] void Refuse(const char* constructor, uint64_t n) {
  // The message shows the low 32 bits as a signed number, whatever n was.
  const auto shown = static_cast<int32_t>(static_cast<uint32_t>(n));
  throw ELayerException(std::string("Creating ") + constructor + "(" + std::to_string(shown) + ")");
}

uint32_t LowByte(TLayerId id) { return id & 0xFF; }
uint32_t Byte3(TLayerId id) { return id >> 24; }
uint32_t NumberOf(TLayerId id) { return id & 0xFFFF; }

// An id with number 0 names no layer of any family, except the id 0 itself (which is none too).
bool HasNumber(TLayerId id) { return NumberOf(id) != 0 || id == 0; }

bool InRange(uint32_t v, uint32_t lo, uint32_t hi) { return v >= lo && v <= hi; }

}  // namespace

TLayerId SignalLayer(uint64_t n) {
  if (n == 1) return TopLayer;
  if (n == kMaxLayerNumber) return BottomLayer;
  if (n >= 2 && n <= 31) return static_cast<TLayerId>(n);
  if (n <= kMaxLayerNumber) return MakeLayerId(kLayerKindSignal, static_cast<uint32_t>(n));
  Refuse("SignalLayer", n);
}

TLayerId InternalPlaneLayer(uint64_t n) {
  if (n >= 1 && n <= 16) return static_cast<TLayerId>(n + 38);
  if (n >= 17 && n <= kMaxLayerNumber) return MakeLayerId(kLayerKindInternalPlane, static_cast<uint32_t>(n));
  Refuse("InternalPlaneLayer", n);
}

TLayerId MechanicalLayer(uint64_t n) {
  if (n >= 1 && n <= 16) return static_cast<TLayerId>(n + 56);
  if (n >= 17 && n <= kMaxLayerNumber) return MakeLayerId(kLayerKindMechanical, static_cast<uint32_t>(n));
  Refuse("MechanicalLayer", n);
}

TLayerId MidLayer(uint64_t k) { return SignalLayer(k + 1); }

bool IsSignalLayer(TLayerId id) {
  if (!HasNumber(id)) return false;
  const uint32_t kind = LayerKind(id);
  return (kind == kLayerKindLegacy && InRange(LowByte(id), 1, 32)) || kind == kLayerKindSignal;
}

bool IsInternalPlane(TLayerId id) {
  if (!HasNumber(id)) return false;
  const uint32_t kind = LayerKind(id);
  return (kind == kLayerKindLegacy && InRange(LowByte(id), 39, 54)) || kind == kLayerKindInternalPlane;
}

bool IsMechanicalLayer(TLayerId id) {
  if (!HasNumber(id)) return false;
  const uint32_t kind = LayerKind(id);
  return (kind == kLayerKindLegacy && InRange(LowByte(id), 57, 72)) || kind == kLayerKindMechanical;
}

TLayerCategory LayerCategory(TLayerId id) {
  if (IsSignalLayer(id)) {
    if (id == TopLayer) return lcTopLayer;
    if (id == BottomLayer) return lcBottomLayer;
    return lcMidLayer;
  }
  if (IsInternalPlane(id)) return lcInternalPlane;
  if (IsMechanicalLayer(id)) return lcMechanical;
  if (Byte3(id) == 0) {
    if (LayerKind(id) != kLayerKindLegacy) return static_cast<TLayerCategory>(LowByte(id));
    const uint32_t legacy = LowByte(id);
    if (InRange(legacy, 33, 38)) return static_cast<TLayerCategory>(legacy - 27);
    if (legacy == 55 || legacy == 56) return static_cast<TLayerCategory>(legacy - 43);
    if (InRange(legacy, 73, 82)) return static_cast<TLayerCategory>(legacy - 59);
    return lcNone;
  }
  throw EAssertionFailed("Could not find layer partition ID=" + std::to_string(id), kLayerUnit, 10330);
}

uint32_t LayerNumber(TLayerId id) {
  if (Byte3(id) != 0) return NumberOf(id);
  // Legacy encoding: bits 0-7 pick the family, but the number is all of bits 0-15, so an id such
  // as 0x0101 is a mid layer numbered 257, not the top layer.
  if (IsMechanicalLayer(id)) return NumberOf(id) - 56;
  if (IsSignalLayer(id)) return id == BottomLayer ? kMaxLayerNumber : NumberOf(id);
  if (IsInternalPlane(id)) return NumberOf(id) - 38;
  return LayerCategory(id);
}

TLayerId LegacyLayerToLayerId(TLegacyLayer legacy) {
  if (legacy == 1) return TopLayer;
  if (InRange(legacy, 2, 31)) return MidLayer(legacy - 1u);
  if (legacy == 32) return BottomLayer;
  if (InRange(legacy, 33, 38) || legacy == 55 || legacy == 56 || InRange(legacy, 73, 82)) return legacy;
  if (InRange(legacy, 39, 54)) return InternalPlaneLayer(legacy - 38u);
  if (InRange(legacy, 57, 72)) return MechanicalLayer(legacy - 56u);
  return 0;
}

TLegacyLayer LayerIdToLegacyLayer(TLayerId id) {
  const TLayerCategory category = LayerCategory(id);
  switch (category) {
    case lcNone:
      return 0;
    case lcTopLayer:
      return 1;
    case lcMidLayer:
      return static_cast<TLegacyLayer>(std::min<uint32_t>(LayerNumber(id), 31));
    case lcBottomLayer:
      return 32;
    case lcInternalPlane:
      return static_cast<TLegacyLayer>(38 + std::min<uint32_t>(LayerNumber(id), 16));
    case lcMechanical:
      return static_cast<TLegacyLayer>(56 + std::min<uint32_t>(LayerNumber(id), 16));
    default:
      break;
  }
  if (InRange(category, 6, 11)) return static_cast<TLegacyLayer>(category + 27);
  if (category == 12 || category == 13) return static_cast<TLegacyLayer>(category + 43);
  if (InRange(category, 14, 23)) return static_cast<TLegacyLayer>(category + 59);
  throw EAssertionFailed("Assertion failure", kLayerUnit, 9142);
}
