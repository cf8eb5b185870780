#include "pcb/objects/pcb_object_class.h"

#include "pcb/pcb_api_wrappers.h"

namespace {

// The status of a read whose host never ended the list.
constexpr int32_t kTooManyMembers = 2;

}  // namespace

int32_t TPCBObjectClass::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  PcbApi_QueryClass(read_flag, Handle, &Name, &MemberKind, &SuperClass, &F6);
  if (read_flag != 0 && read_flag != 2) {
    std::vector<std::string> members;
    for (uint32_t index = 0; index < kMaxMembers; ++index) {
      TRecordText name{};
      const int32_t status = PcbApi_GetMemberFromClassAt(Handle, index, &name);
      if (status == 1) {  // the end of the list
        Members = std::move(members);
        return status;
      }
      if (status != 0) return status;
      members.push_back(LoadText(name));
    }
    return kTooManyMembers;
  }
  int32_t status = PcbApi_RemoveAllMembersFromClass(Handle);
  for (const std::string& member : Members) {
    TRecordText name{};
    StoreText(name, member);  // cut to 255
    status = PcbApi_AddMemberToClass(Handle, &name);
  }
  return status;
}
