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
enum class TDocumentKind : int32_t { none = 0, other = 1, pcb = 2 };

class TEditor {
 public:
  static TEditor& get();

  // Documents.
  void Open(std::unique_ptr<TBoard> board);
  TBoard* EditedBoard() { return board_.get(); }
  uint32_t BoardHandle() const { return board_ ? board_handle_ : 0; }
  // The board of a handle the caller passed; null unless it is the open board's.
  TBoard* BoardOf(uint32_t handle);
  void SetDocumentKind(TDocumentKind kind) { document_ = kind; }
  void SetWindow(HWND window) { window_ = window; }
  HWND Window() const { return window_; }
  uint32_t CurrentEditorWindow() const;
  uint32_t CurrentBoard() const;

  // Iterators over the primitives of one kind; method and layer 0 select every one of the kind.
  uint32_t CreateIterator(uint32_t board, uint8_t kind, uint8_t method, uint32_t layer);
  uint32_t First(uint32_t iterator);
  uint32_t Next(uint32_t iterator);
  bool Destroy(uint32_t iterator);
  size_t LiveIterators() const { return iterators_.size(); }

  // Brackets. They accept any order; what breaks the protocol is recorded as a violation.
  void ProcessStart();
  void ProcessEnd();
  void BeginModify(uint32_t handle);
  void EndModify(uint32_t handle);
  // Called before a primitive's state changes: checks that the change is bracketed and keeps the
  // primitive's state for undo. A change outside a process becomes an undo step of its own.
  void BeforeChange(std::string_view operation, const TPrimitive& primitive);
  // The same for a change already made to the record, whose previous content old_record holds and
  // gives up.
  void BeforeChange(std::string_view operation, const TPrimitive& primitive, TRecord* old_record);
  void AfterChange();
  bool Undo();
  bool Redo();
  int Violations() const { return violations_; }
  // Records a violation for a process or modification still open when the host's command is over.
  void CheckBracketsClosed();
  bool InProcess() const { return process_depth_ > 0; }

  // Host link. Lines are made only while the host writes a trace.
  bool Tracing() const { return trace_ != nullptr && (!tracing_ || tracing_() != 0); }
  void Trace(const std::string& line) const;
  // The status the host's fault injection chose for this call, 0 to proceed.
  int32_t InjectedFault(const char* operation) const;
  void CountCall() { ++calls_; }
  uint32_t Calls() const { return calls_; }
  // Time spent inside the module's operations, in time-stamp ticks: an operation clocks in on
  // entry and out when its trace line is done (or skipped). Nested clock-ins count once.
  void ClockIn() {
    if (clock_depth_++ == 0) clock_start_ = __rdtsc();
  }
  void ClockOut() {
    if (clock_depth_ > 0 && --clock_depth_ == 0) call_ticks_ += __rdtsc() - clock_start_;
  }
  uint64_t CallTicks() const { return call_ticks_; }
  void Violation(const std::string& what);

 private:
  TEditor();

  struct TIterator {
    uint8_t kind;
    uint32_t layer;
    size_t position;
  };
  struct TUndoStep {
    std::vector<TPrimitive> saved;
  };
  bool Matches(const TPrimitive& primitive, uint32_t layer) const;
  uint32_t Advance(TIterator& iterator);
  void SwapIn(TUndoStep& step);

  std::unique_ptr<TBoard> board_;
  uint32_t board_handle_ = 0;
  uint32_t opened_ = 0;
  TDocumentKind document_ = TDocumentKind::none;
  HWND window_ = nullptr;

  std::unordered_map<uint32_t, TIterator> iterators_;
  uint32_t next_iterator_ = 0x00010001;

  int process_depth_ = 0;
  uint32_t modifying_ = 0;
  TUndoStep pending_;
  // The stamp of the pending step; primitives carry the stamp of the last step that saved them.
  uint32_t step_stamp_ = 1;
  std::vector<TUndoStep> undo_, redo_;
  int violations_ = 0;

  void(__stdcall* trace_)(const char*) = nullptr;
  int32_t(__stdcall* tracing_)() = nullptr;
  int clock_depth_ = 0;
  uint64_t clock_start_ = 0;
  uint64_t call_ticks_ = 0;
  int32_t(__stdcall* fault_)(const char*) = nullptr;
  uint32_t calls_ = 0;
};
