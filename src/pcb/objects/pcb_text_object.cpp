#include "pcb/objects/pcb_text_object.h"

#include "pcb/pcb_api_wrappers.h"

int32_t TPcbText::Query(uint8_t read_flag) {
  QueryBitFields(read_flag);
  PcbApi_QueryText(read_flag, Handle, &Flags, &Value16, &Layer, &Value32a, &Value8, &Value32b, &X,
                   &Y, &Height, &Width, &Rotation, &Mirrored, &Text, &F16, &F17, &F18);
  int32_t status = PcbApi_QueryTrueTypeTextInfo(read_flag, Handle, &TrueType, &FontName, &Bold,
                                                &Italic, &Inverted, &Border);
  PcbApi_GetDesignatorDisplayString(Handle, &DisplayText);
  if (PcbApi_QueryBarCodeTextInfo(read_flag, Handle, &BarCodeKind, &BarWidth, &BarHeight,
                                  &ShowText) == 1) {
    status = 1;
  }
  return status;
}
