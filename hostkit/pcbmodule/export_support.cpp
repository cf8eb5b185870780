#include "export_support.h"

#include <span>

#include "editor.h"

int32_t enter_call(const char* name) {
  Editor& editor = Editor::get();
  editor.clock_in();
  editor.count_call();
  return editor.fault(name);
}

void trace_call(const char* name, const std::string& args, int64_t result,
                const std::vector<const char*>* changed, bool injected) {
  Editor& editor = Editor::get();
  struct ClockOut {
    Editor& editor;
    ~ClockOut() { editor.clock_out(); }
  } clock_out{editor};
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
  Editor::get().clock_in();
  struct ClockOut {
    ~ClockOut() { Editor::get().clock_out(); }
  } clock_out;
  const ExportSpec& desc = export_spec(id);
  const std::string args =
      Editor::get().tracing() ? std::to_string(readFlag) + ", " + std::to_string(handle) : std::string();
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
  // The record changes by exchange: the old one goes to the undo step without a copy.
  std::swap(primitive->record, updated);
  editor.before_change(desc.name, *primitive, &updated);
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

int32_t absent_record(const char* name, uint32_t handle) {
  if (int32_t injected = enter_call(name)) {
    trace_call(name, std::to_string(handle), injected, nullptr, true);
    return injected;
  }
  trace_call(name, std::to_string(handle), kStatusNotFound);
  return kStatusNotFound;
}
