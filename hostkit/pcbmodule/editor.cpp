#include "editor.h"

#include <algorithm>
#include <utility>

#include "hostkit/bridge/host_bridge.h"

TEditor& TEditor::get() {
  static TEditor editor;
  return editor;
}

TEditor::TEditor() {
  // The host exports its trace and fault injection; without a host (a test bench or a benchmark
  // loading the module by itself) there is neither.
  HMODULE host = GetModuleHandleA(nullptr);
  trace_ = reinterpret_cast<THostKitTraceProc>(
      reinterpret_cast<void*>(GetProcAddress(host, "HostKit_Trace")));
  tracing_ = reinterpret_cast<THostKitTracingProc>(
      reinterpret_cast<void*>(GetProcAddress(host, "HostKit_Tracing")));
  fault_ = reinterpret_cast<THostKitInjectedFaultProc>(
      reinterpret_cast<void*>(GetProcAddress(host, "HostKit_InjectedFault")));
}

void TEditor::Open(std::unique_ptr<TBoard> board) {
  board_ = std::move(board);
  board_handle_ = 0x00B00000 + ++opened_;
  document_ = TDocumentKind::pcb;
  iterators_.clear();
  process_depth_ = 0;
  modifying_ = 0;
  pending_ = {};
  ++step_stamp_;
  undo_.clear();
  redo_.clear();
}

TBoard* TEditor::BoardOf(uint32_t handle) {
  return board_ && handle == board_handle_ ? board_.get() : nullptr;
}

uint32_t TEditor::CurrentEditorWindow() const {
  if (document_ == TDocumentKind::none) return 0;
  // A document without a host window still has an editor; its window is then a token of our own.
  return window_ ? static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window_)) : 0x00E0D001;
}

uint32_t TEditor::CurrentBoard() const {
  return document_ == TDocumentKind::pcb ? BoardHandle() : 0;
}

uint32_t TEditor::CreateIterator(uint32_t board, uint8_t kind, uint8_t /*method*/, uint32_t layer) {
  if (!BoardOf(board)) return 0;
  const uint32_t handle = next_iterator_++;
  iterators_[handle] = TIterator{kind, layer, 0};
  return handle;
}

bool TEditor::Matches(const TPrimitive& primitive, uint32_t layer) const {
  // Legacy layer numbers and legacy-encoded layer ids have the same value.
  return layer == 0 || static_cast<uint32_t>(primitive.get("layer")) == layer;
}

uint32_t TEditor::Advance(TIterator& iterator) {
  if (!board_) return 0;
  const std::vector<uint32_t>& positions = board_->OfKind(iterator.kind);
  while (iterator.position < positions.size()) {
    const TPrimitive& primitive = board_->Primitives()[positions[iterator.position++]];
    if (Matches(primitive, iterator.layer)) return primitive.handle;
  }
  return 0;
}

uint32_t TEditor::First(uint32_t iterator) {
  auto it = iterators_.find(iterator);
  if (it == iterators_.end()) return 0;
  it->second.position = 0;
  return Advance(it->second);
}

uint32_t TEditor::Next(uint32_t iterator) {
  auto it = iterators_.find(iterator);
  return it == iterators_.end() ? 0 : Advance(it->second);
}

bool TEditor::Destroy(uint32_t iterator) { return iterators_.erase(iterator) > 0; }

void TEditor::Violation(const std::string& what) {
  ++violations_;
  Trace("PROTOCOL VIOLATION: " + what);
}

void TEditor::CheckBracketsClosed() {
  if (modifying_) Violation("primitive " + std::to_string(modifying_) + " still open at the end");
  if (process_depth_ > 0) Violation("process still open at the end");
}

void TEditor::ProcessStart() {
  if (process_depth_ > 0) Violation("ProcessStart inside a process");
  ++process_depth_;
}

void TEditor::ProcessEnd() {
  if (process_depth_ == 0) {
    Violation("ProcessEnd without ProcessStart");
    return;
  }
  if (modifying_)
    Violation("ProcessEnd while primitive " + std::to_string(modifying_) + " is open");
  modifying_ = 0;
  if (--process_depth_ > 0) return;
  if (!pending_.saved.empty()) {
    undo_.push_back(std::move(pending_));
    redo_.clear();
  }
  pending_ = {};
  ++step_stamp_;
}

void TEditor::BeginModify(uint32_t handle) {
  if (process_depth_ == 0)
    Violation("BeginModify of " + std::to_string(handle) + " outside a process");
  if (modifying_) {
    Violation("BeginModify of " + std::to_string(handle) + " while " + std::to_string(modifying_) +
              " is open");
  }
  modifying_ = handle;
}

void TEditor::EndModify(uint32_t handle) {
  if (modifying_ != handle) {
    Violation("EndModify of " + std::to_string(handle) + " without its BeginModify");
  }
  modifying_ = 0;
}

void TEditor::BeforeChange(std::string_view operation, const TPrimitive& primitive) {
  BeforeChange(operation, primitive, nullptr);
}

void TEditor::BeforeChange(std::string_view operation, const TPrimitive& primitive, TRecord* old_record) {
  auto what = [&] { return std::string(operation) + " of " + std::to_string(primitive.handle); };
  if (process_depth_ == 0) {
    Violation(what() + " outside a process");
  } else if (modifying_ != primitive.handle) {
    Violation(what() + " outside BeginModify/EndModify");
  }
  // A primitive's state is kept once per step: its stamp tells whether this step has it already.
  // Everything that allocates comes first, so that running out of memory leaves the step and the
  // old record as they were and the caller can take the change back.
  if (primitive.undo_stamp != step_stamp_) {
    if (pending_.saved.size() == pending_.saved.capacity())
      pending_.saved.reserve(std::max<size_t>(16, pending_.saved.capacity() * 2));
    if (!old_record) {
      pending_.saved.push_back(primitive);
    } else {
      TPrimitive saved;
      saved.handle = primitive.handle;
      saved.kind = primitive.kind;
      saved.stack = primitive.stack;
      saved.vertices = primitive.vertices;
      saved.members = primitive.members;
      saved.references = primitive.references;
      saved.data = primitive.data;
      saved.record = std::move(*old_record);
      pending_.saved.push_back(std::move(saved));
    }
    primitive.undo_stamp = step_stamp_;
  }
}

void TEditor::AfterChange() {
  if (process_depth_ > 0) return;
  undo_.push_back(std::move(pending_));
  redo_.clear();
  pending_ = {};
  ++step_stamp_;
}

void TEditor::SwapIn(TUndoStep& step) {
  for (TPrimitive& saved : step.saved) {
    if (TPrimitive* current = board_ ? board_->Find(saved.handle) : nullptr) {
      std::swap(current->record, saved.record);
      std::swap(current->stack, saved.stack);
      std::swap(current->vertices, saved.vertices);
      std::swap(current->members, saved.members);
      std::swap(current->references, saved.references);
      std::swap(current->data, saved.data);
    }
  }
}

bool TEditor::Undo() {
  if (undo_.empty() || process_depth_ > 0) return false;
  TUndoStep step = std::move(undo_.back());
  undo_.pop_back();
  SwapIn(step);
  redo_.push_back(std::move(step));
  Trace("Undo");
  return true;
}

bool TEditor::Redo() {
  if (redo_.empty() || process_depth_ > 0) return false;
  TUndoStep step = std::move(redo_.back());
  redo_.pop_back();
  SwapIn(step);
  undo_.push_back(std::move(step));
  Trace("Redo");
  return true;
}

void TEditor::Trace(const std::string& line) const {
  if (trace_) trace_(line.c_str());
}

int32_t TEditor::InjectedFault(const char* operation) const { return fault_ ? fault_(operation) : 0; }
