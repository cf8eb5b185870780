#pragma once
// The interfaces a server library hands its host: the module itself and its options-page provider.
//
// Conventions of every interface in src/hostapi: each operation is __stdcall and returns an HRESULT
// (negative on failure), a result comes back through a trailing out argument; a Boolean is one byte
// (non-zero true) unless it is declared int32_t ("32-bit truth value", -1 true); wide strings are
// BSTRs in both directions (an empty one may be null, an out BSTR belongs to the caller); 8-bit texts
// are char*; handles and host values are 32-bit; an out interface is counted (the caller releases it)
// and the callee empties it on entry. Operations whose name the host does not reveal carry a
// descriptive name of our own and are marked "unnamed".

#include <windows.h>
#include <unknwn.h>

#include <cstdint>

#include "hostapi/guids.h"

struct IClient;
struct ICommandLauncher;
struct IProcessControl;
struct IServerDocument;
struct IDocumentOptionsView;
struct IOptionsPage;

struct IServerModule : IUnknown {
  virtual HRESULT __stdcall Idle() = 0;                                              // 1
  virtual HRESULT __stdcall ReceiveNotification(DWORD notification) = 0;            // 2 unnamed
  virtual HRESULT __stdcall CreateDocument(DWORD kind, DWORD source,
                                           IServerDocument** document) = 0;        // 3
  virtual HRESULT __stdcall DestroyDocument(IServerDocument* document) = 0;          // 4
  virtual HRESULT __stdcall GetClient(IClient** client) = 0;                         // 5
  virtual HRESULT __stdcall GetCommandLauncher(ICommandLauncher** launcher) = 0;     // 6
  virtual HRESULT __stdcall GetDocumentCount(int32_t* count) = 0;                    // 7
  virtual HRESULT __stdcall GetDocument(int32_t index, IServerDocument** document) = 0;  // 8
  // Windows' headers turn this name into GetModuleHandleW; both sides see the same rename.
  virtual HRESULT __stdcall GetModuleHandle(DWORD* instance) = 0;                    // 9
  virtual HRESULT __stdcall GetModuleName(BSTR* name) = 0;                           // 10
  virtual HRESULT __stdcall GetProcessControl(IProcessControl** control) = 0;        // 11
  virtual HRESULT __stdcall GetRegisteredCount(int32_t* count) = 0;                  // 12
  virtual HRESULT __stdcall GetRegistered(int32_t index, IUnknown** registered) = 0; // 13
  virtual HRESULT __stdcall CreateOptionsView(BSTR name, IDocumentOptionsView** view) = 0;  // 14
  virtual HRESULT __stdcall CreateServerObject(DWORD kind, IUnknown** object) = 0;   // 15 unnamed
  virtual HRESULT __stdcall CreateServerObjectFor(DWORD kind, DWORD owner,
                                                  IUnknown** object) = 0;           // 16 unnamed
  virtual HRESULT __stdcall RemoveRegistered(IUnknown* registered) = 0;              // 17
  virtual HRESULT __stdcall AddRegistered(IUnknown* registered) = 0;                 // 18
  virtual HRESULT __stdcall CreateDocument(DWORD kind, DWORD source, BYTE show,
                                           IServerDocument** document) = 0;        // 19
};

struct IOptionsPageProvider : IUnknown {
  virtual HRESULT __stdcall CreateOptionsPage(BSTR name, IOptionsPage** page) = 0;   // 1
  virtual HRESULT __stdcall BeginOptionsPages() = 0;                                 // 2 unnamed
  virtual HRESULT __stdcall EndOptionsPages() = 0;                                   // 3 unnamed
};

// The one export of a server library: ServerFactory(client, out module). Exported undecorated.
typedef HRESULT(__stdcall* TServerFactoryProc)(IClient* client, IServerModule** module);
