#pragma once
// The s-expressions of KiCad files: lists in parentheses of symbols (bare words and numbers) and
// quoted strings. The reader walks a file one expression at a time, so that a large board is never
// held as one tree: the caller opens the outer list, takes its items one by one into a tree it
// reuses, and closes the list. Every node knows its line. Malformed text, nesting deeper than
// kMaxSExprDepth and tokens longer than kMaxSExprToken are refused with an EKicadFormat.

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "kicad_format_error.h"

inline constexpr int kMaxSExprDepth = 64;
inline constexpr size_t kMaxSExprToken = 16u << 20;

enum class TSExprKind : uint8_t { eList, eSymbol, eString };

struct TSExprNode {
  TSExprKind kind = TSExprKind::eList;
  int line = 0;
  std::string_view text;  // a symbol's or string's text (unescaped); empty for a list
  uint32_t first = 0;     // a list's first child, kNoNode when it is empty
  uint32_t next = 0;      // the next sibling, kNoNode for the last
  uint32_t count = 0;     // a list's number of children
};

inline constexpr uint32_t kNoNode = 0xFFFFFFFFu;

// The nodes of one expression. Texts point into the file's text or into strings the tree owns (for
// quoted strings with escapes), so the tree lives no longer than the text it was read from.
class TSExprTree {
 public:
  void Clear();
  const TSExprNode& Node(uint32_t index) const { return nodes_[index]; }
  uint32_t Add(const TSExprNode& node);
  TSExprNode& At(uint32_t index) { return nodes_[index]; }
  std::string_view Keep(std::string text);
  size_t Size() const { return nodes_.size(); }

  // The children of a list, in order.
  std::vector<uint32_t> Children(uint32_t list) const;
  // The keyword of a list: the text of its first child when that is a symbol, else "".
  std::string_view Keyword(uint32_t list) const;

 private:
  std::vector<TSExprNode> nodes_;
  std::deque<std::string> owned_;
};

class TSExprReader {
 public:
  explicit TSExprReader(std::string_view text) : text_(text) {}

  // Expects "(" followed by the symbol keyword.
  void EnterList(std::string_view keyword);
  // True when the next token closes the current list (blanks skipped); a list that the end of the
  // text cuts off is refused here.
  bool AtListEnd();
  void LeaveList();
  // Reads the next expression into the tree (cleared first) and returns its root.
  uint32_t ReadItem(TSExprTree& tree);
  // Only blanks may follow.
  void ExpectEnd();
  int Line() const { return line_; }

 private:
  [[noreturn]] void Fail(const std::string& what) const;
  void SkipBlanks();
  uint32_t ReadNode(TSExprTree& tree, int depth);
  void ReadSymbol(TSExprNode& node);
  void ReadString(TSExprTree& tree, TSExprNode& node);

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
  int open_lists_ = 0;
};

// A token as the messages show it: quoted, cut to a readable length, control bytes escaped.
std::string QuoteToken(std::string_view text);
