// The functions the host kit's host calls on its PCB module (hostkit/bridge/host_bridge.h).

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "base/text_convert.h"
#include "board_file.h"
#include "editor.h"
#include "export_support.h"
#include "hostkit/bridge/host_bridge.h"
#include "kicad/kicad_board_import.h"

namespace {

void put_error(const std::string& text, wchar_t* error, int32_t size) {
  if (!error || size <= 0) return;
  const std::wstring wide = to_wide(text);
  const size_t length = std::min<size_t>(wide.size(), static_cast<size_t>(size) - 1);
  std::memcpy(error, wide.data(), length * sizeof(wchar_t));
  error[length] = L'\0';
}

// Removed exports: the slot of the address table and the address it held.
struct RemovedExport {
  DWORD* slot;
  DWORD address;
};
std::vector<RemovedExport> removed;

IMAGE_EXPORT_DIRECTORY* own_exports(HMODULE& self) {
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&put_error), &self);
  auto* base = reinterpret_cast<BYTE*>(self);
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  return reinterpret_cast<IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
}

void write_slot(DWORD* slot, DWORD value) {
  DWORD old = 0;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
  *slot = value;
  VirtualProtect(slot, sizeof *slot, old, &old);
}

}  // namespace

DRALITH_EXPORT int32_t __stdcall HostKitPcb_OpenBoard(const wchar_t* path, wchar_t* error,
                                                      int32_t errorSize) {
  try {
    std::string message;
    const std::wstring file = path ? path : L"";
    std::unique_ptr<Board> board = IsKicadBoardPath(file) ? LoadKicadBoardFile(file, &message)
                                                          : load_board_file(file, &message);
    if (!board) {
      put_error(message, error, errorSize);
      Editor::get().trace("HostKitPcb_OpenBoard refused: " + message);
      return 0;
    }
    Editor::get().open(std::move(board));
    Editor::get().trace("HostKitPcb_OpenBoard(" + to_ansi(path) +
                        ") = " + std::to_string(Editor::get().board_handle()));
    put_error("", error, errorSize);
    return 1;
  } catch (const std::exception& e) {
    put_error(std::string("cannot open the board: ") + e.what(), error, errorSize);
    return 0;
  }
}

DRALITH_EXPORT int32_t __stdcall HostKitPcb_SaveBoard(const wchar_t* path, wchar_t* error,
                                                      int32_t errorSize) {
  try {
    Board* board = Editor::get().board();
    if (!board) {
      put_error("no board is open", error, errorSize);
      return 0;
    }
    // The host kit writes its own format only: a KiCad file is never overwritten with it.
    if (path && IsKicadBoardPath(path)) {
      put_error(to_ansi(path) +
                    ":0: file: boards are saved in the host kit's own format (.json), "
                    "not as KiCad boards",
                error, errorSize);
      return 0;
    }
    std::string message;
    if (!save_board_file(*board, path ? path : L"", &message)) {
      put_error(message, error, errorSize);
      return 0;
    }
    put_error("", error, errorSize);
    return 1;
  } catch (const std::exception& e) {
    put_error(std::string("cannot save the board: ") + e.what(), error, errorSize);
    return 0;
  }
}

DRALITH_EXPORT void __stdcall HostKitPcb_SetDocumentKind(int32_t kind) {
  if (kind >= 0 && kind <= 2) Editor::get().set_document_kind(static_cast<DocumentKind>(kind));
}

DRALITH_EXPORT void __stdcall HostKitPcb_SetEditorWindow(HWND window) {
  Editor::get().set_window(window);
}

DRALITH_EXPORT int32_t __stdcall HostKitPcb_Undo() {
  try {
    return Editor::get().undo() ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

DRALITH_EXPORT int32_t __stdcall HostKitPcb_Redo() {
  try {
    return Editor::get().redo() ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

DRALITH_EXPORT int32_t __stdcall HostKitPcb_RemoveExport(const char* name) {
  if (!name) return 0;
  HMODULE self = nullptr;
  IMAGE_EXPORT_DIRECTORY* exports = own_exports(self);
  auto* base = reinterpret_cast<BYTE*>(self);
  auto* names = reinterpret_cast<DWORD*>(base + exports->AddressOfNames);
  auto* ordinals = reinterpret_cast<WORD*>(base + exports->AddressOfNameOrdinals);
  auto* functions = reinterpret_cast<DWORD*>(base + exports->AddressOfFunctions);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    if (std::strcmp(reinterpret_cast<const char*>(base + names[i]), name) != 0) continue;
    DWORD* slot = &functions[ordinals[i]];
    if (*slot == 0) return 0;
    // An address of 0 is what the loader reports as "no such export".
    removed.push_back({slot, *slot});
    write_slot(slot, 0);
    Editor::get().trace(std::string("HostKitPcb_RemoveExport(") + name + ")");
    return 1;
  }
  return 0;
}

DRALITH_EXPORT void __stdcall HostKitPcb_RestoreExports() {
  for (const RemovedExport& r : removed) write_slot(r.slot, r.address);
  removed.clear();
}

DRALITH_EXPORT uint32_t __stdcall HostKitPcb_CallCount() { return Editor::get().calls(); }

DRALITH_EXPORT int32_t __stdcall HostKitPcb_ProtocolViolations() {
  return Editor::get().violations();
}

static_assert(std::is_same_v<decltype(&HostKitPcb_OpenBoard), HostKitPcb_OpenBoardProc>);
static_assert(std::is_same_v<decltype(&HostKitPcb_SaveBoard), HostKitPcb_SaveBoardProc>);
static_assert(
    std::is_same_v<decltype(&HostKitPcb_SetDocumentKind), HostKitPcb_SetDocumentKindProc>);
static_assert(
    std::is_same_v<decltype(&HostKitPcb_SetEditorWindow), HostKitPcb_SetEditorWindowProc>);
static_assert(std::is_same_v<decltype(&HostKitPcb_Undo), HostKitPcb_UndoProc>);
static_assert(std::is_same_v<decltype(&HostKitPcb_RemoveExport), HostKitPcb_RemoveExportProc>);
static_assert(std::is_same_v<decltype(&HostKitPcb_CallCount), HostKitPcb_CallCountProc>);
