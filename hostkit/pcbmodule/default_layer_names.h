#pragma once
// The default names of the 82 legacy layers (0 is "NoLayer"), which a board's layers carry until
// the board file names them otherwise.

const char* DefaultLayerName(int legacy_layer);
