#include "holes/pcb_hole_board.h"

#include "pcb/pad_via_records.h"
#include "pcb/pcb_api_wrappers.h"
#include "pcb/pcb_iteration.h"
#include "pcb/pcb_server.h"

void TPcbHoleBoard::VisitPrimitives(uint8_t kind, const std::function<void(uint32_t)>& visit) {
  ForEachPrimitive(board_handle_, kind, visit);
}

TCoord TPcbHoleBoard::HoleSize(uint32_t handle, uint8_t kind) {
  // The iteration already tells the kind, so one record query per primitive is enough.
  return ReadHoleSize(handle, kind);
}

void TPcbHoleBoard::WriteHoleSize(uint32_t handle, TCoord size) {
  // The primitive is asked for its own kind: the group's kind is for information only.
  ModifyPrimitive(handle, [handle, size] {
    RewriteHoleSize(handle, PcbApi_GetObjectIdFromObjectHandle(handle), size);
  });
}

bool TPcbHoleBoard::StartProcess() {
  TComPtr<IPCB_ServerInterface> server;
  GetPcbServerInterface(server);
  if (!server) return false;
  server.reset();
  ProcessStart(RequirePcbServerInterface().get());
  return true;
}

void TPcbHoleBoard::EndProcess() { ProcessEnd(RequirePcbServerInterface().get()); }
