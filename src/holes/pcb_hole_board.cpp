#include "holes/pcb_hole_board.h"

#include <string>

#include "pcb/object_id.h"
#include "pcb/pad_via_records.h"
#include "pcb/pcb_api_wrappers.h"
#include "pcb/pcb_iteration.h"
#include "pcb/pcb_server.h"
#include "pcb/record_error.h"

void TPcbHoleBoard::VisitPrimitives(uint8_t kind, const std::function<void(uint32_t)>& visit) {
  ForEachPrimitive(board_handle_, kind, visit);
}

namespace {
std::string PrimitiveName(uint32_t handle, uint8_t kind) {
  return std::string(kind == eViaObject ? "via " : kind == ePadObject ? "pad " : "primitive ") +
         std::to_string(handle);
}
}  // namespace

TCoord TPcbHoleBoard::HoleSize(uint32_t handle, uint8_t kind) {
  // The iteration already tells the kind, so one record query per primitive is enough. A record
  // that cannot be read must not be listed with a made-up size the user could then write back.
  TCoord size = 0;
  if (!TryReadHoleSize(handle, static_cast<TObjectId>(kind), size))
    throw ERecordError("The hole size of " + PrimitiveName(handle, kind) + " cannot be read from the board.");
  return size;
}

void TPcbHoleBoard::WriteHoleSize(uint32_t handle, TCoord size) {
  // The primitive is asked for its own kind: the group's kind is for information only. It came
  // from a list of pads or vias, so a write that does not happen is a failure, not a skip.
  ModifyPrimitive(handle, [handle, size] {
    const TObjectId kind = PcbApi_GetObjectIdFromObjectHandle(handle);
    if (!RewriteHoleSize(handle, kind, size))
      throw ERecordError("The hole size of " + PrimitiveName(handle, kind) + " could not be written to the board.");
  });
}

bool TPcbHoleBoard::StartProcess() {
  TComPtr<IPCB_ServerInterface> server;
  GetPcbServerInterface(server);
  if (!server) return false;
  server.reset();
  TComPtr<IPCB_ServerInterface> started = RequirePcbServerInterface();
  ProcessStart(started.get());
  process_server_ = std::move(started);
  return true;
}

void TPcbHoleBoard::EndProcess() { EndProcessOn(process_server_); }
