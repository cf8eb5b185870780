#include "pcb/objects/pcb_embedded_board.h"

#include "pcb/pcb_api_wrappers.h"

int32_t TPcbEmbeddedBoard::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  return PcbApi_QueryEmbeddedBoard(read_flag, Handle, &Flags, &Value16, &Layer, &Value32a, &Value8,
                                   &Value32b, &X, &Y, &RowCount, &ColumnCount, &RowSpacing,
                                   &ColumnSpacing, &F15);
}
