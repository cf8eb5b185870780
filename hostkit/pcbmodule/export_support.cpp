#include "export_support.h"

#include <algorithm>
#include <cstring>
#include <span>

#include "editor.h"

int32_t enter_call(const char* name) {
  Editor& editor = Editor::get();
  editor.count_call();
  return editor.fault(name);
}

void trace_call(const char* name, const std::string& args, int64_t result,
                const std::vector<const char*>* changed, bool injected) {
  const Editor& editor = Editor::get();
  if (!editor.tracing()) return;
  std::string line = std::string(name) + "(" + args + ") = " + std::to_string(result);
  if (injected) line += " (injected)";
  if (changed && !changed->empty()) {
    line += " [";
    for (size_t i = 0; i < changed->size(); ++i)
      line += (i ? " " : "") + std::string((*changed)[i]);
    line += "]";
  }
  editor.trace(line);
}

int32_t transfer_primitive(ExportId id, uint8_t readFlag, uint32_t handle,
                           std::initializer_list<FieldRef> refs) {
  const ExportSpec& desc = export_spec(id);
  const std::string args = std::to_string(readFlag) + ", " + std::to_string(handle);
  if (int32_t injected = enter_call(desc.name)) {
    trace_call(desc.name, args, injected, nullptr, true);
    return injected;
  }
  Editor& editor = Editor::get();
  Primitive* primitive = editor.board() ? editor.board()->find(handle) : nullptr;
  if (!primitive || group_of_kind(primitive->kind) != desc.group) {
    trace_call(desc.name, args, kStatusNotFound);
    return kStatusNotFound;
  }
  const std::span<const FieldRef> variables(refs.begin(), refs.size());
  if (readFlag != 0) {
    read_fields(primitive->record, primitive->schema(), desc.fields, variables);
    trace_call(desc.name, args, kStatusOk);
    return kStatusOk;
  }
  Record updated = primitive->record;
  std::vector<const char*> changed;
  if (!write_fields(updated, primitive->schema(), desc.fields, variables, &changed)) {
    trace_call(desc.name, args, kStatusInvalidValue);
    return kStatusInvalidValue;
  }
  editor.before_change(desc.name, *primitive);
  primitive->record = std::move(updated);
  editor.after_change();
  trace_call(desc.name, args, kStatusOk, &changed);
  return kStatusOk;
}

int32_t transfer_board(ExportId id, uint8_t readFlag, uint32_t handle, uint32_t index,
                       std::initializer_list<FieldRef> refs) {
  const ExportSpec& desc = export_spec(id);
  std::string args = std::to_string(readFlag) + ", " + std::to_string(handle);
  if (desc.group == Group::layer || desc.group == Group::pair || desc.group == Group::pen ||
      desc.group == Group::composite) {
    args += ", " + std::to_string(index);
  }
  if (int32_t injected = enter_call(desc.name)) {
    trace_call(desc.name, args, injected, nullptr, true);
    return injected;
  }
  Board* board = Editor::get().board_of(handle);
  Record* record = board ? board->group_record(desc.group, index) : nullptr;
  // Only the internal planes carry a net.
  if (record && id == ExportId::QueryInternalPlane && (index < 39 || index > 54)) record = nullptr;
  if (!record) {
    trace_call(desc.name, args, kStatusNotFound);
    return kStatusNotFound;
  }
  const Schema& schema = schema_of(desc.group);
  const std::span<const FieldRef> variables(refs.begin(), refs.size());
  if (readFlag != 0) {
    read_fields(*record, schema, desc.fields, variables);
    trace_call(desc.name, args, kStatusOk);
    return kStatusOk;
  }
  std::vector<const char*> changed;
  if (!write_fields(*record, schema, desc.fields, variables, &changed)) {
    trace_call(desc.name, args, kStatusInvalidValue);
    return kStatusInvalidValue;
  }
  trace_call(desc.name, args, kStatusOk, &changed);
  return kStatusOk;
}

namespace {

// The primitive of one kind behind a handle of the open board, or null.
Primitive* FindOfKind(uint32_t handle, uint8_t kind) {
  Board* board = Editor::get().board();
  Primitive* primitive = board ? board->find(handle) : nullptr;
  return primitive && primitive->kind == kind ? primitive : nullptr;
}

int32_t Finish(const char* name, const std::string& args, int32_t status, bool changed = false) {
  std::vector<const char*> fields;
  if (changed) fields.push_back("list");
  trace_call(name, args, status, &fields);
  return status;
}

// Runs one change of a primitive's lists inside the editor's change bracket.
template <class Change>
int32_t ChangeLists(const char* name, const std::string& args, Primitive& primitive,
                    Change change) {
  Editor& editor = Editor::get();
  editor.before_change(name, primitive);
  change(primitive);
  editor.after_change();
  return Finish(name, args, kStatusOk, true);
}

constexpr uint8_t kClassKind = 15;
constexpr uint8_t kDimensionKind = 13;
constexpr uint8_t kEmbeddedKind = 20;
constexpr uint32_t kMaxReferences = 4096;

}  // namespace

int32_t ClassMemberAt(uint32_t handle, uint32_t index, PcbText* name) {
  const char* op = "PcbApi_GetMemberFromClassAt";
  const std::string args = std::to_string(handle) + ", " + std::to_string(index);
  if (int32_t injected = enter_call(op)) {
    trace_call(op, args, injected, nullptr, true);
    return injected;
  }
  const Primitive* primitive = FindOfKind(handle, kClassKind);
  // Past the last member the answer is 1, which ends the caller's loop.
  if (!primitive || index >= primitive->members.size()) return Finish(op, args, kStatusNotFound);
  const std::string& member = primitive->members[index];
  name->Length = static_cast<uint8_t>(std::min<size_t>(member.size(), sizeof name->Chars));
  std::memcpy(name->Chars, member.data(), name->Length);
  return Finish(op, args, kStatusOk);
}

int32_t AddClassMember(uint32_t handle, const PcbText* name) {
  const char* op = "PcbApi_AddMemberToClass";
  const std::string args = std::to_string(handle);
  if (int32_t injected = enter_call(op)) {
    trace_call(op, args, injected, nullptr, true);
    return injected;
  }
  Primitive* primitive = FindOfKind(handle, kClassKind);
  if (!primitive) return Finish(op, args, kStatusNotFound);
  const std::string member(name->Chars, name->Length);
  return ChangeLists(op, args, *primitive, [&](Primitive& p) { p.members.push_back(member); });
}

int32_t RemoveClassMembers(uint32_t handle) {
  const char* op = "PcbApi_RemoveAllMembersFromClass";
  const std::string args = std::to_string(handle);
  if (int32_t injected = enter_call(op)) {
    trace_call(op, args, injected, nullptr, true);
    return injected;
  }
  Primitive* primitive = FindOfKind(handle, kClassKind);
  if (!primitive) return Finish(op, args, kStatusNotFound);
  return ChangeLists(op, args, *primitive, [](Primitive& p) { p.members.clear(); });
}

int32_t DimensionReferenceCount(uint8_t readFlag, uint32_t handle, uint32_t* count) {
  const char* op = "PcbApi_References_Count";
  const std::string args = std::to_string(readFlag) + ", " + std::to_string(handle);
  if (int32_t injected = enter_call(op)) {
    trace_call(op, args, injected, nullptr, true);
    return injected;
  }
  Primitive* primitive = FindOfKind(handle, kDimensionKind);
  if (!primitive) return Finish(op, args, kStatusNotFound);
  if (readFlag != 0) {
    *count = static_cast<uint32_t>(primitive->references.size());
    return Finish(op, args, kStatusOk);
  }
  if (*count > kMaxReferences) return Finish(op, args, kStatusInvalidValue);
  if (*count == primitive->references.size()) return Finish(op, args, kStatusOk);
  const uint32_t n = *count;
  return ChangeLists(op, args, *primitive, [n](Primitive& p) { p.references.resize(n); });
}

int32_t DimensionReferenceAt(uint8_t readFlag, uint32_t handle, uint32_t index, int32_t* f4,
                             int32_t* f5, int32_t* f6, int32_t* f7) {
  const char* op = "PcbApi_References_At";
  const std::string args =
      std::to_string(readFlag) + ", " + std::to_string(handle) + ", " + std::to_string(index);
  if (int32_t injected = enter_call(op)) {
    trace_call(op, args, injected, nullptr, true);
    return injected;
  }
  Primitive* primitive = FindOfKind(handle, kDimensionKind);
  if (!primitive || index >= primitive->references.size()) return Finish(op, args, kStatusNotFound);
  TDimensionReference& reference = primitive->references[index];
  if (readFlag != 0) {
    *f4 = reference[0];
    *f5 = reference[1];
    *f6 = reference[2];
    *f7 = reference[3];
    return Finish(op, args, kStatusOk);
  }
  const TDimensionReference given{*f4, *f5, *f6, *f7};
  if (given == reference) return Finish(op, args, kStatusOk);
  return ChangeLists(op, args, *primitive,
                     [&](Primitive& p) { p.references[index] = given; });
}

int32_t EmbeddedData(uint8_t readFlag, uint32_t handle, uint32_t* length, uint8_t* buffer) {
  const char* op = "PcbApi_QueryEmbedded";
  const std::string args = std::to_string(readFlag) + ", " + std::to_string(handle);
  if (int32_t injected = enter_call(op)) {
    trace_call(op, args, injected, nullptr, true);
    return injected;
  }
  Primitive* primitive = FindOfKind(handle, kEmbeddedKind);
  if (!primitive) return Finish(op, args, kStatusNotFound);
  // The caller's buffer holds kEmbeddedCapacity bytes.
  if (readFlag != 0) {
    *length = static_cast<uint32_t>(primitive->data.size());
    if (!primitive->data.empty()) std::memcpy(buffer, primitive->data.data(), primitive->data.size());
    return Finish(op, args, kStatusOk);
  }
  if (*length > kEmbeddedCapacity) return Finish(op, args, kStatusInvalidValue);
  std::vector<uint8_t> given(buffer, buffer + *length);
  if (given == primitive->data) return Finish(op, args, kStatusOk);
  return ChangeLists(op, args, *primitive, [&](Primitive& p) { p.data = std::move(given); });
}
