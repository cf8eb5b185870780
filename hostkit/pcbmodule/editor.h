#pragma once
// The state of the stand-in PCB editor: the open board and the document the host shows, the live
// iterators, the process and modification brackets with the undo and redo steps they make, and the
// link to the host's trace and fault injection.

#include <windows.h>
#include <x86intrin.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "board.h"

// The document the host shows, as HostKitPcb_SetDocumentKind sets it.
enum class DocumentKind : int32_t { none = 0, other = 1, pcb = 2 };

class Editor {
 public:
  static Editor& get();

  // Documents.
  void open(std::unique_ptr<Board> board);
  Board* board() { return board_.get(); }
  uint32_t board_handle() const { return board_ ? board_handle_ : 0; }
  // The board of a handle the caller passed; null unless it is the open board's.
  Board* board_of(uint32_t handle);
  void set_document_kind(DocumentKind kind) { document_ = kind; }
  void set_window(HWND window) { window_ = window; }
  HWND window() const { return window_; }
  uint32_t current_editor_window() const;
  uint32_t current_board() const;

  // Iterators over the primitives of one kind; method and layer 0 select every one of the kind.
  uint32_t create_iterator(uint32_t board, uint8_t kind, uint8_t method, uint32_t layer);
  uint32_t first(uint32_t iterator);
  uint32_t next(uint32_t iterator);
  bool destroy(uint32_t iterator);
  size_t live_iterators() const { return iterators_.size(); }

  // Brackets. They accept any order; what breaks the protocol is recorded as a violation.
  void process_start();
  void process_end();
  void begin_modify(uint32_t handle);
  void end_modify(uint32_t handle);
  // Called before a primitive's state changes: checks that the change is bracketed and keeps the
  // primitive's state for undo. A change outside a process becomes an undo step of its own.
  void before_change(std::string_view operation, const Primitive& primitive);
  // The same for a change already made to the record, whose previous content old_record holds and
  // gives up.
  void before_change(std::string_view operation, const Primitive& primitive, Record* old_record);
  void after_change();
  bool undo();
  bool redo();
  int violations() const { return violations_; }
  bool in_process() const { return process_depth_ > 0; }

  // Host link. Lines are made only while the host writes a trace.
  bool tracing() const { return trace_ != nullptr && (!tracing_ || tracing_() != 0); }
  void trace(const std::string& line) const;
  // The status the host's fault injection chose for this call, 0 to proceed.
  int32_t fault(const char* operation) const;
  void count_call() { ++calls_; }
  uint32_t calls() const { return calls_; }
  // Time spent inside the module's operations, in time-stamp ticks: an operation clocks in on
  // entry and out when its trace line is done (or skipped). Nested clock-ins count once.
  void clock_in() {
    if (clock_depth_++ == 0) clock_start_ = __rdtsc();
  }
  void clock_out() {
    if (clock_depth_ > 0 && --clock_depth_ == 0) call_ticks_ += __rdtsc() - clock_start_;
  }
  uint64_t call_ticks() const { return call_ticks_; }
  void violation(const std::string& what);

 private:
  Editor();

  struct Iterator {
    uint8_t kind;
    uint32_t layer;
    size_t position;
  };
  struct UndoStep {
    std::vector<Primitive> saved;
  };
  bool matches(const Primitive& primitive, uint32_t layer) const;
  uint32_t advance(Iterator& iterator);
  void swap_in(UndoStep& step);

  std::unique_ptr<Board> board_;
  uint32_t board_handle_ = 0;
  uint32_t opened_ = 0;
  DocumentKind document_ = DocumentKind::none;
  HWND window_ = nullptr;

  std::unordered_map<uint32_t, Iterator> iterators_;
  uint32_t next_iterator_ = 0x00010001;

  int process_depth_ = 0;
  uint32_t modifying_ = 0;
  UndoStep pending_;
  // The stamp of the pending step; primitives carry the stamp of the last step that saved them.
  uint32_t step_stamp_ = 1;
  std::vector<UndoStep> undo_, redo_;
  int violations_ = 0;

  void(__stdcall* trace_)(const char*) = nullptr;
  int32_t(__stdcall* tracing_)() = nullptr;
  int clock_depth_ = 0;
  uint64_t clock_start_ = 0;
  uint64_t call_ticks_ = 0;
  int32_t(__stdcall* fault_)(const char*) = nullptr;
  uint32_t calls_ = 0;
};
