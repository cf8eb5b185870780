#pragma once
// An object class: a named set of members (nets, components, …) given by their names.

#include <string>
#include <vector>

#include "pcb/objects/pcb_object.h"

class TPCBObjectClass : public TPCBObject {
  TAVRIN_CLASS(TPCBObjectClass, TPCBObject)
 public:
  // A read stops here even if the host never says the list has ended.
  static constexpr uint32_t kMaxMembers = 65536;

  explicit TPCBObjectClass(uint32_t handle) : TPCBObject(handle) { ObjectId = eClassObject; }

  // The class record, then the members: reading (any flag but 0 and 2) fetches them by index until
  // the host answers 1; writing (0 or 2) removes every member and adds the list back in order. The
  // status is the last membership call's. A read that fails on the way keeps the list it had.
  int32_t Query(uint8_t read_flag) override;

  TRecordText Name{};
  uint8_t MemberKind = 0, SuperClass = 0, F6 = 0;
  std::vector<std::string> Members;
};
