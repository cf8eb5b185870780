#pragma once
// The legacy primitive objects, one class per kind of board primitive (objects/), and the factory
// that picks the class by the primitive's kind.

#include "pcb/objects/create_pcb_object.h"
#include "pcb/objects/pcb_pad.h"
#include "pcb/objects/pcb_via.h"
