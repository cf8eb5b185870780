#pragma once
// Reads a KiCad 6, 7 or 8 board file (".kicad_pcb", s-expressions) into the reader's plain records.
// Anything malformed, any number out of range, a board of another KiCad generation and any item
// missing what it needs is refused with an EKicadFormat naming the line; nothing is returned then.
// Items the host kit has no use for (the setup, title block, groups, dimensions, images…) are
// checked only for their syntax.

#include <string_view>

#include "kicad_board.h"
#include "kicad_format_error.h"

// The file format versions read: KiCad 6 development boards up to KiCad 8.
inline constexpr int kFirstKicadVersion = 20200000;
inline constexpr int kLastKicadVersion = 20240108;

TKicadBoard ReadKicadBoard(std::string_view text);
