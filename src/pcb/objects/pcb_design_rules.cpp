#include "pcb/objects/pcb_design_rules.h"

#include "pcb/pcb_api_wrappers.h"

int32_t TPcbRule::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  return PcbApi_QueryRule(read_flag, Handle, &Name, &Scope1, &Scope2, &RuleKind, &Enabled, &F8[0],
                          &F8[1], &F8[2], &F8[3], &F8[4], &F8[5], &F14[0], &F14[1], &F14[2],
                          &F14[3], &F14[4], &F14[5], &F14[6], &F14[7], &F22[0], &F22[1], &F22[2],
                          &F22[3]);
}

int32_t TPcbViolation::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  return PcbApi_QueryViolation(read_flag, Handle, &Name, &Description, &Primitive1, &Primitive2,
                               &F7);
}
