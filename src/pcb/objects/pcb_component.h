#pragma once
// A component: its place and rotation, the text primitives of its name and comment, its footprint,
// source links and 3D model. Its text is the text of its name primitive.

#include "pcb/objects/pcb_group_object.h"

class TPcbComponent : public TPcbGroupObject {
  TAVRIN_CLASS(TPcbComponent, TPcbGroupObject)
 public:
  explicit TPcbComponent(uint32_t handle) : TPcbGroupObject(handle) {
    ObjectId = eComponentObject;
  }

  // Channel offset, kind, the component record (its layer as a legacy number, stored back only when
  // the call succeeds), the source designator, the source links and the 3D model; the status is the
  // component record's.
  int32_t Query(uint8_t read_flag) override;

  std::string GetName() const override;  // GetObjectText of NameText
  double GetRotation() const override { return Rotation; }
  void SetRotation(double value) override { Rotation = value; }

  uint32_t ChannelOffset = 0;
  uint8_t ComponentKind = 0;
  double Rotation = 0;
  uint32_t NameText = 0, CommentText = 0;
  TRecordText Pattern{};
  uint8_t NameOn = 0, CommentOn = 0;
  TRecordText SourceDesignator{}, SourceUniqueId{};
  uint8_t LockStrings = 0;
  uint32_t F6 = 0;
  TRecordText FootprintDescription{}, LibraryReference{}, HierarchicalPath{}, SourceLibrary{};
  uint8_t F7 = 0, F8 = 0;
  uint32_t F9 = 0, F10 = 0;
  TRecordText ModelName{};
};
