#include "frame/command_launcher.h"

#include <algorithm>

#include "base/check_host.h"
#include "base/exceptions.h"
#include "base/host_guard.h"
#include "frame/client_services.h"
#include "frame/slots.h"

int CompareCommandNames(std::string_view a, std::string_view b) {
  int result = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                              static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()));
  return result == 0 ? 0 : result - CSTR_EQUAL;
}

void TCommandLauncher::RegisterCommand(std::string_view name, TCommandProc handler,
                                       TCommandStateProc state_handler) {
  auto at = std::lower_bound(table_.begin(), table_.end(), name, [](const TEntry& e, std::string_view n) {
    return CompareCommandNames(e.name, n) < 0;
  });
  if (at != table_.end() && CompareCommandNames(at->name, name) == 0) return;
  table_.insert(at, TEntry{std::string(name), std::make_unique<TCommandHandler>(handler, state_handler)});
}

const TCommandHandler* TCommandLauncher::Lookup(std::string_view name) const {
  auto at = std::lower_bound(table_.begin(), table_.end(), name, [](const TEntry& e, std::string_view n) {
    return CompareCommandNames(e.name, n) < 0;
  });
  if (at == table_.end() || CompareCommandNames(at->name, name) != 0) return nullptr;
  return at->handler.get();
}

HRESULT __stdcall TCommandLauncher::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IUnknown || iid == IID_ICommandLauncher) {
    *object = static_cast<ICommandLauncher*>(this);
    return S_OK;
  }
  return E_NOINTERFACE;
}

HRESULT __stdcall TCommandLauncher::LaunchCommand(const char* command, char* parameters, int32_t,
                                                  IServerView* view) {
  return HostGuard([&] {
    const TCommandHandler* entry = Lookup(command ? command : "");
    if (!entry || !entry->Handler) return;
    entry->Handler(view, parameters);
    if (!ClientSlot) throw Exception("There is no host client to update after the command");
    if (TComPtr<IServerView> current = GetCurrentView()) {
      CheckHost(current->UpdateAfterCommand());
    } else {
      for (int32_t panel = 1; panel <= 3; ++panel) SetStatusText(panel, L"");
    }
  });
}

HRESULT __stdcall TCommandLauncher::GetCommandState(const char* command, const char* parameters,
                                                    IServerView* view, int32_t* value1,
                                                    int32_t* value2, int32_t* value3, BYTE* flag1,
                                                    BYTE* flag2) {
  int32_t v1 = -1, v2 = 0, v3 = -1;
  bool f1 = false, f2 = false;
  // The defaults reach every present out location before anything can fail; absent ones are
  // skipped rather than written through.
  auto deliver = [&] {
    if (value1) *value1 = v1;
    if (value2) *value2 = v2;
    if (value3) *value3 = v3;
    if (flag1) *flag1 = f1 ? 1 : 0;
    if (flag2) *flag2 = f2 ? 1 : 0;
  };
  deliver();
  return HostGuard([&] {
    const TCommandHandler* entry = Lookup(command ? command : "");
    if (!entry || !entry->StateHandler) return;
    entry->StateHandler(view, parameters, v1, v2, v3, f1, f2);
    deliver();
  });
}
