// The "PCB" server module that the host creates through ServerFactory. It answers for
// IPCB_ServerInterface, whose process brackets group the changes of the flat record exports into
// one undo step, and hands out one IPCB_PrimitiveObject per primitive with the modification
// brackets. Operations no caller uses answer E_NOTIMPL.

#include <windows.h>

#include <oleauto.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <new>
#include <string>

#include "editor.h"
#include "export_support.h"
#include "hostapi/i_client.h"
#include "hostapi/i_command_launcher.h"
#include "hostapi/i_pcb_server_interface.h"
#include "hostapi/i_server_module.h"

namespace {

std::string Hex(HRESULT status) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08lX", static_cast<unsigned long>(status));
  return buffer;
}

// Asks the host's fault injection about one interface operation and writes its trace line.
// The trace shows the handle as the argument of a primitive's operation; a process takes none.
// A closing operation (EndModify, ProcessEnd) closes its bracket before the fault injection is
// asked: a caller that made the call has done its part, whatever the host then answers.
HRESULT ServerCall(const char* operation, HRESULT (*body)(uint32_t), uint32_t handle,
                    bool primitive = true, bool closing = false) {
  TEditor& editor = TEditor::get();
  editor.ClockIn();
  // Nothing thrown may cross the interface into the caller.
  auto run = [body, handle]() -> HRESULT {
    try {
      return body(handle);
    } catch (const std::bad_alloc&) {
      return E_OUTOFMEMORY;
    }
  };
  const HRESULT closed = closing ? run() : S_OK;
  const int32_t injected = editor.InjectedFault(operation);
  const HRESULT status = injected ? injected : closing ? closed : run();
  if (editor.Tracing())
    editor.Trace(std::string(operation) + "(" + (primitive ? std::to_string(handle) : std::string()) + ") = " +
                 Hex(status) + (injected ? " (injected)" : ""));
  editor.ClockOut();
  return status;
}

template <class... I>
class TCounted : public I... {
 public:
  ULONG __stdcall AddRef() override { return ++count_; }
  ULONG __stdcall Release() override {
    const ULONG left = --count_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  virtual ~TCounted() = default;

 private:
  std::atomic<ULONG> count_{1};
};

class TPrimitiveObject final : public TCounted<IPCB_PrimitiveObject> {
 public:
  explicit TPrimitiveObject(uint32_t handle) : handle_(handle) {}

  HRESULT __stdcall QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IPCB_PrimitiveObject) return E_NOINTERFACE;
    *out = static_cast<IPCB_PrimitiveObject*>(this);
    AddRef();
    return S_OK;
  }

  HRESULT __stdcall Reserved1() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved2() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved3() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved4() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved5() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved6() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved7() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved8() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved9() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved10() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved11() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved12() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved13() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved14() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved15() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved16() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved17() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved18() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved19() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved20() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved21() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved22() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved23() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved24() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved25() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved26() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved27() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved28() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved29() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved30() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved31() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved32() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved33() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved34() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved35() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved36() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved37() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved38() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved39() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved40() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved41() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved42() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved43() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved44() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved45() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved46() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved47() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved48() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved49() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved50() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved51() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved52() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved53() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved54() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved55() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved56() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved57() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved58() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved59() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved60() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved61() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved62() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved63() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved64() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved65() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved66() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved67() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved68() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved69() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved70() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved71() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved72() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved73() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved74() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved75() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved76() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved77() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved78() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved79() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved80() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved81() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved82() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved83() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved84() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved85() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved86() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved87() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved88() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved89() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved90() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved91() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved92() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved93() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved94() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved95() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved96() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved97() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved98() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved99() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved100() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved101() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved102() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved103() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved104() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved105() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved106() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved107() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved108() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved109() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved110() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved111() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved112() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved113() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved114() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved115() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved116() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved117() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved118() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved119() override { return E_NOTIMPL; }

  HRESULT __stdcall BeginModify() override {
    return ServerCall(
        "IPCB_PrimitiveObject.BeginModify",
        [](uint32_t h) -> HRESULT {
          TEditor::get().BeginModify(h);
          return S_OK;
        },
        handle_);
  }
  HRESULT __stdcall EndModify() override {
    return ServerCall(
        "IPCB_PrimitiveObject.EndModify",
        [](uint32_t h) -> HRESULT {
          TEditor::get().EndModify(h);
          return S_OK;
        },
        handle_, true, true);
  }

 private:
  uint32_t handle_;
};


// The PCB server's commands as the host runs them for "PCB:<command>" processes. "Zoom" with
// "Action=Redraw" repaints the board; the stand-in knows no other command.
class TPcbCommands final : public TCounted<ICommandLauncher> {
 public:
  HRESULT __stdcall QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_ICommandLauncher) return E_NOINTERFACE;
    *out = static_cast<ICommandLauncher*>(this);
    AddRef();
    return S_OK;
  }
  HRESULT __stdcall LaunchCommand(const char* command, char* parameters, int32_t size,
                                  IServerView*) override {
    const std::string name = command ? command : "";
    const std::string text =
        parameters && size > 0 ? std::string(parameters, strnlen(parameters, static_cast<size_t>(size)))
                               : std::string();
    TEditor& editor = TEditor::get();
    const bool redraw = _stricmp(name.c_str(), "Zoom") == 0 && RedrawRequested(text);
    if (redraw && editor.Window()) InvalidateRect(editor.Window(), nullptr, TRUE);
    editor.Trace("PCB:" + name + "(" + text + ")" + (redraw ? " redrawn" : " not known"));
    return redraw ? S_OK : E_NOTIMPL;
  }
  HRESULT __stdcall GetCommandState(const char*, const char*, IServerView*, int32_t*, int32_t*,
                                    int32_t*, BYTE*, BYTE*) override {
    return E_NOTIMPL;
  }

 private:
  // One of the "|"-separated items is "Action=Redraw" (names and values without regard to case).
  static bool RedrawRequested(const std::string& parameters) {
    size_t start = 0;
    while (start <= parameters.size()) {
      size_t end = parameters.find('|', start);
      if (end == std::string::npos) end = parameters.size();
      if (_stricmp(parameters.substr(start, end - start).c_str(), "Action=Redraw") == 0) return true;
      start = end + 1;
    }
    return false;
  }
};

class TPcbServer final : public TCounted<IServerModule, IPCB_ServerInterface> {
 public:
  explicit TPcbServer(IClient* client) : client_(client) {
    if (client_) client_->AddRef();
  }

  HRESULT __stdcall QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IServerModule) {
      *out = static_cast<IServerModule*>(this);
    } else if (iid == IID_IPCB_ServerInterface) {
      *out = static_cast<IPCB_ServerInterface*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }

  // IServerModule
  HRESULT __stdcall Idle() override { return S_OK; }
  HRESULT __stdcall ReceiveNotification(DWORD) override { return S_OK; }
  HRESULT __stdcall CreateDocument(DWORD, DWORD, IServerDocument** document) override {
    if (document) *document = nullptr;
    return E_NOTIMPL;
  }
  HRESULT __stdcall DestroyDocument(IServerDocument*) override { return E_NOTIMPL; }
  HRESULT __stdcall GetClient(IClient** client) override {
    if (!client) return E_POINTER;
    *client = client_;
    if (client_) client_->AddRef();
    return S_OK;
  }
  HRESULT __stdcall GetCommandLauncher(ICommandLauncher** launcher) override {
    if (!launcher) return E_POINTER;
    *launcher = new TPcbCommands;
    return S_OK;
  }
  HRESULT __stdcall GetDocumentCount(int32_t* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT __stdcall GetDocument(int32_t, IServerDocument** document) override {
    if (document) *document = nullptr;
    return E_INVALIDARG;
  }
  HRESULT __stdcall GetModuleHandle(DWORD* instance) override {
    if (!instance) return E_POINTER;
    HMODULE self = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&ServerCall), &self);
    *instance = static_cast<DWORD>(reinterpret_cast<uintptr_t>(self));
    return S_OK;
  }
  HRESULT __stdcall GetModuleName(BSTR* name) override {
    if (!name) return E_POINTER;
    *name = SysAllocString(L"PCB");
    return *name ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT __stdcall GetProcessControl(IProcessControl** control) override {
    if (control) *control = nullptr;
    return E_NOTIMPL;
  }
  HRESULT __stdcall GetRegisteredCount(int32_t* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT __stdcall GetRegistered(int32_t, IUnknown** registered) override {
    if (registered) *registered = nullptr;
    return E_INVALIDARG;
  }
  HRESULT __stdcall CreateOptionsView(BSTR, IDocumentOptionsView** view) override {
    if (view) *view = nullptr;
    return E_NOTIMPL;
  }
  HRESULT __stdcall CreateServerObject(DWORD, IUnknown** object) override {
    if (object) *object = nullptr;
    return E_NOTIMPL;
  }
  HRESULT __stdcall CreateServerObjectFor(DWORD, DWORD, IUnknown** object) override {
    if (object) *object = nullptr;
    return E_NOTIMPL;
  }
  HRESULT __stdcall RemoveRegistered(IUnknown*) override { return E_NOTIMPL; }
  HRESULT __stdcall AddRegistered(IUnknown*) override { return E_NOTIMPL; }
  HRESULT __stdcall CreateDocument(DWORD, DWORD, BYTE, IServerDocument** document) override {
    if (document) *document = nullptr;
    return E_NOTIMPL;
  }

  // IPCB_ServerInterface

  HRESULT __stdcall Reserved1() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved2() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved3() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved4() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved5() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved6() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved7() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved8() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved9() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved10() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved11() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved12() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved13() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved14() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved15() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved16() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved17() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved18() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved19() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved20() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved21() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved25() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved26() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved27() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved28() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved29() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved30() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved31() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved32() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved33() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved34() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved35() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved36() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved37() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved38() override { return E_NOTIMPL; }
  HRESULT __stdcall Reserved39() override { return E_NOTIMPL; }

  HRESULT __stdcall GetPrimitiveInterface(DWORD handle, const GUID* iid, IUnknown** primitive,
                                          BYTE* found) override {
    const char* operation = "IPCB_ServerInterface.GetPrimitiveInterface";
    TEditor& editor = TEditor::get();
    editor.ClockIn();
    if (primitive) *primitive = nullptr;
    if (found) *found = 0;
    const int32_t injected = editor.InjectedFault(operation);
    HRESULT status = injected;
    bool exists = false;
    if (!injected) {
      if (!iid || !primitive || !found) {
        status = E_POINTER;
      } else {
        exists = editor.EditedBoard() && editor.EditedBoard()->Find(handle) &&
                 (*iid == IID_IPCB_PrimitiveObject || *iid == IID_IUnknown);
        status = S_OK;
        if (exists) {
          if (auto* object = new (std::nothrow) TPrimitiveObject(handle)) {
            *primitive = static_cast<IPCB_PrimitiveObject*>(object);
            *found = 1;
          } else {
            status = E_OUTOFMEMORY;
          }
        }
      }
    }
    if (editor.Tracing())
      editor.Trace(std::string(operation) + "(" + std::to_string(handle) + ") = " + Hex(status) +
                   (injected ? " (injected)"
                    : exists ? " found"
                             : " not found"));
    editor.ClockOut();
    return status;
  }
  HRESULT __stdcall ProcessStart() override {
    return ServerCall(
        "IPCB_ServerInterface.ProcessStart",
        [](uint32_t) -> HRESULT {
          TEditor::get().ProcessStart();
          return S_OK;
        },
        0, false);
  }
  HRESULT __stdcall ProcessEnd() override {
    return ServerCall(
        "IPCB_ServerInterface.ProcessEnd",
        [](uint32_t) -> HRESULT {
          TEditor::get().ProcessEnd();
          return S_OK;
        },
        0, false, true);
  }

 private:
  ~TPcbServer() override {
    if (client_) client_->Release();
  }
  IClient* client_;
};

}  // namespace

// The host creates the "PCB" server module through this, as it creates every server library.
DRALITH_EXPORT HRESULT __stdcall ServerFactory(IClient* client, IServerModule** module) {
  if (!module) return E_POINTER;
  *module = nullptr;
  try {
    *module = static_cast<IServerModule*>(new TPcbServer(client));
  } catch (...) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}
