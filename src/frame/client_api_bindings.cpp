#include "frame/client_api_bindings.h"

#include "base/bstr.h"
#include "base/com_ptr.h"
#include "frame/guarded_host_call.h"
#include "frame/slots.h"

namespace {

void* bindings[kClientApiCount] = {};
bool bound = false;
ClientAPI_BeginCursorProc begin_cursor = nullptr;
ClientAPI_EndCursorProc end_cursor = nullptr;

// The index is settled at compile time, so a misspelt name does not build.
template <class Proc, int Index>
Proc bound_proc() {
  static_assert(Index >= 0, "not a ClientAPI_ name of the table");
  return reinterpret_cast<Proc>(ClientApiAddress(Index));
}
#define CLIENT_API(name) bound_proc<name##Proc, ClientApiIndex(#name)>()

// The error store and the cursor are called while an exception is being reported or handled: a
// fault inside the host there has nowhere better to go, so it ends the call and nothing more.
template <class Call>
void CallHostQuietly(Call&& call) {
  (void)RunHostCall(call);
}

}  // namespace

void BindClientApi() {
  if (!bound) {
    HMODULE host = GetModuleHandleA(nullptr);
    for (int i = 0; i < kClientApiCount; ++i)
      bindings[i] = host ? reinterpret_cast<void*>(GetProcAddress(host, kClientApiNames[i])) : nullptr;
    bound = true;
  }
  // The slot counts nothing: the host keeps its client alive as long as the library is loaded, so
  // the reference the export gives goes when this scope ends.
  TComPtr<IClient> client = TComPtr<IClient>::Attach(ClientAPI_GetClientInterface());
  ClientSlot = client.get();
}

void BindClientCursorApi() {
  HMODULE host = GetModuleHandleA(nullptr);
  if (!host) return;
  begin_cursor = reinterpret_cast<ClientAPI_BeginCursorProc>(
      reinterpret_cast<void*>(GetProcAddress(host, kClientApiBeginCursorName)));
  end_cursor = reinterpret_cast<ClientAPI_EndCursorProc>(
      reinterpret_cast<void*>(GetProcAddress(host, kClientApiEndCursorName)));
}

void UnbindClientApi() {
  for (void*& slot : bindings) slot = nullptr;
  bound = false;
  begin_cursor = nullptr;
  end_cursor = nullptr;
}

bool ClientApiBound() { return bound; }

void* ClientApiAddress(int index) {
  return index >= 0 && index < kClientApiCount ? bindings[index] : nullptr;
}

IClient* ClientAPI_GetClientInterface() {
  auto proc = CLIENT_API(ClientAPI_GetClientInterface);
  IClient* client = nullptr;
  if (proc) CallHost([&] { proc(&client); });
  return client;
}

bool ClientAPI_GetPrefUseLuna() {
  auto proc = CLIENT_API(ClientAPI_GetPrefUseLuna);
  return proc ? CallHost(proc) != 0 : false;
}

bool ClientAPI_GetPrefHideFloatingPanels() {
  auto proc = CLIENT_API(ClientAPI_GetPrefHideFloatingPanels);
  return proc ? CallHost(proc) != 0 : false;
}

void ClientAPI_SetPrefHideFloatingPanels(bool hide) {
  auto proc = CLIENT_API(ClientAPI_SetPrefHideFloatingPanels);
  if (proc) CallHost([&] { proc(hide ? 1 : 0); });
}

bool ClientAPI_GetUseExternalWebBrowser() {
  auto proc = CLIENT_API(ClientAPI_GetUseExternalWebBrowser);
  return proc ? CallHost(proc) != 0 : true;
}

bool ClientAPI_GetIntegratedHelpSystem() {
  auto proc = CLIENT_API(ClientAPI_GetIntegratedHelpSystem);
  return proc ? CallHost(proc) != 0 : false;
}

bool ClientAPI_GetUseSystemLocaleLanguage() {
  auto proc = CLIENT_API(ClientAPI_GetUseSystemLocaleLanguage);
  return proc ? CallHost(proc) != 0 : false;
}

bool ClientAPI_GetUseLocalizedDialogs() {
  auto proc = CLIENT_API(ClientAPI_GetUseLocalizedDialogs);
  return proc ? CallHost(proc) != 0 : false;
}

ITranslationManager* ClientAPI_GetTranslationManager() {
  auto proc = CLIENT_API(ClientAPI_GetTranslationManager);
  ITranslationManager* manager = nullptr;
  if (proc) CallHost([&] { proc(&manager); });
  return manager;
}

int32_t ClientAPI_UpdateFont(LOGFONTW* font) {
  auto proc = CLIENT_API(ClientAPI_UpdateFont);
  return proc && font ? CallHost([&] { return proc(font); }) : 0;
}

void ClientAPI_SetErrorInfo(const std::wstring& message, const std::wstring& report,
                            uintptr_t address) {
  auto proc = CLIENT_API(ClientAPI_SetErrorInfo);
  if (!proc) return;
  TUniqueBstr m(message), r(report);
  CallHostQuietly([&] { proc(m.get(), r.get(), static_cast<DWORD>(address)); });
}

void ClientAPI_ClearErrorInfo() {
  auto proc = CLIENT_API(ClientAPI_ClearErrorInfo);
  if (proc) CallHostQuietly(proc);
}

void ClientAPI_HandleException(int32_t reserved) {
  auto proc = CLIENT_API(ClientAPI_HandleException);
  if (proc) CallHostQuietly([&] { proc(reserved); });
}

void ClientAPI_BeginCursor(int32_t cursor) {
  if (begin_cursor) CallHostQuietly([&] { begin_cursor(cursor); });
}

void ClientAPI_EndCursor() {
  if (end_cursor) CallHostQuietly(end_cursor);
}
