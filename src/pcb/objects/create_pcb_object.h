#pragma once
// The legacy object factory and what is read through it: the object of the class that stands for a
// primitive's kind, read from the host; a primitive's hole size; a primitive's text.

#include <memory>
#include <string>

#include "pcb/objects/pcb_object.h"

// The object for a primitive, read with Query(1); null for a kind without a class.
std::unique_ptr<TPCBObject> CreatePcbObject(uint32_t handle);
// The object of a kind's class for a handle, unread; null for a kind without a class.
std::unique_ptr<TPCBObject> NewPcbObject(TObjectId kind, uint32_t handle);

// The hole size of a primitive: 0 for handle 0 (without any host call), for kinds other than pads
// and vias, and for a record that cannot be read. It is read from the record alone, which gives
// what the full legacy object would give at two host calls instead of 335.
TCoord GetObjectHoleSize(uint32_t handle);

// The text of a text primitive ("" for handle 0, without any host call, and for every other kind).
std::string GetObjectText(uint32_t handle);
