#pragma once
// The design-rule objects: a rule and a violation of one.

#include <array>

#include "pcb/objects/pcb_object.h"

class TPcbRule : public TPCBObject {
  TAVRIN_CLASS(TPcbRule, TPCBObject)
 public:
  explicit TPcbRule(uint32_t handle) : TPCBObject(handle) { ObjectId = eRuleObject; }

  int32_t Query(uint8_t read_flag) override;

  TRecordText Name{}, Scope1{}, Scope2{};
  uint8_t RuleKind = 0, Enabled = 0;
  std::array<uint8_t, 6> F8{};    // fields 8 to 13
  std::array<int32_t, 8> F14{};   // fields 14 to 21
  std::array<uint32_t, 4> F22{};  // fields 22 to 25
};

class TPcbViolation : public TPCBObject {
  TAVRIN_CLASS(TPcbViolation, TPCBObject)
 public:
  explicit TPcbViolation(uint32_t handle) : TPCBObject(handle) { ObjectId = eViolationObject; }

  int32_t Query(uint8_t read_flag) override;

  TRecordText Name{}, Description{};
  uint32_t Primitive1 = 0, Primitive2 = 0;
  uint8_t F7 = 0;
};
