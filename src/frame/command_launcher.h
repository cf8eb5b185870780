#pragma once
// The module's command table and its dispatch (ICommandLauncher). It lives exactly as long as its
// module, which creates and frees it; its interface counts no references.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/object.h"
#include "frame/interfaced_object_no_ref.h"
#include "hostapi/i_command_launcher.h"
#include "hostapi/i_server_document.h"

// A command procedure gets exactly what the host passed to LaunchCommand; either may be empty.
using TCommandProc = void (*)(IServerView* view, char* parameters);
// A state procedure may change any of the five values, which start as -1, 0, -1, false, false.
using TCommandStateProc = void (*)(IServerView* view, const char* parameters, int32_t& value1,
                                   int32_t& value2, int32_t& value3, bool& flag1, bool& flag2);

class TCommandHandler : public TObject {
  TAVRIN_CLASS(TCommandHandler, TObject)
 public:
  TCommandHandler(TCommandProc handler, TCommandStateProc state_handler)
      : Handler(handler), StateHandler(state_handler) {}
  TCommandProc Handler;
  TCommandStateProc StateHandler;
};

class TCommandLauncher : public TInterfacedObjectNoRef, public ICommandLauncher {
  TAVRIN_CLASS(TCommandLauncher, TInterfacedObjectNoRef)
 public:
  TCommandLauncher() = default;
  TCommandLauncher(const TCommandLauncher&) = delete;
  TCommandLauncher& operator=(const TCommandLauncher&) = delete;

  // The first registration of a name (case ignored) stays in force; a later one is discarded.
  void RegisterCommand(std::string_view name, TCommandProc handler, TCommandStateProc state_handler);
  // The handler registered under the name (case ignored), or nullptr.
  const TCommandHandler* Lookup(std::string_view name) const;
  int Count() const { return static_cast<int>(table_.size()); }
  const std::string& Name(int index) const { return table_[index].name; }

  HRESULT __stdcall QueryInterface(REFIID iid, void** object) override;
  ULONG __stdcall AddRef() override { return 0; }
  ULONG __stdcall Release() override { return 0; }
  HRESULT __stdcall LaunchCommand(const char* command, char* parameters, int32_t size,
                                  IServerView* view) override;
  HRESULT __stdcall GetCommandState(const char* command, const char* parameters, IServerView* view,
                                    int32_t* value1, int32_t* value2, int32_t* value3, BYTE* flag1,
                                    BYTE* flag2) override;

 private:
  struct TEntry {
    std::string name;
    std::unique_ptr<TCommandHandler> handler;
  };
  // Sorted by CompareCommandNames.
  std::vector<TEntry> table_;
};

// The table's order: case ignored by the user's locale rules.
int CompareCommandNames(std::string_view a, std::string_view b);

