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
inline constexpr const char* kClientApiNames[kClientApiCount] = {
    "ClientAPI_GetClientInterface", "ClientAPI_GetPrefUseLuna",
    "ClientAPI_SetPrefUseLuna", "ClientAPI_GetPrefHideFloatingPanels",
    "ClientAPI_SetPrefHideFloatingPanels", "ClientAPI_GetPrefShowStartupScreen",
    "ClientAPI_SetPrefShowStartupScreen", "ClientAPI_GetPrefReopenLastWorkspace",
    "ClientAPI_SetPrefReopenLastWorkspace", "ClientAPI_GetPrefAutoSave",
    "ClientAPI_SetPrefAutoSave", "ClientAPI_GetPrefAutoSaveInterval",
    "ClientAPI_SetPrefAutoSaveInterval", "ClientAPI_GetPrefBackupCount",
    "ClientAPI_SetPrefBackupCount", "ClientAPI_GetPrefUndoLimit",
    "ClientAPI_SetPrefUndoLimit", "ClientAPI_GetPrefShowHints",
    "ClientAPI_SetPrefShowHints", "ClientAPI_GetPrefHintDelay",
    "ClientAPI_SetPrefHintDelay", "ClientAPI_GetPrefAnimatePanels",
    "ClientAPI_SetPrefAnimatePanels", "ClientAPI_GetPrefPanelFadeSpeed",
    "ClientAPI_SetPrefPanelFadeSpeed", "ClientAPI_GetPrefPopupDelay",
    "ClientAPI_SetPrefPopupDelay", "ClientAPI_GetPrefLargeToolbarIcons",
    "ClientAPI_SetPrefLargeToolbarIcons", "ClientAPI_GetPrefConfirmExit",
    "ClientAPI_SetPrefConfirmExit", "ClientAPI_GetPrefConfirmDelete",
    "ClientAPI_SetPrefConfirmDelete", "ClientAPI_GetPrefRecentFileCount",
    "ClientAPI_SetPrefRecentFileCount", "ClientAPI_GetPrefShowFullPath",
    "ClientAPI_SetPrefShowFullPath", "ClientAPI_GetPrefTabbedDocuments",
    "ClientAPI_SetPrefTabbedDocuments", "ClientAPI_GetPrefSingleInstance",
    "ClientAPI_SetPrefSingleInstance", "ClientAPI_GetPrefCheckForUpdates",
    "ClientAPI_SetPrefCheckForUpdates", "ClientAPI_GetPrefMouseWheelZoom",
    "ClientAPI_SetPrefMouseWheelZoom", "ClientAPI_GetPrefZoomSpeed",
    "ClientAPI_SetPrefZoomSpeed", "ClientAPI_GetPrefShowSplashMessages",
    "ClientAPI_SetPrefShowSplashMessages", "ClientAPI_GetPrefSoundEnabled",
    "ClientAPI_SetPrefSoundEnabled", "ClientAPI_GetPrefPanelAutoHide",
    "ClientAPI_SetPrefPanelAutoHide", "ClientAPI_GetPrefPanelDockSnap",
    "ClientAPI_SetPrefPanelDockSnap", "ClientAPI_GetPrefDefaultUnits",
    "ClientAPI_SetPrefDefaultUnits", "ClientAPI_GetPrefLastOpenFolder",
    "ClientAPI_SetPrefLastOpenFolder", "ClientAPI_GetPrefScriptsFolder",
    "ClientAPI_SetPrefScriptsFolder", "ClientAPI_GetPrefLibraryFolder",
    "ClientAPI_SetPrefLibraryFolder", "ClientAPI_GetShowDocumentsBar",
    "ClientAPI_SetShowDocumentsBar", "ClientAPI_GetDocumentsBarPosition",
    "ClientAPI_SetDocumentsBarPosition", "ClientAPI_GetShowNavigationBar",
    "ClientAPI_SetShowNavigationBar", "ClientAPI_GetNavigationBarStyle",
    "ClientAPI_SetNavigationBarStyle", "ClientAPI_GetIntegratedHelpSystem",
    "ClientAPI_SetIntegratedHelpSystem", "ClientAPI_GetHelpSystemLanguage",
    "ClientAPI_SetHelpSystemLanguage", "ClientAPI_GetUseSystemLocaleLanguage",
    "ClientAPI_SetUseSystemLocaleLanguage", "ClientAPI_GetUseLocalizedDialogs",
    "ClientAPI_SetUseLocalizedDialogs", "ClientAPI_GetUseLocalizedResources",
    "ClientAPI_SetUseLocalizedResources", "ClientAPI_GetLocaleIdentifier",
    "ClientAPI_SetLocaleIdentifier", "ClientAPI_GetUseComponentSymbols",
    "ClientAPI_SetUseComponentSymbols", "ClientAPI_GetComponentSymbolSize",
    "ClientAPI_SetComponentSymbolSize", "ClientAPI_GetUseExternalWebBrowser",
    "ClientAPI_SetUseExternalWebBrowser", "ClientAPI_GetWebBrowserHomePage",
    "ClientAPI_SetWebBrowserHomePage", "ClientAPI_GetOutputGeneratorEnabled",
    "ClientAPI_SetOutputGeneratorEnabled", "ClientAPI_GetOutputGeneratorFolder",
    "ClientAPI_SetOutputGeneratorFolder", "ClientAPI_GetShowStatusBar",
    "ClientAPI_SetShowStatusBar", "ClientAPI_GetShowCommandBar",
    "ClientAPI_SetShowCommandBar", "ClientAPI_ShowProductStartup",
    "ClientAPI_HideProductStartup", "ClientAPI_AddStartupMessage",
    "ClientAPI_AddShutdownMessage", "ClientAPI_Synchronize",
    "ClientAPI_CheckSynchronize", "ClientAPI_RemoveSynchronize",
    "ClientAPI_ExtractFileNameFromPath", "ClientAPI_ExtractFilePathFromPath",
    "ClientAPI_ExtractFileExtension", "ClientAPI_ChangeFileExtension",
    "ClientAPI_IsFileReadOnly", "ClientAPI_SetFileReadOnly",
    "ClientAPI_FileExists", "ClientAPI_DirectoryExists",
    "ClientAPI_ForceDirectories", "ClientAPI_DeleteFile",
    "ClientAPI_CopyFile", "ClientAPI_MoveFile",
    "ClientAPI_GetFileSize", "ClientAPI_GetFileDate",
    "ClientAPI_ExpandFileName", "ClientAPI_GetTempFileName",
    "ClientAPI_IsPathRelative", "ClientAPI_SpecialFolder_QuorvelLocalApplicationData",
    "ClientAPI_SpecialFolder_QuorvelAllUserApplicationData", "ClientAPI_SpecialFolder_QuorvelApplicationData",
    "ClientAPI_GetHelpFileAndTopic", "ClientAPI_GetTranslationManager",
    "ClientAPI_GetOptionsManager", "ClientAPI_UpdateFont",
    "ClientAPI_SetErrorInfo", "ClientAPI_ClearErrorInfo",
    "ClientAPI_HandleException", "ClientAPI_QueryUpdatesInfo",
    "ClientAPI_SetUpdatesInfo",
};
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
