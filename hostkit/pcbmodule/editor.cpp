#include "editor.h"

#include <utility>

#include "hostkit/bridge/host_bridge.h"

Editor& Editor::get() {
  static Editor editor;
  return editor;
}

Editor::Editor() {
  // The host exports its trace and fault injection; without a host (a test bench or a benchmark
  // loading the module by itself) there is neither.
  HMODULE host = GetModuleHandleA(nullptr);
  trace_ = reinterpret_cast<HostKitTraceProc>(
      reinterpret_cast<void*>(GetProcAddress(host, "HostKit_Trace")));
  tracing_ = reinterpret_cast<HostKitTracingProc>(
      reinterpret_cast<void*>(GetProcAddress(host, "HostKit_Tracing")));
  fault_ = reinterpret_cast<HostKitInjectedFaultProc>(
      reinterpret_cast<void*>(GetProcAddress(host, "HostKit_InjectedFault")));
}

void Editor::open(std::unique_ptr<Board> board) {
  board_ = std::move(board);
  board_handle_ = 0x00B00000 + ++opened_;
  document_ = DocumentKind::pcb;
  iterators_.clear();
  process_depth_ = 0;
  modifying_ = 0;
  pending_ = {};
  ++step_stamp_;
  undo_.clear();
  redo_.clear();
}

Board* Editor::board_of(uint32_t handle) {
  return board_ && handle == board_handle_ ? board_.get() : nullptr;
}

uint32_t Editor::current_editor_window() const {
  if (document_ == DocumentKind::none) return 0;
  // A document without a host window still has an editor; its window is then a token of our own.
  return window_ ? static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window_)) : 0x00E0D001;
}

uint32_t Editor::current_board() const {
  return document_ == DocumentKind::pcb ? board_handle() : 0;
}

uint32_t Editor::create_iterator(uint32_t board, uint8_t kind, uint8_t /*method*/, uint32_t layer) {
  if (!board_of(board)) return 0;
  const uint32_t handle = next_iterator_++;
  iterators_[handle] = Iterator{kind, layer, 0};
  return handle;
}

bool Editor::matches(const Primitive& primitive, uint32_t layer) const {
  // Legacy layer numbers and legacy-encoded layer ids have the same value.
  return layer == 0 || static_cast<uint32_t>(primitive.get("layer")) == layer;
}

uint32_t Editor::advance(Iterator& iterator) {
  if (!board_) return 0;
  const std::vector<uint32_t>& positions = board_->of_kind(iterator.kind);
  while (iterator.position < positions.size()) {
    const Primitive& primitive = board_->primitives()[positions[iterator.position++]];
    if (matches(primitive, iterator.layer)) return primitive.handle;
  }
  return 0;
}

uint32_t Editor::first(uint32_t iterator) {
  auto it = iterators_.find(iterator);
  if (it == iterators_.end()) return 0;
  it->second.position = 0;
  return advance(it->second);
}

uint32_t Editor::next(uint32_t iterator) {
  auto it = iterators_.find(iterator);
  return it == iterators_.end() ? 0 : advance(it->second);
}

bool Editor::destroy(uint32_t iterator) { return iterators_.erase(iterator) > 0; }

void Editor::violation(const std::string& what) {
  ++violations_;
  trace("PROTOCOL VIOLATION: " + what);
}

void Editor::process_start() {
  if (process_depth_ > 0) violation("ProcessStart inside a process");
  ++process_depth_;
}

void Editor::process_end() {
  if (process_depth_ == 0) {
    violation("ProcessEnd without ProcessStart");
    return;
  }
  if (modifying_)
    violation("ProcessEnd while primitive " + std::to_string(modifying_) + " is open");
  modifying_ = 0;
  if (--process_depth_ > 0) return;
  if (!pending_.saved.empty()) {
    undo_.push_back(std::move(pending_));
    redo_.clear();
  }
  pending_ = {};
  ++step_stamp_;
}

void Editor::begin_modify(uint32_t handle) {
  if (process_depth_ == 0)
    violation("BeginModify of " + std::to_string(handle) + " outside a process");
  if (modifying_) {
    violation("BeginModify of " + std::to_string(handle) + " while " + std::to_string(modifying_) +
              " is open");
  }
  modifying_ = handle;
}

void Editor::end_modify(uint32_t handle) {
  if (modifying_ != handle) {
    violation("EndModify of " + std::to_string(handle) + " without its BeginModify");
  }
  modifying_ = 0;
}

void Editor::before_change(std::string_view operation, const Primitive& primitive) {
  before_change(operation, primitive, nullptr);
}

void Editor::before_change(std::string_view operation, const Primitive& primitive, Record* old_record) {
  auto what = [&] { return std::string(operation) + " of " + std::to_string(primitive.handle); };
  if (process_depth_ == 0) {
    violation(what() + " outside a process");
  } else if (modifying_ != primitive.handle) {
    violation(what() + " outside BeginModify/EndModify");
  }
  // A primitive's state is kept once per step: its stamp tells whether this step has it already.
  if (primitive.undo_stamp != step_stamp_) {
    primitive.undo_stamp = step_stamp_;
    if (!old_record) {
      pending_.saved.push_back(primitive);
    } else {
      Primitive saved;
      saved.handle = primitive.handle;
      saved.kind = primitive.kind;
      saved.record = std::move(*old_record);
      saved.stack = primitive.stack;
      pending_.saved.push_back(std::move(saved));
    }
  }
}

void Editor::after_change() {
  if (process_depth_ > 0) return;
  undo_.push_back(std::move(pending_));
  redo_.clear();
  pending_ = {};
  ++step_stamp_;
}

void Editor::swap_in(UndoStep& step) {
  for (Primitive& saved : step.saved) {
    if (Primitive* current = board_ ? board_->find(saved.handle) : nullptr) {
      std::swap(current->record, saved.record);
      std::swap(current->stack, saved.stack);
    }
  }
}

bool Editor::undo() {
  if (undo_.empty() || process_depth_ > 0) return false;
  UndoStep step = std::move(undo_.back());
  undo_.pop_back();
  swap_in(step);
  redo_.push_back(std::move(step));
  trace("Undo");
  return true;
}

bool Editor::redo() {
  if (redo_.empty() || process_depth_ > 0) return false;
  UndoStep step = std::move(redo_.back());
  redo_.pop_back();
  swap_in(step);
  undo_.push_back(std::move(step));
  trace("Redo");
  return true;
}

void Editor::trace(const std::string& line) const {
  if (trace_) trace_(line.c_str());
}

int32_t Editor::fault(const char* operation) const { return fault_ ? fault_(operation) : 0; }
