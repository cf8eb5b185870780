#pragma once
// The flat exports of the host executable (names beginning ClientAPI_), found with
// GetProcAddress(GetModuleHandleA(NULL), name). All are __stdcall with undecorated names. A Boolean
// result is one byte, 0 or 1, in the return register; an out interface is counted (the caller
// releases it). A server binds the 135 names of kClientApiNames together at load and the two cursor
// exports by themselves; a missing export is never an error (the caller's wrapper gives a default).
//
// The plug-in calls only the exports that have a signature below; the others are bound and never
// called, and a host may export them with any arguments.

#include <windows.h>
#include <unknwn.h>

#include <cstdint>
#include <string_view>

struct IClient;
struct ITranslationManager;

inline constexpr int kClientApiCount = 135;
// The slot of each name in the table, and the table of names, both from the one list.
enum class TClientApiSlot : int {
#define TAVRIN_CLIENT_API(name) name,
#include "hostapi/client_api_names.h"
#undef TAVRIN_CLIENT_API
};
inline constexpr const char* kClientApiNames[] = {
#define TAVRIN_CLIENT_API(name) #name,
#include "hostapi/client_api_names.h"
#undef TAVRIN_CLIENT_API
};
static_assert(sizeof kClientApiNames / sizeof kClientApiNames[0] == kClientApiCount);
inline constexpr const char* kClientApiBeginCursorName = "ClientAPI_BeginCursor";
inline constexpr const char* kClientApiEndCursorName = "ClientAPI_EndCursor";

// The place of a name in kClientApiNames, -1 when it is not there.
constexpr int ClientApiIndex(std::string_view name) {
  for (int i = 0; i < kClientApiCount; ++i)
    if (name == kClientApiNames[i]) return i;
  return -1;
}

extern "C" {
typedef void(__stdcall* ClientAPI_GetClientInterfaceProc)(IClient** client);
typedef BYTE(__stdcall* ClientAPI_GetPrefUseLunaProc)();
typedef BYTE(__stdcall* ClientAPI_GetPrefHideFloatingPanelsProc)();
typedef void(__stdcall* ClientAPI_SetPrefHideFloatingPanelsProc)(BYTE hide);
typedef BYTE(__stdcall* ClientAPI_GetUseExternalWebBrowserProc)();
typedef BYTE(__stdcall* ClientAPI_GetIntegratedHelpSystemProc)();
typedef BYTE(__stdcall* ClientAPI_GetUseSystemLocaleLanguageProc)();
typedef BYTE(__stdcall* ClientAPI_GetUseLocalizedDialogsProc)();
typedef void(__stdcall* ClientAPI_GetTranslationManagerProc)(ITranslationManager** manager);
// Adapts the logical font in place to the system locale; non-zero when it changed it.
typedef int32_t(__stdcall* ClientAPI_UpdateFontProc)(LOGFONTW* font);
typedef void(__stdcall* ClientAPI_SetErrorInfoProc)(BSTR message, BSTR report, DWORD address);
typedef void(__stdcall* ClientAPI_ClearErrorInfoProc)();
typedef void(__stdcall* ClientAPI_HandleExceptionProc)(int32_t reserved);
typedef void(__stdcall* ClientAPI_BeginCursorProc)(int32_t cursor);
typedef void(__stdcall* ClientAPI_EndCursorProc)();
// Not a ClientAPI_ name, but exported by the host executable too: whether a file exists in the
// host's file system (8-bit name).
typedef BYTE(__stdcall* VFSAPI_VFS_FileExistsProc)(const char* fileName);
}
inline constexpr const char* kVfsFileExistsName = "VFSAPI_VFS_FileExists";

static_assert(ClientApiIndex("ClientAPI_GetClientInterface") == 0);
static_assert(ClientApiIndex("ClientAPI_GetPrefUseLuna") >= 0);
static_assert(ClientApiIndex("ClientAPI_SetPrefHideFloatingPanels") >= 0);
static_assert(ClientApiIndex("ClientAPI_GetUseExternalWebBrowser") >= 0);
static_assert(ClientApiIndex("ClientAPI_GetIntegratedHelpSystem") >= 0);
static_assert(ClientApiIndex("ClientAPI_GetUseSystemLocaleLanguage") >= 0);
static_assert(ClientApiIndex("ClientAPI_GetUseLocalizedDialogs") >= 0);
static_assert(ClientApiIndex("ClientAPI_GetTranslationManager") >= 0);
static_assert(ClientApiIndex("ClientAPI_UpdateFont") >= 0);
static_assert(ClientApiIndex("ClientAPI_SetErrorInfo") >= 0);
static_assert(ClientApiIndex("ClientAPI_ClearErrorInfo") >= 0);
static_assert(ClientApiIndex("ClientAPI_HandleException") >= 0);
static_assert(ClientApiIndex("ClientAPI_BeginCursor") == -1);
