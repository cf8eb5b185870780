#include "export_support.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <span>

#include "editor.h"

int32_t EnterCall(const char* name) {
  TEditor& editor = TEditor::get();
  editor.ClockIn();
  editor.CountCall();
  return editor.InjectedFault(name);
}

void TraceCall(const char* name, const std::string& args, int64_t result,
                const std::vector<const char*>* changed, bool injected) {
  TEditor& editor = TEditor::get();
  struct TClockOut {
    TEditor& editor;
    ~TClockOut() { editor.ClockOut(); }
  } clock_out{editor};
  if (!editor.Tracing()) return;
  std::string line = std::string(name) + "(" + args + ") = " + std::to_string(result);
  if (injected) line += " (injected)";
  if (changed && !changed->empty()) {
    line += " [";
    for (size_t i = 0; i < changed->size(); ++i)
      line += (i ? " " : "") + std::string((*changed)[i]);
    line += "]";
  }
  editor.Trace(line);
}

int32_t TransferPrimitive(TExportId id, uint8_t read_flag, uint32_t handle,
                           std::initializer_list<TFieldRef> refs) {
  TEditor::get().ClockIn();
  struct TClockOut {
    ~TClockOut() { TEditor::get().ClockOut(); }
  } clock_out;
  const TExportDescription& desc = FindExportDescription(id);
  const std::string args =
      TEditor::get().Tracing() ? std::to_string(read_flag) + ", " + std::to_string(handle) : std::string();
  if (int32_t injected = EnterCall(desc.name)) {
    TraceCall(desc.name, args, injected, nullptr, true);
    return injected;
  }
  TEditor& editor = TEditor::get();
  TPrimitive* primitive = editor.EditedBoard() ? editor.EditedBoard()->Find(handle) : nullptr;
  if (!primitive || GroupOfKind(primitive->kind) != desc.group) {
    TraceCall(desc.name, args, kStatusNotFound);
    return kStatusNotFound;
  }
  const std::span<const TFieldRef> variables(refs.begin(), refs.size());
  if (read_flag != 0) {
    ReadFields(primitive->record, primitive->RecordSchema(), desc.fields, variables);
    TraceCall(desc.name, args, kStatusOk);
    return kStatusOk;
  }
  std::vector<const char*> changed;
  try {
    TRecord updated = primitive->record;
    if (!WriteFields(updated, primitive->RecordSchema(), desc.fields, variables, &changed)) {
      TraceCall(desc.name, args, kStatusInvalidValue);
      return kStatusInvalidValue;
    }
    // The record changes by exchange: the old one goes to the undo step without a copy.
    std::swap(primitive->record, updated);
    try {
      editor.BeforeChange(desc.name, *primitive, &updated);
    } catch (const std::bad_alloc&) {
      std::swap(primitive->record, updated);  // the undo step could not take it: no change
      throw;
    }
    editor.AfterChange();
  } catch (const std::bad_alloc&) {
    // A board that fills the memory must not take the caller down: the write is refused whole.
    if (editor.Tracing()) TraceCall(desc.name, args, kStatusOutOfMemory);
    return kStatusOutOfMemory;
  }
  TraceCall(desc.name, args, kStatusOk, &changed);
  return kStatusOk;
}

int32_t TransferBoard(TExportId id, uint8_t read_flag, uint32_t handle, uint32_t index,
                       std::initializer_list<TFieldRef> refs) {
  const TExportDescription& desc = FindExportDescription(id);
  std::string args = std::to_string(read_flag) + ", " + std::to_string(handle);
  if (desc.group == TGroup::layer || desc.group == TGroup::pair || desc.group == TGroup::pen ||
      desc.group == TGroup::composite) {
    args += ", " + std::to_string(index);
  }
  if (int32_t injected = EnterCall(desc.name)) {
    TraceCall(desc.name, args, injected, nullptr, true);
    return injected;
  }
  TBoard* board = TEditor::get().BoardOf(handle);
  TRecord* record = board ? board->GroupRecord(desc.group, index) : nullptr;
  // Only the internal planes carry a net.
  if (record && id == TExportId::QueryInternalPlane && (index < 39 || index > 54)) record = nullptr;
  if (!record) {
    TraceCall(desc.name, args, kStatusNotFound);
    return kStatusNotFound;
  }
  const TSchema& schema = SchemaOf(desc.group);
  const std::span<const TFieldRef> variables(refs.begin(), refs.size());
  if (read_flag != 0) {
    ReadFields(*record, schema, desc.fields, variables);
    TraceCall(desc.name, args, kStatusOk);
    return kStatusOk;
  }
  std::vector<const char*> changed;
  if (!WriteFields(*record, schema, desc.fields, variables, &changed)) {
    TraceCall(desc.name, args, kStatusInvalidValue);
    return kStatusInvalidValue;
  }
  TraceCall(desc.name, args, kStatusOk, &changed);
  return kStatusOk;
}

namespace {

// The primitive of one kind behind a handle of the open board, or null.
TPrimitive* FindOfKind(uint32_t handle, uint8_t kind) {
  TBoard* board = TEditor::get().EditedBoard();
  TPrimitive* primitive = board ? board->Find(handle) : nullptr;
  return primitive && primitive->kind == kind ? primitive : nullptr;
}

int32_t Finish(const char* name, const std::string& args, int32_t status, bool changed = false) {
  std::vector<const char*> fields;
  if (changed) fields.push_back("list");
  TraceCall(name, args, status, &fields);
  return status;
}

// Runs one change of a primitive's lists inside the editor's change bracket.
template <class Change>
int32_t ChangeLists(const char* name, const std::string& args, TPrimitive& primitive,
                    Change change) {
  TEditor& editor = TEditor::get();
  editor.BeforeChange(name, primitive);
  change(primitive);
  editor.AfterChange();
  return Finish(name, args, kStatusOk, true);
}

constexpr uint8_t kClassKind = 15;
constexpr uint8_t kDimensionKind = 13;
constexpr uint8_t kEmbeddedKind = 20;
constexpr uint32_t kMaxReferences = 4096;

}  // namespace

int32_t ClassMemberAt(uint32_t handle, uint32_t index, TRecordText* name) {
  const char* op = "PcbApi_GetMemberFromClassAt";
  const std::string args = std::to_string(handle) + ", " + std::to_string(index);
  if (int32_t injected = EnterCall(op)) {
    TraceCall(op, args, injected, nullptr, true);
    return injected;
  }
  const TPrimitive* primitive = FindOfKind(handle, kClassKind);
  // Past the last member the answer is 1, which ends the caller's loop.
  if (!primitive || index >= primitive->members.size()) return Finish(op, args, kStatusNotFound);
  const std::string& member = primitive->members[index];
  name->Length = static_cast<uint8_t>(std::min<size_t>(member.size(), sizeof name->Chars));
  std::memcpy(name->Chars, member.data(), name->Length);
  return Finish(op, args, kStatusOk);
}

int32_t AddClassMember(uint32_t handle, const TRecordText* name) {
  const char* op = "PcbApi_AddMemberToClass";
  const std::string args = std::to_string(handle);
  if (int32_t injected = EnterCall(op)) {
    TraceCall(op, args, injected, nullptr, true);
    return injected;
  }
  TPrimitive* primitive = FindOfKind(handle, kClassKind);
  if (!primitive) return Finish(op, args, kStatusNotFound);
  const std::string member(name->Chars, name->Length);
  return ChangeLists(op, args, *primitive, [&](TPrimitive& p) { p.members.push_back(member); });
}

int32_t RemoveClassMembers(uint32_t handle) {
  const char* op = "PcbApi_RemoveAllMembersFromClass";
  const std::string args = std::to_string(handle);
  if (int32_t injected = EnterCall(op)) {
    TraceCall(op, args, injected, nullptr, true);
    return injected;
  }
  TPrimitive* primitive = FindOfKind(handle, kClassKind);
  if (!primitive) return Finish(op, args, kStatusNotFound);
  return ChangeLists(op, args, *primitive, [](TPrimitive& p) { p.members.clear(); });
}

int32_t DimensionReferenceCount(uint8_t read_flag, uint32_t handle, uint32_t* count) {
  const char* op = "PcbApi_References_Count";
  const std::string args = std::to_string(read_flag) + ", " + std::to_string(handle);
  if (int32_t injected = EnterCall(op)) {
    TraceCall(op, args, injected, nullptr, true);
    return injected;
  }
  TPrimitive* primitive = FindOfKind(handle, kDimensionKind);
  if (!primitive) return Finish(op, args, kStatusNotFound);
  if (read_flag != 0) {
    *count = static_cast<uint32_t>(primitive->references.size());
    return Finish(op, args, kStatusOk);
  }
  if (*count > kMaxReferences) return Finish(op, args, kStatusInvalidValue);
  if (*count == primitive->references.size()) return Finish(op, args, kStatusOk);
  const uint32_t n = *count;
  return ChangeLists(op, args, *primitive, [n](TPrimitive& p) { p.references.resize(n); });
}

int32_t DimensionReferenceAt(uint8_t read_flag, uint32_t handle, uint32_t index, int32_t* f4,
                             int32_t* f5, int32_t* f6, int32_t* f7) {
  const char* op = "PcbApi_References_At";
  const std::string args =
      std::to_string(read_flag) + ", " + std::to_string(handle) + ", " + std::to_string(index);
  if (int32_t injected = EnterCall(op)) {
    TraceCall(op, args, injected, nullptr, true);
    return injected;
  }
  TPrimitive* primitive = FindOfKind(handle, kDimensionKind);
  if (!primitive || index >= primitive->references.size()) return Finish(op, args, kStatusNotFound);
  TDimensionReference& reference = primitive->references[index];
  if (read_flag != 0) {
    *f4 = reference[0];
    *f5 = reference[1];
    *f6 = reference[2];
    *f7 = reference[3];
    return Finish(op, args, kStatusOk);
  }
  const TDimensionReference given{*f4, *f5, *f6, *f7};
  if (given == reference) return Finish(op, args, kStatusOk);
  return ChangeLists(op, args, *primitive,
                     [&](TPrimitive& p) { p.references[index] = given; });
}

int32_t EmbeddedData(uint8_t read_flag, uint32_t handle, uint32_t* length, uint8_t* buffer) {
  const char* op = "PcbApi_QueryEmbedded";
  const std::string args = std::to_string(read_flag) + ", " + std::to_string(handle);
  if (int32_t injected = EnterCall(op)) {
    TraceCall(op, args, injected, nullptr, true);
    return injected;
  }
  TPrimitive* primitive = FindOfKind(handle, kEmbeddedKind);
  if (!primitive) return Finish(op, args, kStatusNotFound);
  // The caller's buffer holds kEmbeddedCapacity bytes.
  if (read_flag != 0) {
    *length = static_cast<uint32_t>(primitive->data.size());
    if (!primitive->data.empty()) std::memcpy(buffer, primitive->data.data(), primitive->data.size());
    return Finish(op, args, kStatusOk);
  }
  if (*length > kEmbeddedCapacity) return Finish(op, args, kStatusInvalidValue);
  std::vector<uint8_t> given(buffer, buffer + *length);
  if (given == primitive->data) return Finish(op, args, kStatusOk);
  return ChangeLists(op, args, *primitive, [&](TPrimitive& p) { p.data = std::move(given); });
}
