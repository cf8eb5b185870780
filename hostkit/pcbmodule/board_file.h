#pragma once
// Board files: a JSON text (docs/board-format.md) with coordinates in internal units, where a
// coordinate may also be given as a unit text ("0.8mm", "31.5mil"). Saving writes the canonical
// form, which loads back to the same board and saves to the same bytes.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "board.h"

// The board, or null with the error in error: "<file>:<line>: <field>: <problem>". A refused file
// leaves nothing behind.
std::unique_ptr<TBoard> ParseBoard(std::string_view text, const std::string& file_name,
                                   std::string* error);
std::string WriteBoard(const TBoard& board);

// The largest board file LoadBoardFile reads (1 GB); a larger one is refused with its size.
inline constexpr int64_t kMaxBoardFileBytes = int64_t{1} << 30;

// The board of a file, or null with the error as ParseBoard gives it; a file over kMaxBoardFileBytes
// or a board that does not fit in memory is refused with a message saying so.
std::unique_ptr<TBoard> LoadBoardFile(const std::wstring& path, std::string* error);
bool SaveBoardFile(const TBoard& board, const std::wstring& path, std::string* error);

// A coordinate text: an integer in internal units, or a number with the unit "mm" or "mil". False
// when the text is none of these or the value does not fit 32 bits.
bool ParseCoordinateText(std::string_view text, int32_t* value);
