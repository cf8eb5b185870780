#pragma once
// Opening a KiCad board in the host kit's PCB module: the file is read whole by the KiCad reader,
// then mapped onto the board model (docs/kicad-import.md tells what lands where). Saving such a
// board writes the host kit's own board format.

#include <memory>
#include <string>

#include "board.h"
#include "kicad_board.h"

// Files larger than this are refused before they are read.
inline constexpr int64_t kMaxKicadFileBytes = 256ll << 20;

// Whether the path names a KiCad board (".kicad_pcb", any case).
bool IsKicadBoardPath(const std::wstring& path);

// The board, or null with the error in error: "<file>:<line>: <what was wrong>". Nothing is left
// behind by a refused file.
std::unique_ptr<TBoard> LoadKicadBoardFile(const std::wstring& path, std::string* error);

// The host kit's board for what the reader took from a file; throws EKicadFormat (with the item's
// line) for a position or size that does not fit the host's 32-bit coordinates.
std::unique_ptr<TBoard> ImportKicadBoard(const TKicadBoard& kicad);
