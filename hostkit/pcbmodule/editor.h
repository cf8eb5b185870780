#pragma once
// The state of the stand-in PCB editor: the open board and the document the host shows, the live
// iterators, the process and modification brackets with the undo and redo steps they make, and the
// link to the host's trace and fault injection.

#include <windows.h>

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
  void AfterChange();
  bool Undo();
  bool Redo();
  int Violations() const { return violations_; }
  bool InProcess() const { return process_depth_ > 0; }

  // Host link.
  bool Tracing() const { return trace_ != nullptr; }
  void Trace(const std::string& line) const;
  // The status the host's fault injection chose for this call, 0 to proceed.
  int32_t InjectedFault(const char* operation) const;
  void CountCall() { ++calls_; }
  uint32_t Calls() const { return calls_; }
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
    std::unordered_set<uint32_t> handles;
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
  std::vector<TUndoStep> undo_, redo_;
  int violations_ = 0;

  void(__stdcall* trace_)(const char*) = nullptr;
  int32_t(__stdcall* fault_)(const char*) = nullptr;
  uint32_t calls_ = 0;
};
