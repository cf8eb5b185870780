#pragma once
// The host kit's own contract between TavrinHost.exe and its PCB editor module Dralith.dll. It is not
// part of what the plug-in sees: the plug-in reaches Dralith.dll only through the PcbApi_ exports and
// the "PCB" server module.
//
// Both server libraries (Tavrin.dll and Dralith.dll) are created the same way: the host loads them by
// name and calls their exported ServerFactory(IClient*, IServerModule**).
//
// Exported by TavrinHost.exe, found by Dralith.dll with GetProcAddress(GetModuleHandleA(NULL), …):
//   HostKit_Trace(line)            appends one line to the host's trace (no line break in it);
//   HostKit_Tracing()              1 while the host writes a trace, 0 otherwise: lines need not be made;
//   HostKit_InjectedFault(name)    the status the host's fault injection chose for this call of the
//                                  named operation ("PcbApi_QueryPad", "IPCB_ServerInterface.ProcessStart"),
//                                  0 when the call is to proceed normally; every call counts.
// Exported by Dralith.dll for the host (stdcall, undecorated):

#include <windows.h>

#include <cstdint>

extern "C" {
typedef void(__stdcall* THostKitTraceProc)(const char* line);
typedef int32_t(__stdcall* THostKitInjectedFaultProc)(const char* operation);
typedef int32_t(__stdcall* THostKitTracingProc)();

// Loads a board file and makes it the current document. Returns 1 on success; on failure 0 and the
// error text (file, line, field) in error, cut to errorSize characters including the NUL.
typedef int32_t(__stdcall* HostKitPcb_OpenBoardProc)(const wchar_t* path, wchar_t* error,
                                                     int32_t error_size);
// Saves the current board. Same result convention.
typedef int32_t(__stdcall* HostKitPcb_SaveBoardProc)(const wchar_t* path, wchar_t* error,
                                                     int32_t error_size);
// 0: no document open; 1: a document open that is not a PCB; 2: the loaded board (when there is one).
typedef void(__stdcall* HostKitPcb_SetDocumentKindProc)(int32_t kind);
// Draws the current board (pads and vias with their holes) into the rectangle.
typedef void(__stdcall* HostKitPcb_PaintProc)(HDC dc, const RECT* area);
// The editor window handle that PcbApi_GetCurrentEditorWindow reports is the host's view window.
typedef void(__stdcall* HostKitPcb_SetEditorWindowProc)(HWND window);
// Undo and redo of one whole process; 1 when there was a step to undo or redo.
typedef int32_t(__stdcall* HostKitPcb_UndoProc)();
typedef int32_t(__stdcall* HostKitPcb_RedoProc)();
// Fault injection of a missing export: the named PcbApi_ export disappears from the module's export
// table until HostKitPcb_RestoreExports, so GetProcAddress finds nothing for it. 1 when it was there.
typedef int32_t(__stdcall* HostKitPcb_RemoveExportProc)(const char* name);
typedef void(__stdcall* HostKitPcb_RestoreExportsProc)();
// Number of PcbApi_ calls the module has served since it was loaded.
typedef uint32_t(__stdcall* HostKitPcb_CallCountProc)();
// Processor time-stamp ticks spent inside the module's exports and interface operations since it was
// loaded, so that a benchmark can tell the host kit's share of a step from the plug-in's.
typedef uint64_t(__stdcall* HostKitPcb_CallTicksProc)();
// Number of protocol violations seen so far (a record write outside BeginModify/EndModify, a
// modification outside a process, brackets out of order); each is also a trace line.
typedef int32_t(__stdcall* HostKitPcb_ProtocolViolationsProc)();
// The host's command is over: a process or a modification still open is a protocol violation too
// (recorded and traced as the others). Returns the number of violations seen in all.
typedef int32_t(__stdcall* HostKitPcb_CheckBracketsClosedProc)();
}
