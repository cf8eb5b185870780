#pragma once
// The PCB editor's server interface and the change protocol around record writes: a process on the
// server (ProcessStart … ProcessEnd) around all changes, and a modification (BeginModify …
// EndModify) of each primitive around its record's read and write. The interface is looked up
// afresh for every use and no reference outlives its use. Closing steps are scope guards, so they
// run whatever happened in between; a failing status from the host raises an exception
// (CheckHost).

#include <cstdint>
#include <functional>

#include "base/com_ptr.h"
#include "hostapi/i_pcb_server_interface.h"

// The "PCB" server module's IPCB_ServerInterface; empty without a client, without a module of that
// name or when the module does not offer the interface. A failing look-up raises.
void GetPcbServerInterface(TComPtr<IPCB_ServerInterface>& server);

// As GetPcbServerInterface, for a step of a run that found the server before: raises when it is
// gone.
TComPtr<IPCB_ServerInterface> RequirePcbServerInterface();

// The primitive's interface of the identifier; false (and primitive empty) when the host has no
// such primitive or it does not offer the identifier.
bool GetPrimitiveInterface(IPCB_ServerInterface* server, uint32_t handle, const GUID& iid,
                           TComPtr<IUnknown>& primitive);

void ProcessStart(IPCB_ServerInterface* server);
void ProcessEnd(IPCB_ServerInterface* server);
// Ends the process started on `started` (which it empties): on the server looked up afresh, or, when
// that look-up fails, on the one the process was started on, so that no process is left open; the
// look-up's failure then propagates after the ProcessEnd.
void EndProcessOn(TComPtr<IPCB_ServerInterface>& started);
void BeginModify(IPCB_PrimitiveObject* primitive);
void EndModify(IPCB_PrimitiveObject* primitive);

// Runs change between BeginModify and EndModify of the primitive. False, without any call on the
// primitive, when the server has no primitive interface for the handle. EndModify follows a
// successful BeginModify also when change throws; a failed BeginModify has no EndModify.
bool ModifyPrimitive(uint32_t handle, const std::function<void()>& change);
