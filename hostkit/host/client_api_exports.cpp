// The flat exports of the host executable: the 137 ClientAPI_ names, VFSAPI_VFS_FileExists and the
// host kit's own HostKit_Trace and HostKit_InjectedFault for the PCB module. Every call is traced.
// Preferences (the Get and Set pairs) read the [ClientAPI] section of the host kit's settings file,
// key = the name after "ClientAPI_Get" ("PrefUseLuna", "UseSystemLocaleLanguage"), 0 when absent; a
// setter changes the value for the rest of the run.

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "automation/automation.h"
#include "base/text_convert.h"
#include "error_store.h"
#include "faults.h"
#include "host_client.h"
#include "host_state.h"
#include "hostapi/i_client.h"
#include "hostapi/i_translation_manager.h"
#include "trace.h"
#include "translation_manager.h"

#define HOST_EXPORT extern "C" __declspec(dllexport)

namespace {
std::map<std::string, BYTE>& Overrides() {
  static std::map<std::string, BYTE> values;
  return values;
}

BYTE Preference(const char* key) {
  auto at = Overrides().find(key);
  if (at != Overrides().end()) return at->second;
  return HostSettingInt(L"ClientAPI", ToWide(key).c_str(), 0) ? 1 : 0;
}
}  // namespace

void SetHostPreference(const char* name, bool value) { Overrides()[name] = value ? 1 : 0; }

namespace {
// Counts the call for fault injection. A flat export has no status to fail with, so an injected
// failure makes it answer as a host without the feature would: 0, no interface, nothing done.
bool InjectedExportFailure(const char* name) {
  if (!InjectedFault(name)) return false;
  TraceLine(std::string(name) + "(...) -> failed (injected)");
  return true;
}
}  // namespace

#define HOST_GETTER(name)                                                           \
  HOST_EXPORT BYTE __stdcall ClientAPI_Get##name() {                                \
    if (InjectedExportFailure("ClientAPI_Get" #name)) return 0;                     \
    BYTE value = Preference(#name);                                                 \
    TraceLine("ClientAPI_Get" #name "() -> " + std::to_string(value));              \
    return value;                                                                   \
  }
#define HOST_SETTER(name)                                                           \
  HOST_EXPORT void __stdcall ClientAPI_Set##name(BYTE value) {                      \
    if (InjectedExportFailure("ClientAPI_Set" #name)) return;                       \
    Overrides()[#name] = value ? 1 : 0;                                             \
    TraceLine("ClientAPI_Set" #name "(" + std::to_string(value) + ") -> void");      \
  }
// Exports no caller of ours uses: bound by servers, never called with arguments.
#define HOST_OTHER(name)                                                            \
  HOST_EXPORT int32_t __stdcall ClientAPI_##name() {                                \
    if (InjectedExportFailure("ClientAPI_" #name)) return 0;                        \
    TraceLine("ClientAPI_" #name "() -> 0");                                         \
    return 0;                                                                       \
  }

#define HOST_GETTERS \
  HOST_GETTER(PrefUseLuna) \
  HOST_GETTER(PrefHideFloatingPanels) \
  HOST_GETTER(PrefShowStartupScreen) \
  HOST_GETTER(PrefReopenLastWorkspace) \
  HOST_GETTER(PrefAutoSave) \
  HOST_GETTER(PrefAutoSaveInterval) \
  HOST_GETTER(PrefBackupCount) \
  HOST_GETTER(PrefUndoLimit) \
  HOST_GETTER(PrefShowHints) \
  HOST_GETTER(PrefHintDelay) \
  HOST_GETTER(PrefAnimatePanels) \
  HOST_GETTER(PrefPanelFadeSpeed) \
  HOST_GETTER(PrefPopupDelay) \
  HOST_GETTER(PrefLargeToolbarIcons) \
  HOST_GETTER(PrefConfirmExit) \
  HOST_GETTER(PrefConfirmDelete) \
  HOST_GETTER(PrefRecentFileCount) \
  HOST_GETTER(PrefShowFullPath) \
  HOST_GETTER(PrefTabbedDocuments) \
  HOST_GETTER(PrefSingleInstance) \
  HOST_GETTER(PrefCheckForUpdates) \
  HOST_GETTER(PrefMouseWheelZoom) \
  HOST_GETTER(PrefZoomSpeed) \
  HOST_GETTER(PrefShowSplashMessages) \
  HOST_GETTER(PrefSoundEnabled) \
  HOST_GETTER(PrefPanelAutoHide) \
  HOST_GETTER(PrefPanelDockSnap) \
  HOST_GETTER(PrefDefaultUnits) \
  HOST_GETTER(PrefLastOpenFolder) \
  HOST_GETTER(PrefScriptsFolder) \
  HOST_GETTER(PrefLibraryFolder) \
  HOST_GETTER(ShowDocumentsBar) \
  HOST_GETTER(DocumentsBarPosition) \
  HOST_GETTER(ShowNavigationBar) \
  HOST_GETTER(NavigationBarStyle) \
  HOST_GETTER(IntegratedHelpSystem) \
  HOST_GETTER(HelpSystemLanguage) \
  HOST_GETTER(UseSystemLocaleLanguage) \
  HOST_GETTER(UseLocalizedDialogs) \
  HOST_GETTER(UseLocalizedResources) \
  HOST_GETTER(LocaleIdentifier) \
  HOST_GETTER(UseComponentSymbols) \
  HOST_GETTER(ComponentSymbolSize) \
  HOST_GETTER(UseExternalWebBrowser) \
  HOST_GETTER(WebBrowserHomePage) \
  HOST_GETTER(OutputGeneratorEnabled) \
  HOST_GETTER(OutputGeneratorFolder) \
  HOST_GETTER(ShowStatusBar) \
  HOST_GETTER(ShowCommandBar) \
  HOST_GETTER(FileSize) \
  HOST_GETTER(FileDate) \
  HOST_GETTER(TempFileName)
#define HOST_SETTERS \
  HOST_SETTER(PrefUseLuna) \
  HOST_SETTER(PrefHideFloatingPanels) \
  HOST_SETTER(PrefShowStartupScreen) \
  HOST_SETTER(PrefReopenLastWorkspace) \
  HOST_SETTER(PrefAutoSave) \
  HOST_SETTER(PrefAutoSaveInterval) \
  HOST_SETTER(PrefBackupCount) \
  HOST_SETTER(PrefUndoLimit) \
  HOST_SETTER(PrefShowHints) \
  HOST_SETTER(PrefHintDelay) \
  HOST_SETTER(PrefAnimatePanels) \
  HOST_SETTER(PrefPanelFadeSpeed) \
  HOST_SETTER(PrefPopupDelay) \
  HOST_SETTER(PrefLargeToolbarIcons) \
  HOST_SETTER(PrefConfirmExit) \
  HOST_SETTER(PrefConfirmDelete) \
  HOST_SETTER(PrefRecentFileCount) \
  HOST_SETTER(PrefShowFullPath) \
  HOST_SETTER(PrefTabbedDocuments) \
  HOST_SETTER(PrefSingleInstance) \
  HOST_SETTER(PrefCheckForUpdates) \
  HOST_SETTER(PrefMouseWheelZoom) \
  HOST_SETTER(PrefZoomSpeed) \
  HOST_SETTER(PrefShowSplashMessages) \
  HOST_SETTER(PrefSoundEnabled) \
  HOST_SETTER(PrefPanelAutoHide) \
  HOST_SETTER(PrefPanelDockSnap) \
  HOST_SETTER(PrefDefaultUnits) \
  HOST_SETTER(PrefLastOpenFolder) \
  HOST_SETTER(PrefScriptsFolder) \
  HOST_SETTER(PrefLibraryFolder) \
  HOST_SETTER(ShowDocumentsBar) \
  HOST_SETTER(DocumentsBarPosition) \
  HOST_SETTER(ShowNavigationBar) \
  HOST_SETTER(NavigationBarStyle) \
  HOST_SETTER(IntegratedHelpSystem) \
  HOST_SETTER(HelpSystemLanguage) \
  HOST_SETTER(UseSystemLocaleLanguage) \
  HOST_SETTER(UseLocalizedDialogs) \
  HOST_SETTER(UseLocalizedResources) \
  HOST_SETTER(LocaleIdentifier) \
  HOST_SETTER(UseComponentSymbols) \
  HOST_SETTER(ComponentSymbolSize) \
  HOST_SETTER(UseExternalWebBrowser) \
  HOST_SETTER(WebBrowserHomePage) \
  HOST_SETTER(OutputGeneratorEnabled) \
  HOST_SETTER(OutputGeneratorFolder) \
  HOST_SETTER(ShowStatusBar) \
  HOST_SETTER(ShowCommandBar) \
  HOST_SETTER(FileReadOnly)
#define HOST_OTHERS \
  HOST_OTHER(ShowProductStartup) \
  HOST_OTHER(HideProductStartup) \
  HOST_OTHER(AddStartupMessage) \
  HOST_OTHER(AddShutdownMessage) \
  HOST_OTHER(Synchronize) \
  HOST_OTHER(CheckSynchronize) \
  HOST_OTHER(RemoveSynchronize) \
  HOST_OTHER(ExtractFileNameFromPath) \
  HOST_OTHER(ExtractFilePathFromPath) \
  HOST_OTHER(ExtractFileExtension) \
  HOST_OTHER(ChangeFileExtension) \
  HOST_OTHER(IsFileReadOnly) \
  HOST_OTHER(FileExists) \
  HOST_OTHER(DirectoryExists) \
  HOST_OTHER(ForceDirectories) \
  HOST_OTHER(DeleteFile) \
  HOST_OTHER(CopyFile) \
  HOST_OTHER(MoveFile) \
  HOST_OTHER(ExpandFileName) \
  HOST_OTHER(IsPathRelative) \
  HOST_OTHER(SpecialFolder_QuorvelLocalApplicationData) \
  HOST_OTHER(SpecialFolder_QuorvelAllUserApplicationData) \
  HOST_OTHER(SpecialFolder_QuorvelApplicationData) \
  HOST_OTHER(QueryUpdatesInfo) \
  HOST_OTHER(SetUpdatesInfo) \
  HOST_OTHER(GetHelpFileAndTopic) \
  HOST_OTHER(GetOptionsManager)

HOST_GETTERS
HOST_SETTERS
HOST_OTHERS

HOST_EXPORT void __stdcall ClientAPI_GetClientInterface(IClient** client) {
  if (InjectedExportFailure("ClientAPI_GetClientInterface")) return;
  if (client) {
    HostClient().AddRef();
    *client = &HostClient();
  }
  TraceLine(std::string("ClientAPI_GetClientInterface(") + TracePointer(client) + ") -> void");
}

HOST_EXPORT void __stdcall ClientAPI_GetTranslationManager(ITranslationManager** manager) {
  if (InjectedExportFailure("ClientAPI_GetTranslationManager")) return;
  THostTranslationManager* host_manager = HostTranslationManager();
  if (manager) {
    *manager = host_manager;
    if (host_manager) host_manager->AddRef();
  }
  TraceLine(std::string("ClientAPI_GetTranslationManager(") + TracePointer(manager) +
            ") -> void manager=" + (manager && host_manager ? "present" : "null"));
}

HOST_EXPORT int32_t __stdcall ClientAPI_UpdateFont(LOGFONTW* font) {
  if (InjectedExportFailure("ClientAPI_UpdateFont")) return 0;
  TraceLine(std::string("ClientAPI_UpdateFont(") + (font ? TraceText(font->lfFaceName) : "null") +
            ") -> 0");
  return 0;
}

HOST_EXPORT void __stdcall ClientAPI_SetErrorInfo(BSTR message, BSTR report, DWORD address) {
  if (InjectedExportFailure("ClientAPI_SetErrorInfo")) return;
  char where[16];
  wsprintfA(where, "0x%08X", static_cast<unsigned>(address));
  TraceLine("ClientAPI_SetErrorInfo(" + TraceText(message) + ", " + TraceText(report) + ", " +
            where + ") -> void");
  StoreErrorInfo(message ? message : L"", report ? report : L"", address);
}

HOST_EXPORT void __stdcall ClientAPI_ClearErrorInfo() {
  if (InjectedExportFailure("ClientAPI_ClearErrorInfo")) return;
  TraceLine("ClientAPI_ClearErrorInfo() -> void");
  ClearStoredErrorInfo();
}

HOST_EXPORT void __stdcall ClientAPI_HandleException(int32_t reserved) {
  if (InjectedExportFailure("ClientAPI_HandleException")) return;
  TraceLine("ClientAPI_HandleException(" + std::to_string(reserved) + ") -> void");
  HandleStoredException();
  NoteHostException();
}

HOST_EXPORT void __stdcall ClientAPI_BeginCursor(int32_t cursor) {
  if (InjectedExportFailure("ClientAPI_BeginCursor")) return;
  TraceLine("ClientAPI_BeginCursor(" + std::to_string(cursor) + ") -> void");
}

HOST_EXPORT void __stdcall ClientAPI_EndCursor() {
  if (InjectedExportFailure("ClientAPI_EndCursor")) return;
  TraceLine("ClientAPI_EndCursor() -> void");
}

HOST_EXPORT BYTE __stdcall VFSAPI_VFS_FileExists(const char* file_name) {
  if (InjectedExportFailure("VFSAPI_VFS_FileExists")) return 0;
  DWORD attributes = file_name ? GetFileAttributesA(file_name) : INVALID_FILE_ATTRIBUTES;
  BYTE exists = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  TraceLine("VFSAPI_VFS_FileExists(" + TraceText(file_name ? file_name : "") + ") -> " +
            std::to_string(exists));
  return exists;
}

HOST_EXPORT void __stdcall HostKit_Trace(const char* line) { TraceLine(line ? line : ""); }

HOST_EXPORT int32_t __stdcall HostKit_Tracing() { return TraceOpen() ? 1 : 0; }

HOST_EXPORT int32_t __stdcall HostKit_InjectedFault(const char* operation) {
  return InjectedFault(operation ? operation : "");
}
