#pragma once
// The open board as the hole lists see it, through the PCB layer: iteration by kind, the hole size
// read straight from each record, the read-modify-write of a hole size inside the primitive's
// modification, and the process on the PCB server around a write-back.

#include <cstdint>

#include "holes/hole_board.h"

class PcbHoleBoard : public HoleBoard {
 public:
  explicit PcbHoleBoard(uint32_t board_handle) : board_handle_(board_handle) {}

  void for_each_primitive(uint8_t kind, const std::function<void(uint32_t)>& visit) override;
  TCoord hole_size(uint32_t handle, uint8_t kind) override;
  void write_hole_size(uint32_t handle, TCoord size) override;
  bool start_process() override;
  void end_process() override;

 private:
  uint32_t board_handle_;
};
