#pragma once
// The open board as the hole lists see it, through the PCB layer: iteration by kind, the hole size
// read straight from each record, the read-modify-write of a hole size inside the primitive's
// modification, and the process on the PCB server around a write-back.

#include <cstdint>

#include "base/com_ptr.h"
#include "holes/hole_board.h"
#include "hostapi/i_pcb_server_interface.h"

class TPcbHoleBoard : public THoleBoard {
 public:
  explicit TPcbHoleBoard(uint32_t board_handle) : board_handle_(board_handle) {}

  void VisitPrimitives(uint8_t kind, const std::function<void(uint32_t)>& visit) override;
  TCoord HoleSize(uint32_t handle, uint8_t kind) override;
  void WriteHoleSize(uint32_t handle, TCoord size) override;
  bool StartProcess() override;
  void EndProcess() override;

 private:
  uint32_t board_handle_;
  TComPtr<IPCB_ServerInterface> process_server_;  // the server the open process was started on
};
