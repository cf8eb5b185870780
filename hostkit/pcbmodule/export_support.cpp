#include "export_support.h"

#include <span>

#include "editor.h"

int32_t EnterCall(const char* name) {
  TEditor& editor = TEditor::get();
  editor.CountCall();
  return editor.InjectedFault(name);
}

void TraceCall(const char* name, const std::string& args, int64_t result,
                const std::vector<const char*>* changed, bool injected) {
  const TEditor& editor = TEditor::get();
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
  const TExportSpec& desc = FindExportSpec(id);
  const std::string args = std::to_string(read_flag) + ", " + std::to_string(handle);
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
  TRecord updated = primitive->record;
  std::vector<const char*> changed;
  if (!WriteFields(updated, primitive->RecordSchema(), desc.fields, variables, &changed)) {
    TraceCall(desc.name, args, kStatusInvalidValue);
    return kStatusInvalidValue;
  }
  editor.BeforeChange(desc.name, *primitive);
  primitive->record = std::move(updated);
  editor.AfterChange();
  TraceCall(desc.name, args, kStatusOk, &changed);
  return kStatusOk;
}

int32_t TransferBoard(TExportId id, uint8_t read_flag, uint32_t handle, uint32_t index,
                       std::initializer_list<TFieldRef> refs) {
  const TExportSpec& desc = FindExportSpec(id);
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

int32_t AbsentRecord(const char* name, uint32_t handle) {
  if (int32_t injected = EnterCall(name)) {
    TraceCall(name, std::to_string(handle), injected, nullptr, true);
    return injected;
  }
  TraceCall(name, std::to_string(handle), kStatusNotFound);
  return kStatusNotFound;
}
