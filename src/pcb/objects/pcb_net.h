#pragma once
// A net: its name and how it shows.

#include "pcb/objects/pcb_group_object.h"

class TPcbNet : public TPcbGroupObject {
  TAVRIN_CLASS(TPcbNet, TPcbGroupObject)
 public:
  explicit TPcbNet(uint32_t handle) : TPcbGroupObject(handle) { ObjectId = eNetObject; }

  int32_t Query(uint8_t read_flag) override;

  std::string GetName() const override { return LoadText(Name); }
  void SetName(std::string_view value) override { StoreText(Name, value); }

  TRecordText Name{};
  uint32_t Colour = 0;
  uint8_t Visible = 0, F6 = 0;
};
